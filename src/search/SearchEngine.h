#pragma once
// The search engine: what the user typed into a search dialog, checked and parsed once, then matched
// against any number of texts (day and month commentaries, short notes).
//
//   CSearchEngine engine;
//   if (!engine.Prepare(input, options, ui)) return;    // refused; the messages have been shown
//   for (each record) if (engine.Matches(text, ui)) ...
//
// A logical expression is a list of terms joined by " AND " and " OR " (upper case, with their
// spaces); "NOT " negates a term or a bracketed group; groups do not nest. Each top-level operand is
// tagged with the operator written before it, the first one with the operator written after it, and
// the list is evaluated left to right without precedence (see EvaluateList).

#include <string>
#include <string_view>
#include <vector>

#include "search/SearchOptions.h"
#include "search/SearchTerm.h"

namespace orv {

class IUiServices;

struct TermEntry {
  std::string tag;      // "&" (AND), "|" (OR) or empty
  std::string operand;  // as typed, perhaps with "NOT " in front; a group with its brackets
  // A group's own terms (never groups themselves); a group's "NOT" is already distributed into them.
  std::vector<TermEntry> groupTerms;
  bool negated = false;  // a simple term that begins with "NOT "
  CSearchTerm term;      // a simple term without its "NOT ", ready to match
};

class CSearchEngine {
 public:
  // Checks and parses input for a search with these options. False when the input is refused; every
  // message has been shown by then, the closing one of a refused expression included.
  bool Prepare(std::string_view input, const SearchOptions& options, IUiServices& ui);
  // Whether text matches the prepared input. A problem met while matching (an empty term, a mask part
  // that spans words) is shown the first time it arises after Prepare, not once per text.
  bool Matches(std::string_view text, IUiServices& ui) const;

  const SearchOptions& Options() const { return m_Options; }
  // The parsed top level of the last logical input.
  const std::vector<TermEntry>& Terms() const { return m_Terms; }

  // The syntax check of a boolean expression; shows its own message on failure.
  static bool ValidateExpression(std::string_view expr, IUiServices& ui);

 private:
  void ClearTerms();
  bool TokenizeExpression(std::string_view expr, IUiServices& ui);
  void AddTerm(std::string_view operand, std::string tag, IUiServices& ui);
  TermEntry SimpleTerm(std::string_view operand, std::string tag) const;
  bool CheckTermLengths(IUiServices& ui) const;
  bool CheckMaskTerms(IUiServices& ui) const;
  bool EvaluateExpression(std::string_view text, IUiServices& ui) const;
  bool EvaluateList(const std::vector<TermEntry>& list, std::string_view text, bool topLevel,
                    IUiServices& ui) const;
  bool EvaluateEntry(const TermEntry& entry, std::string_view text, bool topLevel, IUiServices& ui) const;
  SearchHit FindReporting(const CSearchTerm& term, std::string_view text, bool asMask, IUiServices& ui) const;

  SearchOptions m_Options;
  bool m_Prepared = false;
  std::vector<TermEntry> m_Terms;
  CSearchTerm m_Input;  // the whole input of a search that is not logical
  mutable unsigned m_ProblemsShown = 0;
};

}  // namespace orv
