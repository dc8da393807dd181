#pragma once
// CSpellChecker: Czech spell checking of Windows-1250 words over the Hunspell library, with the
// user's own word list and the words ignored for the rest of the session.
//
//   std::string why;
//   auto checker = CSpellChecker::Open(*FindCzechDictionary(), PersonalWordListPath(), why);
//   for (const SWordSpan& w : checker->Words(text))
//     if (!checker->IsKnown(text.substr(w.pos, w.len))) ...
//
// Opening reads the whole dictionary (a tenth of a second or more): open it once and keep it. Answers
// are remembered, so a word seen again costs a look-up. Not for use by two threads at once.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "spell/SpellDictionary.h"
#include "spell/SpellWords.h"

namespace orv {

inline constexpr std::size_t kMaxSpellSuggestions = 5;

class CSpellChecker {
 public:
  ~CSpellChecker();
  CSpellChecker(const CSpellChecker&) = delete;
  CSpellChecker& operator=(const CSpellChecker&) = delete;

  // The dictionary with the user's words from `personalList` (a missing file is an empty list);
  // nullptr with the reason in Czech when it cannot be used.
  static std::unique_ptr<CSpellChecker> Open(const SDictionaryFiles& files, std::string personalList,
                                             std::string& failure);
  // The Czech dictionary where FindCzechDictionary finds it, with PersonalWordListPath().
  static std::unique_ptr<CSpellChecker> OpenInstalled(std::string& failure);
  // Whether this build checks spelling at all, and whether the dictionary is installed; the reason
  // in Czech when not (it names the package to install).
  static std::optional<std::string> Unavailable();

  std::vector<SWordSpan> Words(std::string_view cp1250) const { return FindWords(cp1250, m_InnerChars); }
  bool IsKnown(std::string_view word);
  // At most `max` suggestions, each one Windows-1250 (others are left out).
  std::vector<std::string> Suggest(std::string_view word, std::size_t max = kMaxSpellSuggestions);
  // Into the personal word list, known from now on; empty on success, else the reason in Czech.
  std::string AddToPersonal(std::string_view word);
  // Known until the checker goes.
  void Ignore(std::string_view word);

 private:
  struct SEngine;
  explicit CSpellChecker(std::unique_ptr<SEngine> engine, std::string personalList);

  std::unique_ptr<SEngine> m_Engine;
  std::string m_PersonalList;
  std::string m_InnerChars;
};

}  // namespace orv
