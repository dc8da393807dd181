#pragma once
// CSortedKeyList: date keys (DayKey or MonthKey) kept ascending, without duplicates. Byte order of
// the keys is date order, so the list is also the chronological order the result lists, the exports
// and the dialogs' lists show.
//
// A search may find every record of a calendar of a million days, so a key of the date form
// ("RRRR/MM/DD" or "RRRR/MM", digits) is kept as one number of four bytes in the same order; any
// other key (a damaged file's) is kept as it is, beside them. Keys are handed out as strings.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CSortedKeyList {
 public:
  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string;

    std::string operator*() const { return (*m_List)[m_Index]; }
    const_iterator& operator++() {
      ++m_Index;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return m_Index == o.m_Index; }

   private:
    friend class CSortedKeyList;
    const_iterator(const CSortedKeyList* list, std::size_t index) : m_List(list), m_Index(index) {}
    const CSortedKeyList* m_List;
    std::size_t m_Index;
  };

  // Files a key at its place; false when it is there already.
  bool Insert(std::string_view key);
  // Replaces the content by these keys, sorted, each once: one sort instead of a bisection per key
  // when a walk over all records collects its matches.
  void Assign(std::vector<std::string> keys);
  // Adds a key after all those there: a walk in key order collects its matches so. A key that is not
  // above the last one is filed at its place instead.
  void Append(std::string_view key);
  void Clear();
  void Reserve(std::size_t keys) { m_Codes.reserve(keys); }

  bool Contains(std::string_view key) const;
  bool IsEmpty() const { return m_Codes.empty(); }
  std::size_t Size() const { return m_Codes.size(); }
  std::string operator[](std::size_t index) const;
  std::vector<std::string> Keys() const;
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, m_Codes.size()}; }

 private:
  // A key of the date form as its number; a key of another form as kOther + its index in m_Other.
  static constexpr std::uint32_t kOther = 0x80000000;
  std::uint32_t Code(std::string_view key);
  std::string KeyOf(std::uint32_t code) const;
  bool Less(std::uint32_t a, std::uint32_t b) const;
  std::vector<std::uint32_t>::const_iterator LowerBound(std::string_view key) const;

  std::vector<std::uint32_t> m_Codes;  // ascending by key
  std::vector<std::string> m_Other;
};

}  // namespace orv
