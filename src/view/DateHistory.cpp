#include "view/DateHistory.h"

#include <algorithm>

namespace orv {

void CDateHistory::Record(std::string_view dayKey) {
  const auto it = std::find(m_Keys.begin(), m_Keys.end(), dayKey);
  if (it != m_Keys.end()) m_Keys.erase(it);
  if (static_cast<int>(m_Keys.size()) >= HistorySize) m_Keys.pop_back();
  m_Keys.emplace_front(dayKey);
  m_Position = 0;
}

std::optional<int> CDateHistory::Step(int direction, const Showable& showable) const {
  for (int i = m_Position + direction; i >= 0 && i < static_cast<int>(m_Keys.size()); i += direction)
    if (!showable || showable(m_Keys[i])) return i;
  return std::nullopt;
}

std::optional<std::string> CDateHistory::MoveBy(int direction, const Showable& showable) {
  const std::optional<int> next = Step(direction, showable);
  if (!next) return std::nullopt;
  m_Position = *next;
  return m_Keys[m_Position];
}

std::optional<std::string> CDateHistory::Back(const Showable& showable) {
  return MoveBy(+1, showable);
}

std::optional<std::string> CDateHistory::Forward(const Showable& showable) {
  return MoveBy(-1, showable);
}

void CDateHistory::Clear() {
  m_Keys.clear();
  m_Position = 0;
}

}  // namespace orv
