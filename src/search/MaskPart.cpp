#include "search/MaskPart.h"

#include <cstring>

namespace orv {
CMaskPart::CMaskPart(std::string_view folded, const ByteTable& fold, bool separatorsMatch)
    : m_Size(folded.size()), m_Words((folded.size() + 63) / 64), m_Bits(256 * m_Words) {
  // '?' takes a word character; any other byte of the piece the bytes that fold to it.
  const CFoldInverse inverse(fold);
  std::array<unsigned char, 256> wordChars;
  std::size_t wordCount = 0;
  for (int c = 0; c < 256; ++c)
    if (IsWordChar(static_cast<unsigned char>(c))) wordChars[wordCount++] = static_cast<unsigned char>(c);
  for (std::size_t k = 0; k < m_Size; ++k) {
    const auto piece = static_cast<unsigned char>(folded[k]);
    const std::span<const unsigned char> takes =
        piece == '?' ? std::span<const unsigned char>(wordChars.data(), wordCount) : inverse.Partners(piece);
    for (unsigned char c : takes)
      if (separatorsMatch || !IsSeparator(c)) m_Bits[c * m_Words + k / 64] |= std::uint64_t{1} << (k % 64);
  }
  if (m_Size == 0 || folded[0] == '?') return;
  int firsts = 0;
  for (int c = 0; c < 256; ++c)
    if (Bits(static_cast<unsigned char>(c))[0] & 1) {
      if (firsts < 2) m_FirstBytes[firsts] = static_cast<unsigned char>(c);
      ++firsts;
    }
  if (firsts == 1) m_FirstBytes[1] = m_FirstBytes[0];
  m_FixedFirst = firsts >= 1 && firsts <= 2;
}

std::size_t CMaskPart::NextFirstByte(std::string_view text, std::size_t from) const {
  using Block = unsigned char __attribute__((vector_size(16)));
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  Block first0, first1;
  std::memset(&first0, m_FirstBytes[0], sizeof first0);
  std::memset(&first1, m_FirstBytes[1], sizeof first1);
  std::size_t i = from;
  for (; i + 16 <= text.size(); i += 16) {
    Block bytes;
    std::memcpy(&bytes, t + i, sizeof bytes);
    const auto hits = (bytes == first0) | (bytes == first1);
    std::uint64_t any[2];
    std::memcpy(any, &hits, sizeof any);
    if ((any[0] | any[1]) == 0) continue;
    for (std::size_t k = 0; k < 16; ++k)
      if (hits[k]) return i + k;
  }
  for (; i < text.size(); ++i)
    if (t[i] == m_FirstBytes[0] || t[i] == m_FirstBytes[1]) return i;
  return text.size();
}

CMaskPart::Scan::Scan(const CMaskPart& part, std::string_view text, std::size_t start)
    : m_Part(part), m_Text(text), m_Pos(start), m_State(m_Small.data()) {
  if (part.m_Words > m_Small.size()) {
    m_Large.assign(part.m_Words, 0);
    m_State = m_Large.data();
  }
}

// Shift-and: bit k of the state says that the last k+1 bytes read match the first k+1 of the piece.
bool CMaskPart::Scan::Step(unsigned char byte) {
  const std::uint64_t* bits = m_Part.Bits(byte);
  const std::size_t words = m_Part.m_Words;
  for (std::size_t w = words - 1; w > 0; --w)
    m_State[w] = ((m_State[w] << 1) | (m_State[w - 1] >> 63)) & bits[w];
  m_State[0] = ((m_State[0] << 1) | 1) & bits[0];
  const std::size_t last = m_Part.m_Size - 1;
  return (m_State[last / 64] >> (last % 64)) & 1;
}

std::size_t CMaskPart::Scan::NextEnd() {
  const std::size_t words = m_Part.m_Words;
  if (words == 0) return std::string_view::npos;
  const auto idle = [this, words] {
    for (std::size_t w = 0; w < words; ++w)
      if (m_State[w]) return false;
    return true;
  };
  while (m_Pos < m_Text.size()) {
    if (m_Part.m_FixedFirst && idle()) {
      m_Pos = m_Part.NextFirstByte(m_Text, m_Pos);
      if (m_Pos == m_Text.size()) break;
    }
    if (Step(static_cast<unsigned char>(m_Text[m_Pos++]))) return m_Pos;
  }
  return std::string_view::npos;
}

}  // namespace orv
