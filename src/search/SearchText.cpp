#include "search/SearchText.h"

#include "core/CalendarDates.h"
#include "core/Cp1250.h"

namespace orv {
namespace {

struct Tables {
  std::array<bool, 256> word{};
  ByteTable lower{};
  ByteTable identity{};

  Tables() {
    for (int b = 0; b < 256; ++b) {
      const auto c = static_cast<unsigned char>(b);
      word[c] = IsCzechLetter(c) || (c >= '0' && c <= '9');
      lower[c] = Cp1250ToLower(c);
      identity[c] = c;
    }
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

const ByteTable& FoldTable(bool matchCase) {
  return matchCase ? IdentityTable() : Cp1250LowerTable();
}

}  // namespace orv
