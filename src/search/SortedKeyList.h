#pragma once
// CSortedKeyList: date keys (DayKey or MonthKey) kept ascending, without duplicates. Byte order of
// the keys is date order, so the list is also the chronological order the result lists, the exports
// and the dialogs' lists show.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CSortedKeyList {
 public:
  // Files a key at its place; false when it is there already.
  bool Insert(std::string key);
  // Replaces the content by these keys, sorted, each once: one sort instead of a bisection per key
  // when a walk over all records collects its matches.
  void Assign(std::vector<std::string> keys);
  void Clear() { m_Keys.clear(); }

  bool Contains(std::string_view key) const;
  bool IsEmpty() const { return m_Keys.empty(); }
  std::size_t Size() const { return m_Keys.size(); }
  const std::string& operator[](std::size_t index) const { return m_Keys[index]; }
  const std::vector<std::string>& Keys() const { return m_Keys; }
  auto begin() const { return m_Keys.begin(); }
  auto end() const { return m_Keys.end(); }

 private:
  std::vector<std::string> m_Keys;
};

}  // namespace orv
