#pragma once
// The unknown words of many commentaries, for a listing: each word once, how often it occurs and the
// keys of the commentaries (days, months) where it does; the most frequent first, equal counts in
// Czech alphabetical order.
//
//   CUnknownWords unknown(checker);
//   unknown.AddCommentary("2005/03/15", plainText);   // in the order the keys are to be listed
//   for (const SUnknownWord& w : unknown.MostFrequentFirst()) ...

#include <map>
#include <string>
#include <string_view>
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
  CSpellChecker& m_Checker;
  std::map<std::string, SUnknownWord> m_Words;
};

}  // namespace orv
