#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "search/SearchEngine.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

SearchOptions Logical(bool useMask = false) {
  SearchOptions options;
  options.logical = true;
  options.useMask = useMask;
  options.wholeWords = useMask;  // as the dialog sets it
  return options;
}

// "&a |b &(x OR y)[&x |y]": each entry as tag and operand, a group followed by its terms.
std::string Shape(const std::vector<TermEntry>& terms) {
  std::string out;
  for (const TermEntry& e : terms) {
    if (!out.empty()) out += ' ';
    out += e.tag + e.operand;
    if (e.groupTerms.empty()) continue;
    out += '[';
    for (const TermEntry& g : e.groupTerms) out += (out.back() == '[' ? "" : " ") + g.tag + g.operand;
    out += ']';
  }
  return out;
}

TEST(TokenizeExpression, TagsEachOperandWithTheOperatorBeforeItAndTheFirstWithTheOneAfter) {
  struct Case {
    const char* expr;
    const char* shape;
  };
  for (const Case& c : {
           Case{"a AND b", "&a &b"}, Case{"a OR b AND c", "|a |b &c"}, Case{"a AND b OR c", "&a &b |c"},
           Case{"a and b", "a and b"},  // no operator: one entry with an empty tag
           Case{"a AND NOT b", "&a &NOT b"}, Case{"x AND (y OR z)", "&x &(y OR z)[&y |z]"},
           Case{"(a OR b) AND c", "&(a OR b)[&a |b] &c"},
           Case{"NOT (a AND b)", "NOT (a AND b)[&NOT a |NOT b]"},
           Case{"NOT(NOT a OR b)", "NOT(NOT a OR b)[&a &NOT b]"},
           Case{"(a OR b) OR (c AND d)", "|(a OR b)[&a |b] |(c AND d)[&c &d]"},
           Case{"a AND  b", "&a & b"},  // an extra space stays in the term
       }) {
    test::FakeUiServices ui;
    CSearchEngine engine;
    ASSERT_TRUE(engine.Prepare(c.expr, Logical(), ui)) << c.expr;
    EXPECT_EQ(Shape(engine.Terms()), c.shape) << c.expr;
  }
}

std::string Chain(int operands, const std::string& op) {
  std::string expr = "t0";
  for (int i = 1; i < operands; ++i) expr += op + "t" + std::to_string(i);
  return expr;
}

TEST(TokenizeExpression, LimitsPassesAndGroupTerms) {
  test::FakeUiServices ui;
  CSearchEngine engine;
  EXPECT_TRUE(engine.Prepare(Chain(100, " AND "), Logical(), ui));
  EXPECT_EQ(engine.Terms().size(), 100u);
  EXPECT_FALSE(engine.Prepare(Chain(101, " AND "), Logical(), ui));
  EXPECT_EQ(ui.Messages(), (Messages{"Výraz je příliš složitý !", "Chyba v lexikální analýze."}));
  EXPECT_FALSE(engine.Matches("t0", ui));

  // 101 terms in a group: a warning, the first 100 are kept and the search goes on.
  ui.Clear();
  SearchOptions whole = Logical();
  whole.wholeWords = true;
  ASSERT_TRUE(engine.Prepare("x AND (" + Chain(101, " OR ") + ")", whole, ui));
  EXPECT_EQ(ui.Messages(), Messages{"Výraz je příliš dlouhý !"});
  ASSERT_EQ(engine.Terms().size(), 2u);
  EXPECT_EQ(engine.Terms()[1].groupTerms.size(), 100u);
  EXPECT_TRUE(engine.Matches("x t99", ui));
  EXPECT_FALSE(engine.Matches("x t100", ui));
}

TEST(EvaluateExpression, LeftToRightWithoutPrecedence) {
  struct Case {
    const char* expr;
    const char* text;
    bool matches;
  };
  for (const Case& c : {
           Case{"a AND b", "b, a", true},
           {"a AND b", "a", false},
           {"a and b", "a and b", true},
           {"a and b", "a b", false},
           {"a OR b", "b", true},
           {"a OR b", "c", false},
           {"a AND b OR c", "c", true},
           {"a AND b OR c", "a b", true},
           {"a AND b OR c", "a", false},
           {"a OR b AND c", "b", true},  // an OR that holds ends the evaluation
           {"a OR b AND c", "c", false},
           {"a AND NOT b", "a", true},
           {"a AND NOT b", "a b", false},
           {"NOT a", "b", true},
           {"NOT a", "ba", false},  // plain terms are substrings
           {"NOT (a AND b)", "a", true},
           {"NOT (a AND b)", "a b", false},
           {"NOT (a OR b)", "c", true},
           {"NOT (a OR b)", "b", false},
           {"x AND (y OR z)", "x z", true},
           {"x AND (y OR z)", "y z", false},
           {"(y OR z) AND x", "z", false},
           {"Řeka AND (most OR BROD)", "ŘEKA a brod", true},
       }) {
    test::FakeUiServices ui;
    CSearchEngine engine;
    ASSERT_TRUE(engine.Prepare(Cp1250FromUtf8(c.expr), Logical(), ui)) << c.expr;
    EXPECT_EQ(engine.Matches(Cp1250FromUtf8(c.text), ui), c.matches) << c.expr << " / " << c.text;
    EXPECT_TRUE(ui.Messages().empty()) << c.expr;
  }
}

