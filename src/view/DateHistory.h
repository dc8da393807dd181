#pragma once
// The last ten days visited, most recent first, each once, with a position for stepping back and
// forth through them. Not saved with the calendar. A step can pass over the days the caller cannot
// show now (a narrowed year range): it lands on the next day it can show, or stays where it is.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

inline constexpr int HistorySize = 10;

class CDateHistory {
 public:
  // Moves the day to the front (dropping the oldest when full) and the position to it.
  void Record(std::string_view dayKey);
  // Whether a day of the history can be shown; without one every day can.
  using Showable = std::function<bool(std::string_view dayKey)>;
  // The nearest older (Back) or newer (Forward) showable entry, moving the position to it; nullopt,
  // the position unchanged, when there is none.
  std::optional<std::string> Back(const Showable& showable = {});
  std::optional<std::string> Forward(const Showable& showable = {});
  bool CanGoBack(const Showable& showable = {}) const { return Step(+1, showable).has_value(); }
  bool CanGoForward(const Showable& showable = {}) const { return Step(-1, showable).has_value(); }
  void Clear();

  const std::deque<std::string>& Keys() const { return m_Keys; }
  int Position() const { return m_Position; }

 private:
  // The position of the nearest showable entry from the current one in `direction` (+1 older).
  std::optional<int> Step(int direction, const Showable& showable) const;
  std::optional<std::string> MoveBy(int direction, const Showable& showable);

  std::deque<std::string> m_Keys;
  int m_Position = 0;
};

}  // namespace orv
