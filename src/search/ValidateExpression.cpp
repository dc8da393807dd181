// The syntax check of a boolean search expression. Every search here is a case-sensitive substring
// search; the first failure ends the check.

#include <array>
#include <string>

#include "core/UiServices.h"
#include "search/SearchEngine.h"

namespace orv {
namespace {

constexpr int kMaxBracketPasses = 20;

bool EndsWithAny(std::string_view text, std::initializer_list<std::string_view> endings) {
  for (std::string_view e : endings)
    if (text.ends_with(e)) return true;
  return false;
}

// Which operators may stand right before a '(' at position p (p >= 3): the shorter the text before the
// bracket, the fewer forms fit into it.
bool OperatorBeforeBracket(std::string_view before) {
  switch (before.size()) {
    case 3:
      return before.ends_with("NOT");
    case 4:
      return before.ends_with("NOT ");
    case 5:
      return before.ends_with(" OR ");
    case 6:
    case 7:
      return EndsWithAny(before, {" OR ", " AND "});
    case 8:
      return EndsWithAny(before, {" OR ", " AND ", " OR NOT"});
    case 9:
      return EndsWithAny(before, {" OR ", " AND ", " OR NOT", " AND NOT", " OR NOT "});
    default:
      return EndsWithAny(before, {" OR ", " AND ", " OR NOT", " AND NOT", " OR NOT ", " AND NOT "});
  }
}

std::string LongAfterBracketMessage() {
  const std::string tabs(22, '\t');
  return "Za pravou závorkou může následovat \r\n" + tabs + " pouze operátor ' AND ' nebo ' OR '\r\n" + tabs +
         " - výraz není platný.";
}

bool Fail(IUiServices& ui, std::string_view message) {
  ui.MessageBox(message);
  return false;
}

}  // namespace

bool CSearchEngine::ValidateExpression(std::string_view expr, IUiServices& ui) {
  for (std::string_view pair :
       {"NOT AND ", "NOT OR ", "NOT NOT", "NOT NOT ", " AND AND ", " OR OR ", " AND OR ", " OR AND "})
    if (expr.find(pair) != std::string_view::npos)
      return Fail(ui, "Dva operátory za sebou - výraz je neplatný.");

  if (expr.starts_with(' ')) ui.MessageBox("Hledaný výraz začíná mezerou.");

  if (expr.ends_with(" OR ")) return Fail(ui, "Na konci výrazu je operand OR - výraz je neplatný");
  if (expr.ends_with(" AND ")) return Fail(ui, "Na konci výrazu je operand AND - výraz je neplatný");

  std::size_t from = 0;
  for (int pass = 1;; ++pass) {
    // The count is taken before looking, so the pass that finds no more brackets counts too.
    if (pass > kMaxBracketPasses) return Fail(ui, "Příliš mnoho závorek !");
    const std::size_t open = expr.find('(', from);
    if (open == std::string_view::npos) return true;

    if (open == 1 || open == 2 || (open >= 3 && !OperatorBeforeBracket(expr.substr(0, open))))
      return Fail(ui, "Před levou závorkou nemůže být nic jiného než operátor- výraz není platný.");

    const std::size_t close = expr.find(')', open);
    if (close == std::string_view::npos) return Fail(ui, "Schází pravá závorka - výraz není platný");
    const std::string_view inner = expr.substr(open + 1, close - open - 1);
    if (inner.find('(') != std::string_view::npos)
      return Fail(ui, "Jedna levá závorka navíc - výraz není platný.");

    const std::string_view after = expr.substr(close + 1);
    if (!after.empty()) {
      if (after.size() < 5 || (after.size() == 5 && !after.starts_with(" OR ")))
        return Fail(ui, "Za pravou závorkou může následovat pouze operátor - výraz není platný.");
      if (after.size() > 5 && !after.starts_with(" AND ") && !after.starts_with(" OR "))
        return Fail(ui, LongAfterBracketMessage());
    }

    const bool hasOperator = inner.find(" AND ") != std::string_view::npos ||
                             inner.find(" OR ") != std::string_view::npos || inner.starts_with(" NOT ") ||
                             inner.starts_with("NOT ");
    if (!hasOperator) return Fail(ui, "Výraz v závorce neobsahuje operátor - výraz není regulární.");
    from = close;
  }
}

}  // namespace orv
