#include "search/SearchText.h"

#include "core/CalendarDates.h"
#include "core/Cp1250.h"

namespace orv {
namespace {

// The letters of Windows-1250 with a diacritical mark, and the base letter of each.
constexpr std::string_view kAccented =
    "\x8a\x8c\x8d\x8e\x8f\x9a\x9c\x9d\x9e\x9f\xa5\xaa\xaf\xb9\xba\xbc\xbe\xbf\xc0\xc1\xc2\xc3\xc4\xc5\xc6"
    "\xc7\xc8\xc9\xca\xcb\xcc\xcd\xce\xcf\xd1\xd2\xd3\xd4\xd5\xd6\xd8\xd9\xda\xdb\xdc\xdd\xde\xe0\xe1\xe2"
    "\xe3\xe4\xe5\xe6\xe7\xe8\xe9\xea\xeb\xec\xed\xee\xef\xf1\xf2\xf3\xf4\xf5\xf6\xf8\xf9\xfa\xfb\xfc\xfd"
    "\xfe";
constexpr std::string_view kBase =
    "SSTZZsstzzASZasLlzRAAAALCCCEEEEIIDNNOOOORUUUUYTraaaalccceeeeiidnnooooruuuuyt";
static_assert(kAccented.size() == kBase.size());

struct Tables {
  std::array<bool, 256> word{};
  ByteTable lower{};
  ByteTable identity{};
  ByteTable base{};       // accents dropped, case kept
  ByteTable lowerBase{};  // accents dropped, lower case

  Tables() {
    for (int b = 0; b < 256; ++b) {
      const auto c = static_cast<unsigned char>(b);
      word[c] = IsCzechLetter(c) || (c >= '0' && c <= '9');
      lower[c] = Cp1250ToLower(c);
      identity[c] = c;
      base[c] = c;
    }
    for (std::size_t i = 0; i < kAccented.size(); ++i)
      base[static_cast<unsigned char>(kAccented[i])] = static_cast<unsigned char>(kBase[i]);
    for (int b = 0; b < 256; ++b) lowerBase[b] = base[lower[b]];
  }
};

const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

bool IsWordChar(unsigned char c) {
  return TheTables().word[c];
}

bool IsSeparator(unsigned char c) {
  return !TheTables().word[c];
}

bool IsWholeWord(std::string_view text, std::size_t first, std::size_t end) {
  const bool startOk = first == 0 || IsSeparator(static_cast<unsigned char>(text[first - 1]));
  const bool endOk = end >= text.size() || IsSeparator(static_cast<unsigned char>(text[end]));
  return startOk && endOk;
}

const ByteTable& Cp1250LowerTable() {
  return TheTables().lower;
}

const ByteTable& IdentityTable() {
  return TheTables().identity;
}

CFoldInverse::CFoldInverse(const ByteTable& fold) {
  for (int b = 0; b < 256; ++b) ++m_Start[fold[b] + 1];
  for (int f = 0; f < 256; ++f) m_Start[f + 1] += m_Start[f];
  std::array<unsigned short, 256> next{};
  for (int f = 0; f < 256; ++f) next[f] = m_Start[f];
  for (int b = 0; b < 256; ++b) m_Bytes[next[fold[b]]++] = static_cast<unsigned char>(b);
}

const ByteTable& FoldTable(bool matchCase, bool ignoreAccents) {
  if (ignoreAccents) return matchCase ? TheTables().base : TheTables().lowerBase;
  return matchCase ? IdentityTable() : Cp1250LowerTable();
}

}  // namespace orv
