#pragma once
// The switches of a search, read from the search dialog before each search.

namespace orv {

struct SearchOptions {
  bool matchCase = false;      // distinguish upper and lower case
  bool wholeWords = false;     // a match must be a whole word
  bool useMask = false;        // a term may hold one '*' and any number of '?'
  bool logical = false;        // the input is a boolean expression (AND, OR, NOT, brackets)
  bool ignoreAccents = false;  // "Bez ohledu na diakritiku": a letter matches its accented forms
};

}  // namespace orv
