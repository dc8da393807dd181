#include "spell/UnknownWords.h"

#include <algorithm>

#include "core/Cp1250.h"
#include "names/CzechCollation.h"
#include "spell/SpellChecker.h"

namespace orv {
namespace {

int CapitalCount(std::string_view word) {
  return static_cast<int>(std::count_if(word.begin(), word.end(), [](char c) {
    return Cp1250ToLower(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c);
  }));
}

// The spelling a word is listed under: the most frequent, on a tie the one with fewer capitals,
// then the one met first.
const std::string& ShownSpelling(const std::vector<std::pair<std::string, int>>& spellings) {
  const auto* best = &spellings.front();
  for (const auto& spelling : spellings)
    if (spelling.second > best->second ||
        (spelling.second == best->second && CapitalCount(spelling.first) < CapitalCount(best->first)))
      best = &spelling;
  return best->first;
}

}  // namespace

void CUnknownWords::AddCommentary(std::string_view key, std::string_view text) {
  for (const SWordSpan& span : m_Checker.Words(text)) {
    const std::string_view word = text.substr(span.pos, span.len);
    if (m_Checker.IsKnown(word)) continue;
    SWordGroup& group = m_Words[Cp1250ToLower(word)];
    const auto spelling = std::find_if(group.spellings.begin(), group.spellings.end(),
                                       [&](const auto& s) { return s.first == word; });
    if (spelling == group.spellings.end())
      group.spellings.emplace_back(word, 1);
    else
      ++spelling->second;
    SUnknownWord& entry = group.word;
    ++entry.count;
    if (entry.keys.empty() || entry.keys.back() != key) entry.keys.emplace_back(key);
  }
}

std::vector<SUnknownWord> CUnknownWords::MostFrequentFirst() const {
  std::vector<SUnknownWord> words;
  words.reserve(m_Words.size());
  for (const auto& [lower, group] : m_Words) {
    words.push_back(group.word);
    words.back().word = ShownSpelling(group.spellings);
  }
  std::stable_sort(words.begin(), words.end(), [](const SUnknownWord& a, const SUnknownWord& b) {
    if (a.count != b.count) return a.count > b.count;
    return CzechCompare(a.word, b.word) < 0;
  });
  return words;
}

}  // namespace orv
