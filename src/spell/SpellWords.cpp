#include "spell/SpellWords.h"

#include "core/Cp1250.h"

namespace orv {
namespace {

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

// The typographic apostrophe (’, which word processors put for ') joins as the ASCII one does.
bool IsInnerChar(char c, std::string_view innerChars) {
  if (innerChars.find(c) != std::string_view::npos) return true;
  return c == kCp1250Apostrophe && innerChars.find('\'') != std::string_view::npos;
}

}  // namespace

// Every letter of the code page has a case partner, except the sharp s.
bool IsWordLetter(unsigned char c) {
  return Cp1250ToUpper(c) != Cp1250ToLower(c) || c == 0xDF;
}

std::vector<SWordSpan> FindWords(std::string_view text, std::string_view innerChars) {
  std::vector<SWordSpan> words;
  const auto letter = [&](std::size_t i) { return i < text.size() && IsWordLetter(text[i]); };
  std::size_t i = 0;
  while (i < text.size()) {
    if (!letter(i)) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (true) {
      while (letter(i)) ++i;
      if (i < text.size() && IsInnerChar(text[i], innerChars) && letter(i + 1)) {
        ++i;
        continue;
      }
      break;
    }
    const bool byDigit = (start > 0 && IsDigit(text[start - 1])) || (i < text.size() && IsDigit(text[i]));
    if (!byDigit) words.push_back({start, i - start});
  }
  return words;
}

const SWordSpan* WordAt(const std::vector<SWordSpan>& words, std::size_t pos) {
  for (const SWordSpan& word : words)
    if (pos >= word.pos && pos <= word.pos + word.len) return &word;
  return nullptr;
}

}  // namespace orv
