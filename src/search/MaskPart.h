#pragma once
// A fixed-length piece of a mask (the whole mask without a star, or the part before or after it)
// matched bit-parallel: one pass over the text advances every partial match at once, so finding it
// costs time linear in the text, one machine word per 64 bytes of the piece.
//
//   CMaskPart part(foldedPiece, fold, /*separatorsMatch=*/true);
//   CMaskPart::Scan scan(part, text, start);
//   for (std::size_t end; (end = scan.NextEnd()) != npos;) ...  // matches end by end, left to right
//
// A '?' takes one word character; any other byte must equal the text byte after folding. Without
// separatorsMatch no separator of the text is taken at all, so a match never reaches across words.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "search/SearchText.h"

namespace orv {

class CMaskPart {
 public:
  CMaskPart() = default;
  CMaskPart(std::string_view folded, const ByteTable& fold, bool separatorsMatch);

  std::size_t Size() const { return m_Size; }

  class Scan {
   public:
    Scan(const CMaskPart& part, std::string_view text, std::size_t start);
    // One past the last byte of the next match, matches in the order of their ends; npos when the
    // text holds no more.
    std::size_t NextEnd();

   private:
    bool Step(unsigned char byte);

    const CMaskPart& m_Part;
    std::string_view m_Text;
    std::size_t m_Pos;
    std::array<std::uint64_t, 4> m_Small{};
    std::vector<std::uint64_t> m_Large;  // for pieces longer than 256 bytes
    std::uint64_t* m_State;
  };

 private:
  // The next position at or after `from` whose byte can begin a match; the text's size when none.
  std::size_t NextFirstByte(std::string_view text, std::size_t from) const;
  const std::uint64_t* Bits(unsigned char byte) const { return &m_Bits[byte * m_Words]; }

  std::size_t m_Size = 0;
  std::size_t m_Words = 0;
  std::vector<std::uint64_t> m_Bits;  // per text byte, the piece positions it may stand at
  // The bytes that can begin a match when the piece begins with a fixed byte (a case pair, or the
  // byte twice); lets an idle scan skip ahead sixteen bytes at a time.
  bool m_FixedFirst = false;
  std::array<unsigned char, 2> m_FirstBytes{};
};

}  // namespace orv
