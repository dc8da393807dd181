#pragma once
// The byte classes that word matching works with, one Windows-1250 byte at a time, and the case
// folding of the code page as a table.
//
// A word character is A-Z, a-z, 0-9 or one of the 30 Czech accented letters; every other byte is a
// separator (CR and LF included), and so is the end of the text.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace orv {

using ByteTable = std::array<unsigned char, 256>;

bool IsWordChar(unsigned char c);
bool IsSeparator(unsigned char c);
// True when the bytes [first, end) of text are not glued to a word character on either side.
bool IsWholeWord(std::string_view text, std::size_t first, std::size_t end);

// Byte -> its lower-case partner in Windows-1250, and the identity for a case-sensitive search.
const ByteTable& Cp1250LowerTable();
const ByteTable& IdentityTable();
// The folding of a search: lower case unless matchCase; with ignoreAccents every letter with a
// diacritical mark also becomes its base letter (č -> c, Ř -> R or r, ů -> u).
const ByteTable& FoldTable(bool matchCase, bool ignoreAccents = false);

// The bytes grouped by the byte a fold table turns them into, so that a matcher is built from the
// few partners of each pattern byte instead of a pass over all 256 bytes for each.
class CFoldInverse {
 public:
  explicit CFoldInverse(const ByteTable& fold);
  std::span<const unsigned char> Partners(unsigned char folded) const {
    return {m_Bytes.data() + m_Start[folded], m_Bytes.data() + m_Start[folded + 1]};
  }

 private:
  std::array<unsigned char, 256> m_Bytes{};
  std::array<unsigned short, 257> m_Start{};
};

}  // namespace orv
