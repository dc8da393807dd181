#pragma once
// The words a spell checker looks at in Windows-1250 text: runs of letters of the code page (the
// accented ones included), joined across one inner character of `innerChars` (the hyphens and
// apostrophes the dictionary counts as word characters) when a letter follows it; the typographic
// apostrophe ’ joins wherever ' does. A word that touches a digit ("3D", "2x") is no word to check.
//
//   for (const SWordSpan& w : FindWords(text, "-")) check(text.substr(w.pos, w.len));

#include <string_view>
#include <vector>

namespace orv {

// ’ in Windows-1250.
inline constexpr char kCp1250Apostrophe = '\x92';

struct SWordSpan {
  std::size_t pos = 0;
  std::size_t len = 0;
  bool operator==(const SWordSpan&) const = default;
};

bool IsWordLetter(unsigned char c);
std::vector<SWordSpan> FindWords(std::string_view cp1250, std::string_view innerChars);
// The word that holds position `pos` (its end included), if any.
const SWordSpan* WordAt(const std::vector<SWordSpan>& words, std::size_t pos);

}  // namespace orv
