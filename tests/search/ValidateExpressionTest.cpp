#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "search/SearchEngine.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

std::string Groups(int count) {
  std::string expr = "(a OR b)";
  for (int i = 1; i < count; ++i) expr += " AND (a OR b)";
  return expr;
}

std::string LongAfterBracket() {
  const std::string tabs(22, '\t');
  return "Za pravou závorkou může následovat \r\n" + tabs + " pouze operátor ' AND ' nebo ' OR '\r\n" + tabs +
         " - výraz není platný.";
}

TEST(ValidateExpression, ChecksInOrderAndStopsAtTheFirstFailure) {
  const std::string twoOps = "Dva operátory za sebou - výraz je neplatný.";
  const std::string leading = "Hledaný výraz začíná mezerou.";
  const std::string before = "Před levou závorkou nemůže být nic jiného než operátor- výraz není platný.";
  const std::string afterShort = "Za pravou závorkou může následovat pouze operátor - výraz není platný.";
  const std::string noOperator = "Výraz v závorce neobsahuje operátor - výraz není regulární.";
  struct Case {
    std::string expr;
    bool valid;
    Messages messages;
  };
  const std::vector<Case> cases = {
      {"a AND b", true, {}},
      {"a and b", true, {}},
      {"a NOT AND b", false, {twoOps}},
      {"NOT NOTa", false, {twoOps}},
      {"a AND OR b", false, {twoOps}},
      {"a OR OR b", false, {twoOps}},
      {" a AND AND b", false, {twoOps}},  // the operators are checked before the leading space
      {" a AND b", true, {leading}},      // a warning only: the check goes on
      {" a OR ", false, {leading, "Na konci výrazu je operand OR - výraz je neplatný"}},
      {"a AND ", false, {"Na konci výrazu je operand AND - výraz je neplatný"}},
      {"x AND (y OR z)", true, {}},
      {"x AND (y OR (z))", false, {"Jedna levá závorka navíc - výraz není platný."}},
      {"(a)", false, {noOperator}},
      {"(NOT a)", true, {}},
      {"( NOT a)", true, {}},
      {"NOT(a OR b)", true, {}},
      {"NOT (a OR b) AND c", true, {}},
      {"a OR NOT (b AND c)", true, {}},
      {"ab(c OR d)", false, {before}},
      {"a (c OR d)", false, {before}},
      {"abc(c OR d)", false, {before}},
      {"a OR(c OR d)", false, {before}},  // " OR " needs its space before the bracket
      {"(a OR b", false, {"Schází pravá závorka - výraz není platný"}},
      {"(a OR b)x", false, {afterShort}},
      {"(a OR b) ANDx", false, {afterShort}},  // five characters must be " OR " and one more
      {"(a OR b) OR c", true, {}},
      {"(a OR b) XOR c", false, {LongAfterBracket()}},
      {Groups(19), true, {}},
      {Groups(20), false, {"Příliš mnoho závorek !"}},
  };
  for (const Case& c : cases) {
    test::FakeUiServices ui;
    EXPECT_EQ(CSearchEngine::ValidateExpression(c.expr, ui), c.valid) << c.expr;
    EXPECT_EQ(ui.Messages(), c.messages) << c.expr;
  }
}

}  // namespace
}  // namespace orv