TEST(EvaluateExpression, CaseAndWholeWordsApplyToEveryTerm) {
  test::FakeUiServices ui;
  CSearchEngine engine;
  SearchOptions options = Logical();
  options.matchCase = true;
  ASSERT_TRUE(engine.Prepare(Cp1250FromUtf8("Řeka OR den"), options, ui));
  EXPECT_FALSE(engine.Matches(Cp1250FromUtf8("ŘEKA"), ui));
  EXPECT_TRUE(engine.Matches(Cp1250FromUtf8("Řeka"), ui));
  options.matchCase = false;
  options.wholeWords = true;
  ASSERT_TRUE(engine.Prepare(Cp1250FromUtf8("Řeka OR den"), options, ui));
  EXPECT_TRUE(engine.Matches(Cp1250FromUtf8("řeka"), ui));
  EXPECT_FALSE(engine.Matches(Cp1250FromUtf8("řekami vědení"), ui));
}

TEST(EvaluateExpression, FailedMaskGetsALiteralSecondTryAtTopLevelOnly) {
  const std::string text = "je to k?t";
  test::FakeUiServices ui;
  CSearchEngine engine;
  ASSERT_TRUE(engine.Prepare("k?t OR zzz", Logical(true), ui));
  EXPECT_TRUE(engine.Matches(text, ui));
  ASSERT_TRUE(engine.Prepare("(k?t OR zzz) OR yyy", Logical(true), ui));
  EXPECT_FALSE(engine.Matches(text, ui));
  SearchOptions plainMask = Logical(true);
  plainMask.logical = false;
  ASSERT_TRUE(engine.Prepare("k?t", plainMask, ui));  // no second try outside an expression
  EXPECT_FALSE(engine.Matches(text, ui));
  EXPECT_TRUE(engine.Matches("kat", ui));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(EvaluateExpression, MasksInsideAnExpression) {
  test::FakeUiServices ui;
  CSearchEngine engine;
  ASSERT_TRUE(engine.Prepare(Cp1250FromUtf8("kal* AND NOT *ář"), Logical(true), ui));
  EXPECT_TRUE(engine.Matches(Cp1250FromUtf8("Kalendáře"), ui));
  EXPECT_FALSE(engine.Matches(Cp1250FromUtf8("Kalendář"), ui));
}

TEST(Prepare, MessagesOfARefusedExpressionInOrder) {
  struct Case {
    const char* expr;
    SearchOptions options;
    Messages messages;
  };
  SearchOptions mask;
  mask.useMask = true;
  const std::vector<Case> cases = {
      {" a AND ",
       Logical(),
       {"Hledaný výraz začíná mezerou.", "Na konci výrazu je operand AND - výraz je neplatný",
        "Chyba - logický výraz neplatný"}},
      {"a AND **b", Logical(), {"Platný výraz může obsahovat\r\npouze jednu hvězdičku."}},
      {"a AND (b OR *)", Logical(), {"Neplatný výraz."}},
      {"NOT * AND a", Logical(), {"Neplatný výraz."}},  // checked without its NOT
      {"**a", mask, {"Platný výraz může obsahovat\r\npouze jednu hvězdičku."}},
  };
  for (const Case& c : cases) {
    test::FakeUiServices ui;
    CSearchEngine engine;
    EXPECT_FALSE(engine.Prepare(c.expr, c.options, ui)) << c.expr;
    EXPECT_EQ(ui.Messages(), c.messages) << c.expr;
  }
  test::FakeUiServices ui;
  CSearchEngine engine;
  EXPECT_TRUE(engine.Prepare("**a", SearchOptions{}, ui));  // without a mask the stars are text
  EXPECT_TRUE(engine.Matches("x**ay", ui));
}

TEST(Matches, AProblemWhileMatchingIsShownOncePerSearch) {
  // "a AND  OR b" passes the check but leaves an empty term between the operators.
  test::FakeUiServices ui;
  CSearchEngine engine;
  ASSERT_TRUE(engine.Prepare("a AND  OR b", Logical(), ui));
  EXPECT_EQ(Shape(engine.Terms()), "&a & |b");
  for (int record = 0; record < 3; ++record) EXPECT_TRUE(engine.Matches("a b", ui));
  EXPECT_EQ(ui.Messages(), Messages{"Chyba - hledaný řetězec je prázdný."});
  ASSERT_TRUE(engine.Prepare("a AND  OR b", Logical(), ui));
  EXPECT_FALSE(engine.Matches("a", ui));
  EXPECT_EQ(ui.Messages().size(), 2u);
}

}  // namespace
}  // namespace orv
