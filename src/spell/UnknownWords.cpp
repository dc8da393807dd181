#include "spell/UnknownWords.h"

#include <algorithm>

#include "names/CzechCollation.h"
#include "spell/SpellChecker.h"

namespace orv {

void CUnknownWords::AddCommentary(std::string_view key, std::string_view text) {
  for (const SWordSpan& span : m_Checker.Words(text)) {
    const std::string_view word = text.substr(span.pos, span.len);
    if (m_Checker.IsKnown(word)) continue;
    SUnknownWord& entry = m_Words[std::string(word)];
    if (entry.word.empty()) entry.word = word;
    ++entry.count;
    if (entry.keys.empty() || entry.keys.back() != key) entry.keys.emplace_back(key);
  }
}

std::vector<SUnknownWord> CUnknownWords::MostFrequentFirst() const {
  std::vector<SUnknownWord> words;
  words.reserve(m_Words.size());
  for (const auto& [word, entry] : m_Words) words.push_back(entry);
  std::stable_sort(words.begin(), words.end(), [](const SUnknownWord& a, const SUnknownWord& b) {
    if (a.count != b.count) return a.count > b.count;
    return CzechCompare(a.word, b.word) < 0;
  });
  return words;
}

}  // namespace orv
