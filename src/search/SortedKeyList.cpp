#include "search/SortedKeyList.h"

#include <algorithm>

namespace orv {

bool CSortedKeyList::Insert(std::string key) {
  const auto at = std::lower_bound(m_Keys.begin(), m_Keys.end(), key);
  if (at != m_Keys.end() && *at == key) return false;
  m_Keys.insert(at, std::move(key));
  return true;
}

void CSortedKeyList::Assign(std::vector<std::string> keys) {
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  m_Keys = std::move(keys);
}

bool CSortedKeyList::Contains(std::string_view key) const {
  return std::binary_search(m_Keys.begin(), m_Keys.end(), key, std::less<>{});
}

}  // namespace orv
