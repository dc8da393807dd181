#pragma once
// The last ten days visited, most recent first, each once, with a position for stepping back and
// forth through them. Not saved with the calendar.

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

inline constexpr int HistorySize = 10;

class CDateHistory {
 public:
  // Moves the day to the front (dropping the oldest when full) and the position to it.
  void Record(std::string_view dayKey);
  // The older (Back) or newer (Forward) entry, moving the position; nullopt at the end.
  std::optional<std::string> Back();
  std::optional<std::string> Forward();
  bool CanGoBack() const { return m_Position + 1 < static_cast<int>(m_Keys.size()); }
  bool CanGoForward() const { return m_Position > 0; }
  void Clear();

  const std::deque<std::string>& Keys() const { return m_Keys; }
  int Position() const { return m_Position; }

 private:
  std::deque<std::string> m_Keys;
  int m_Position = 0;
};

}  // namespace orv
