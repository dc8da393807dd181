#pragma once
// The short-note search's own test of one note. It differs from the full-text search's term matching:
// the search text is trimmed, there is no mask and no expression, and for whole words only letters
// (A-Z, a-z and the Czech accented letters) make up a word, so a digit next to the text is a
// separator: "den" is found in "2den" and "den 2", but not in "pondělí".

#include <string>
#include <string_view>

#include "search/SearchText.h"

namespace orv {

// The search text without leading and trailing white space.
std::string_view TrimSearchText(std::string_view text);

class CNoteMatcher {
 public:
  CNoteMatcher(std::string_view text, bool wholeWords, bool matchCase, bool ignoreAccents = false);
  bool Matches(std::string_view note) const;

 private:
  bool MatchesAt(std::string_view note, std::size_t pos) const;

  std::string m_Folded;
  const ByteTable* m_Fold;
  bool m_WholeWords;
};

}  // namespace orv
