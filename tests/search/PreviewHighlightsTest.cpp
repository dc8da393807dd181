#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "search/PreviewHighlights.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;
using Terms = std::vector<std::string>;

TEST(HighlightTerms, WordsOfALogicalInputWithoutOperatorsAndOuterBrackets) {
  EXPECT_EQ(HighlightTerms("a AND b", false), Terms{"a AND b"});
  EXPECT_EQ(HighlightTerms("(pes OR kočka) AND NOT myš", true), (Terms{"pes", "kočka", "myš"}));
  EXPECT_EQ(HighlightTerms("NOT (a AND b)", true), (Terms{"a", "b"}));
  EXPECT_EQ(HighlightTerms("((a) OR b", true), (Terms{"(a", "b"}));  // one bracket only at each end
  EXPECT_EQ(HighlightTerms("a  AND b", true), (Terms{"a", "b"}));    // two spaces make no empty term

  std::string many;
  for (int i = 0; i < 120; ++i) many += "w" + std::to_string(i) + " ";
  const Terms terms = HighlightTerms(many, true);
  ASSERT_EQ(terms.size(), 100u);
  EXPECT_EQ(terms.back(), "w99");
}

TEST(PreviewHighlights, EveryOccurrenceOfEveryTerm) {
  test::FakeUiServices ui;
  SearchOptions options;
  options.logical = true;
  const std::string text = Cp1250FromUtf8("Pes a kočka; PES spí, kočka ne.");
  const PreviewHighlights h = FindPreviewHighlights(text, Cp1250FromUtf8("pes AND kočka"), options, ui);
  EXPECT_EQ(h.ranges, (std::vector<TextRange>{{0, 3}, {13, 16}, {6, 11}, {22, 27}}));
  EXPECT_EQ(h.caret, 0u);
  EXPECT_EQ(ui.Messages(), Messages{});

  options = {};
  options.useMask = options.wholeWords = true;
  const PreviewHighlights masked = FindPreviewHighlights(text, "ko*", options, ui);
  EXPECT_EQ(masked.ranges, (std::vector<TextRange>{{6, 11}, {22, 27}}));
  EXPECT_EQ(masked.caret, 6u);

  EXPECT_FALSE(FindPreviewHighlights(text, "myš", {}, ui).caret.has_value());
}

TEST(PreviewHighlights, FiftyOccurrencesPerTermAtMost) {
  test::FakeUiServices ui;
  std::string text;
  for (int i = 0; i < 60; ++i) text += "ab ";
  SearchOptions options;
  options.logical = true;
  const PreviewHighlights h = FindPreviewHighlights(text + "cd", "ab OR cd", options, ui);
  ASSERT_EQ(h.ranges.size(), 51u);
  EXPECT_EQ(h.ranges[49], (TextRange{147, 149}));
  EXPECT_EQ(h.ranges[50], (TextRange{180, 182}));  // the next term is coloured still
  EXPECT_EQ(ui.Messages(), Messages{"Více než 50 výskytů."});
}

}  // namespace
}  // namespace orv
