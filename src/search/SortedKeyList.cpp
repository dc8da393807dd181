#include "search/SortedKeyList.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace orv {
namespace {

bool Digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint32_t Number(std::string_view digits) {
  std::uint32_t n = 0;
  for (char c : digits) n = n * 10 + static_cast<std::uint32_t>(c - '0');
  return n;
}

// "RRRR/MM" as RRRRMM * 200, "RRRR/MM/DD" as RRRRMMDD * 2 + 1: numbers in the byte order of the keys
// (a month before its days, as its key is their prefix), all below 2^31.
std::optional<std::uint32_t> DateCode(std::string_view key) {
  if (key.size() != 7 && key.size() != 10) return std::nullopt;
  if (!Digits(key.substr(0, 4)) || key[4] != '/' || !Digits(key.substr(5, 2))) return std::nullopt;
  const std::uint32_t month = Number(key.substr(0, 4)) * 100 + Number(key.substr(5, 2));
  if (key.size() == 7) return month * 200;
  if (key[7] != '/' || !Digits(key.substr(8))) return std::nullopt;
  return (month * 100 + Number(key.substr(8))) * 2 + 1;
}

}  // namespace

std::uint32_t CSortedKeyList::Code(std::string_view key) {
  if (const auto code = DateCode(key)) return *code;
  m_Other.emplace_back(key);
  return kOther + static_cast<std::uint32_t>(m_Other.size() - 1);
}

std::string CSortedKeyList::KeyOf(std::uint32_t code) const {
  if (code >= kOther) return m_Other[code - kOther];
  char key[16];
  const unsigned date = code / 2;
  if (code % 2 == 0)
    std::snprintf(key, sizeof key, "%04u/%02u", date / 100 / 100, date / 100 % 100);
  else
    std::snprintf(key, sizeof key, "%04u/%02u/%02u", date / 10000, date / 100 % 100, date % 100);
  return key;
}

bool CSortedKeyList::Less(std::uint32_t a, std::uint32_t b) const {
  if (a < kOther && b < kOther) return a < b;
  return KeyOf(a) < KeyOf(b);
}

std::vector<std::uint32_t>::const_iterator CSortedKeyList::LowerBound(std::string_view key) const {
  const std::optional<std::uint32_t> code = DateCode(key);
  return std::lower_bound(m_Codes.begin(), m_Codes.end(), key,
                          [&](std::uint32_t element, std::string_view k) {
                            return code && element < kOther ? element < *code : KeyOf(element) < k;
                          });
}

bool CSortedKeyList::Insert(std::string_view key) {
  const auto at = LowerBound(key);
  if (at != m_Codes.end() && KeyOf(*at) == key) return false;
  const std::ptrdiff_t index = at - m_Codes.begin();
  const std::uint32_t code = Code(key);
  m_Codes.insert(m_Codes.begin() + index, code);
  return true;
}

void CSortedKeyList::Append(std::string_view key) {
  const std::optional<std::uint32_t> code = DateCode(key);
  if (code && (m_Codes.empty() || (m_Codes.back() < kOther && m_Codes.back() < *code)))
    m_Codes.push_back(*code);
  else
    Insert(key);
}

void CSortedKeyList::Assign(std::vector<std::string> keys) {
  Clear();
  m_Codes.reserve(keys.size());
  for (const std::string& key : keys) m_Codes.push_back(Code(key));
  const auto less = [this](std::uint32_t a, std::uint32_t b) { return Less(a, b); };
  std::sort(m_Codes.begin(), m_Codes.end(), less);
  m_Codes.erase(std::unique(m_Codes.begin(), m_Codes.end(),
                            [&](std::uint32_t a, std::uint32_t b) { return !less(a, b) && !less(b, a); }),
                m_Codes.end());
}

void CSortedKeyList::Clear() {
  m_Codes.clear();
  m_Other.clear();
}

bool CSortedKeyList::Contains(std::string_view key) const {
  const auto at = LowerBound(key);
  return at != m_Codes.end() && KeyOf(*at) == key;
}

std::string CSortedKeyList::operator[](std::size_t index) const {
  return KeyOf(m_Codes[index]);
}

std::vector<std::string> CSortedKeyList::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(m_Codes.size());
  for (std::uint32_t code : m_Codes) keys.push_back(KeyOf(code));
  return keys;
}

}  // namespace orv
