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

std::optional<std::string> CDateHistory::Back() {
  if (!CanGoBack()) return std::nullopt;
  return m_Keys[++m_Position];
}

std::optional<std::string> CDateHistory::Forward() {
  if (!CanGoForward()) return std::nullopt;
  return m_Keys[--m_Position];
}

void CDateHistory::Clear() {
  m_Keys.clear();
  m_Position = 0;
}

}  // namespace orv
