#pragma once
// The unknown words of many commentaries, for a listing: each word once, how often it occurs and the
// keys of the commentaries (days, months) where it does; the most frequent first, equal counts in
// Czech alphabetical order. Spellings that differ only in case are one word ("kalendrář" at the
// start of a sentence is still "kalendrář"), shown as it is most often written, lower case on a tie.
//
//   CUnknownWords unknown(checker);
//   unknown.AddCommentary("2005/03/15", plainText);   // in the order the keys are to be listed
//   for (const SUnknownWord& w : unknown.MostFrequentFirst()) ...

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

class CSpellChecker;

struct SUnknownWord {
  std::string word;  // Windows-1250
  int count = 0;
  std::vector<std::string> keys;
};

class CUnknownWords {
 public:
  explicit CUnknownWords(CSpellChecker& checker) : m_Checker(checker) {}

  void AddCommentary(std::string_view key, std::string_view cp1250);
  std::vector<SUnknownWord> MostFrequentFirst() const;

 private:
  // One word under all its spellings, each with its count, in the order first met.
  struct SWordGroup {
    SUnknownWord word;
    std::vector<std::pair<std::string, int>> spellings;
  };

  CSpellChecker& m_Checker;
  std::map<std::string, SWordGroup> m_Words;  // by the lower-case spelling
};

}  // namespace orv
