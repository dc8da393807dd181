#include "search/SearchEngine.h"

#include <algorithm>

#include "core/UiServices.h"

namespace orv {
namespace {

constexpr int kMaxTokenizerPasses = 100;
constexpr std::size_t kMaxGroupTerms = 100;
constexpr std::string_view kNot = "NOT ";
constexpr std::string_view kAnd = " AND ";
constexpr std::string_view kOr = " OR ";

bool IsNegated(std::string_view term) {
  return term.size() >= 5 && term.starts_with(kNot);
}

// The inside of a bracketed operand: "NOT (...)" or "NOT(...)" is negated, "(...)" is not.
std::string_view GroupInside(std::string_view operand, bool& negated) {
  negated = operand.starts_with('N');
  if (!negated) return operand.size() >= 2 ? operand.substr(1, operand.size() - 2) : std::string_view{};
  if (operand.starts_with("NOT")) operand.remove_prefix(3);
  if (operand.starts_with(' ')) operand.remove_prefix(1);
  if (operand.starts_with('(')) operand.remove_prefix(1);
  if (operand.ends_with(')')) operand.remove_suffix(1);
  return operand;
}

}  // namespace

bool CSearchEngine::Prepare(std::string_view input, const SearchOptions& options, IUiServices& ui) {
  m_Options = options;
  m_Prepared = false;
  m_ProblemsShown = 0;
  m_Input = CSearchTerm();
  ClearTerms();
  if (options.logical) {
    if (!ValidateExpression(input, ui)) {
      ui.MessageBox("Chyba - logický výraz neplatný");
      return false;
    }
    if (!TokenizeExpression(input, ui)) {
      ui.MessageBox("Chyba v lexikální analýze.");
      return false;
    }
    if (!CheckTermLengths(ui) || !CheckMaskTerms(ui)) return false;
  } else {
    if (!CheckTermLength(input, ui)) return false;
    if (options.useMask && !CheckMaskTerm(input, ui)) return false;
    m_Input = CSearchTerm(input, options.matchCase, options.ignoreAccents);
  }
  m_Prepared = true;
  return true;
}

bool CSearchEngine::Matches(std::string_view text, IUiServices& ui) const {
  if (!m_Prepared) return false;
  if (m_Options.logical) return EvaluateExpression(text, ui);
  return FindReporting(m_Input, text, m_Options.useMask, ui).found;
}

void CSearchEngine::ClearTerms() {
  m_Terms.clear();
}

// Splits the top level at " AND " and " OR ". A bracketed group is skipped over as a whole, so it stays
// inside the operand that the next operator closes.
bool CSearchEngine::TokenizeExpression(std::string_view expr, IUiServices& ui) {
  constexpr auto npos = std::string_view::npos;
  std::string_view rest = expr;
  std::size_t from = 0;
  std::string pending;
  bool firstOperand = true;
  for (int pass = 1;; ++pass) {
    if (pass > kMaxTokenizerPasses) {
      ui.MessageBox("Výraz je příliš složitý !");
      return false;
    }
    const std::size_t andAt = rest.find(kAnd, from);
    const std::size_t orAt = rest.find(kOr, from);
    const std::size_t openAt = rest.find('(', from);
    const std::size_t next = std::min({andAt, orAt, openAt});
    if (next == npos) break;
    if (next == openAt) {
      const std::size_t closeAt = rest.find(')', openAt);
      if (closeAt == npos || closeAt + 1 == rest.size()) break;
      from = closeAt;
      continue;
    }
    const bool isAnd = next == andAt;
    const std::string op = isAnd ? "&" : "|";
    AddTerm(rest.substr(0, next), firstOperand ? op : pending, ui);
    firstOperand = false;
    pending = op;
    rest.remove_prefix(next + (isAnd ? kAnd : kOr).size());
    from = 0;
  }
  AddTerm(rest, pending, ui);
  return !m_Terms.empty();
}

TermEntry CSearchEngine::SimpleTerm(std::string_view operand, std::string tag) const {
  TermEntry entry;
  entry.tag = std::move(tag);
  entry.operand = operand;
  entry.negated = IsNegated(operand);
  entry.term = CSearchTerm(entry.negated ? operand.substr(kNot.size()) : operand, m_Options.matchCase,
                           m_Options.ignoreAccents);
  return entry;
}

// An operand with a bracket is a group, parsed at once into its terms. A negated group is stored with
// the negation distributed: NOT (a AND b) becomes NOT a OR NOT b.
void CSearchEngine::AddTerm(std::string_view operand, std::string tag, IUiServices& ui) {
  if (operand.find('(') == std::string_view::npos) {
    m_Terms.push_back(SimpleTerm(operand, std::move(tag)));
    return;
  }
  TermEntry group;
  group.tag = std::move(tag);
  group.operand = operand;
  bool negated = false;
  std::string_view rest = GroupInside(operand, negated);
  std::string termTag = "&";
  for (;;) {
    if (group.groupTerms.size() == kMaxGroupTerms) {
      ui.MessageBox("Výraz je příliš dlouhý !");
      break;
    }
    const std::size_t andAt = rest.find(kAnd);
    const std::size_t orAt = rest.find(kOr);
    const std::size_t next = std::min(andAt, orAt);
    const std::string_view piece = rest.substr(0, next);
    std::string text(piece);
    if (negated) text = IsNegated(piece) ? std::string(piece.substr(kNot.size())) : std::string(kNot) + text;
    group.groupTerms.push_back(SimpleTerm(text, termTag));
    if (next == std::string_view::npos) break;
    const bool isAnd = next == andAt;
    termTag = (isAnd != negated) ? "&" : "|";
    rest.remove_prefix(next + (isAnd ? kAnd : kOr).size());
  }
  m_Terms.push_back(std::move(group));
}

bool CSearchEngine::CheckTermLengths(IUiServices& ui) const {
  for (const TermEntry& entry : m_Terms) {
    if (!CheckTermLength(entry.term.Pattern(), ui)) return false;
    for (const TermEntry& term : entry.groupTerms)
      if (!CheckTermLength(term.term.Pattern(), ui)) return false;
  }
  return true;
}

// The single-asterisk rule for every term that holds a wildcard, checked on the text that will be
// matched (without its "NOT ").
bool CSearchEngine::CheckMaskTerms(IUiServices& ui) const {
  auto check = [&ui](const TermEntry& e) {
    const std::string& p = e.term.Pattern();
    return p.find_first_of("*?") == std::string::npos || CheckMaskTerm(p, ui);
  };
  for (const TermEntry& entry : m_Terms) {
    if (entry.groupTerms.empty()) {
      if (!check(entry)) return false;
    } else if (!std::all_of(entry.groupTerms.begin(), entry.groupTerms.end(), check)) {
      return false;
    }
  }
  return true;
}

bool CSearchEngine::EvaluateExpression(std::string_view text, IUiServices& ui) const {
  return EvaluateList(m_Terms, text, true, ui);
}

// Left to right without precedence. An AND entry is skipped when the chain before it already failed;
// an OR entry ends the evaluation when the chain before it held, or holds itself.
bool CSearchEngine::EvaluateList(const std::vector<TermEntry>& list, std::string_view text, bool topLevel,
                                 IUiServices& ui) const {
  bool result = false;
  bool chain = false;
  bool first = true;
  for (const TermEntry& entry : list) {
    if (entry.tag == "&") {
      if (!first && !chain) continue;
      first = false;
      chain = result = EvaluateEntry(entry, text, topLevel, ui) != entry.negated;
    } else {
      if (!first && chain) return result;
      first = false;
      if (EvaluateEntry(entry, text, topLevel, ui) != entry.negated) return true;
      result = false;
    }
  }
  return result;
}

bool CSearchEngine::EvaluateEntry(const TermEntry& entry, std::string_view text, bool topLevel,
                                  IUiServices& ui) const {
  if (!entry.groupTerms.empty()) return EvaluateList(entry.groupTerms, text, false, ui);
  if (FindReporting(entry.term, text, m_Options.useMask, ui).found) return true;
  // A failed mask at the top level gets a second chance with its '*' and '?' taken literally.
  return topLevel && m_Options.useMask && FindReporting(entry.term, text, false, ui).found;
}

SearchHit CSearchEngine::FindReporting(const CSearchTerm& term, std::string_view text, bool asMask,
                                       IUiServices& ui) const {
  TermProblem problem = TermProblem::None;
  const SearchHit hit = asMask ? term.FindMask(text, 0, m_Options.wholeWords, problem)
                               : term.FindPlain(text, 0, m_Options.wholeWords, problem);
  const unsigned bit = 1u << static_cast<unsigned>(problem);
  if (problem != TermProblem::None && !(m_ProblemsShown & bit)) {
    m_ProblemsShown |= bit;
    ui.MessageBox(TermProblemMessage(problem));
  }
  return hit;
}

}  // namespace orv
