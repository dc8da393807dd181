#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "search/FulltextSearch.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;
using Keys = std::vector<std::string>;

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class FulltextSearch : public ::testing::Test {
 protected:
  FulltextSearch() {
    test::CalendarBuilder(doc)
        .Day("2004/03/05", W("Návštěva u babičky"), W("Pes a kočka si hrály."))
        .Day("2004/03/01", W("pes"), "")                 // a note alone
        .Day("2004/02/10", "", W("Kočka spí."))          // a commentary alone
        .Day("2005/01/02", W("kočka"), W("Pes štěká."))  // one word in each text
        .Day("2003/12/24", W("Štědrý den"), W("Večeře, kapr."))
        .Month("2004/03", W("V březnu pes onemocněl."))
        .Month("2004/02", W("Únor bez psa."));
  }

  FulltextOutcome Run(const std::string& input, SearchOptions options = {}, bool commentariesOnly = false,
                      bool previousResult = false) {
    ui.Clear();
    FulltextRequest request;
    request.input = W(input.c_str());
    request.options = options;
    request.userWholeWords = options.wholeWords && !options.useMask;
    request.commentariesOnly = commentariesOnly;
    request.previousResult = previousResult;
    return search.OnButHledat(doc, request, ui);
  }

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CFulltextSearch search;
};

SearchOptions Logical() {
  SearchOptions o;
  o.logical = true;
  return o;
}

SearchOptions Mask() {
  SearchOptions o;
  o.useMask = o.wholeWords = true;
  return o;
}

TEST_F(FulltextSearch, NoteIsSearchedOnlyWhenTheCommentaryFailsAndNotWithCommentariesOnly) {
  EXPECT_EQ(Run("pes").status, FulltextStatus::Found);
  EXPECT_EQ(search.FoundDays().Keys(), (Keys{"2004/03/01", "2004/03/05", "2005/01/02"}));
  EXPECT_EQ(search.FoundMonths().Keys(), (Keys{"2004/03"}));

  Run("pes", {}, /*commentariesOnly=*/true);
  EXPECT_EQ(search.FoundDays().Keys(), (Keys{"2004/03/05", "2005/01/02"}));

  // The expression must hold within one text.
  Run("pes AND kočka", Logical());
  EXPECT_EQ(search.FoundDays().Keys(), (Keys{"2004/03/05"}));
  EXPECT_EQ(search.FoundMonths().Keys(), Keys{});

  Run("ko?ka", Mask());
  EXPECT_EQ(search.FoundDays().Keys(), (Keys{"2004/02/10", "2004/03/05", "2005/01/02"}));
  EXPECT_EQ(ui.Messages(), Messages{});
  EXPECT_EQ(Run("ko?ka", {}).status, FulltextStatus::NotFound);  // without the mask '?' is literal
}

TEST_F(FulltextSearch, TheButtonChecksTheInputInOrderAndSaysWhatItSwitchedOff) {
  struct Case {
    const char* input;
    SearchOptions options;
    FulltextStatus status;
    Messages messages;
  };
  const SearchOptions logicalMask = [] {
    SearchOptions o = Mask();
    o.logical = true;
    return o;
  }();
  for (const Case& c : {
           Case{"", Logical(), FulltextStatus::Refused, {"Zadejte hledaný výraz."}},
           Case{"kapr", Logical(), FulltextStatus::Found, {"Výraz neobsahuje logický operátor."}},
           Case{"kapr",
                logicalMask,
                FulltextStatus::Found,
                {"Výraz neobsahuje logický operátor.", "Výraz neobsahuje ani jeden zástupný znak."}},
           Case{"k*p*",
                Mask(),
                FulltextStatus::Refused,
                {"Platný výraz může obsahovat\r\npouze jednu hvězdičku."}},
           Case{"(kapr) AND pes",
                Logical(),
                FulltextStatus::Refused,
                {"Výraz v závorce neobsahuje operátor - výraz není regulární.",
                 "Chyba - logický výraz neplatný"}},
           Case{"kapr AND **a",
                logicalMask,
                FulltextStatus::Refused,
                {"Platný výraz může obsahovat\r\npouze jednu hvězdičku."}},
           Case{"žirafa", {}, FulltextStatus::NotFound, {"Nebyl nalezen žádný výskyt hledaného textu !"}},
       }) {
    const FulltextOutcome out = Run(c.input, c.options);
    EXPECT_EQ(out.status, c.status) << c.input;
    EXPECT_EQ(ui.Messages(), c.messages) << c.input;
  }

  FulltextOutcome out = Run("kapr", logicalMask);
  EXPECT_TRUE(out.logicalSwitchedOff);
  EXPECT_TRUE(out.maskSwitchedOff);
  EXPECT_FALSE(out.options.logical || out.options.useMask || out.options.wholeWords);
  EXPECT_EQ(search.FoundDays().Keys(), Keys{"2003/12/24"});

  SearchOptions ownWholeWords = Mask();
  FulltextRequest request;
  request.input = "kapr";
  request.options = ownWholeWords;
  request.userWholeWords = true;  // ticked by the user before the mask
  out = search.OnButHledat(doc, request, ui);
  EXPECT_TRUE(out.maskSwitchedOff && out.options.wholeWords);
  EXPECT_FALSE(out.logicalSwitchedOff);
}

TEST_F(FulltextSearch, PreviousResultCanOnlyNarrowTheDays) {
  Run("pes");
  const FulltextOutcome out = Run("kočka", {}, false, /*previousResult=*/true);
  EXPECT_EQ(out.status, FulltextStatus::Found);
  EXPECT_EQ(search.FoundDays().Keys(), (Keys{"2004/03/05", "2005/01/02"}));  // not 2004/02/10
  EXPECT_EQ(search.FoundMonths().Keys(), (Keys{"2004/03"}));                 // left as it was

  // A day that has gone since the last search is reported and left out.
  doc.StoreDay("2005/01/02", "", "", "");
  Run("pes", {}, false, true);
  EXPECT_EQ(search.FoundDays().Keys(), (Keys{"2004/03/05"}));
  EXPECT_EQ(ui.Messages(), Messages{"FultxtCursearch - chyba konzistence 1."});

  Run("žirafa", {}, false, true);
  EXPECT_EQ(search.FoundDays().Keys(), Keys{});
  EXPECT_EQ(search.FoundMonths().Keys(), (Keys{"2004/03"}));
  Run("pes", {}, false, true);
  EXPECT_EQ(ui.Messages(),
            (Messages{"Současný výběr je prázdný", "Nebyl nalezen žádný výskyt hledaného textu !"}));
}

TEST_F(FulltextSearch, InStepsItFindsWhatOneSearchFindsAndCancellingKeepsTheLastResult) {
  Run("pes OR kočka", Logical());
  const Keys days = search.FoundDays().Keys();
  const Keys months = search.FoundMonths().Keys();

  FulltextRequest request;
  request.input = W("pes OR kočka");
  request.options = Logical();
  CFulltextSearch stepped;
  ASSERT_EQ(stepped.Begin(request, ui).status, FulltextStatus::Searching);
  int steps = 1;
  while (!stepped.Step(doc, 1, ui)) ++steps;
  EXPECT_EQ(steps, 7);  // five days and two months, one at a time
  EXPECT_EQ(stepped.Finish(ui).status, FulltextStatus::Found);
  EXPECT_EQ(stepped.FoundDays().Keys(), days);
  EXPECT_EQ(stepped.FoundMonths().Keys(), months);

  request.input = W("kapr");
  request.options = {};
  ASSERT_EQ(stepped.Begin(request, ui).status, FulltextStatus::Searching);
  stepped.Step(doc, 3, ui);
  stepped.Cancel();
  EXPECT_EQ(stepped.FoundDays().Keys(), days);
  EXPECT_EQ(stepped.FoundMonths().Keys(), months);

  // A day removed between two steps is passed over without a word.
  request.input = W("pes");
  ASSERT_EQ(stepped.Begin(request, ui).status, FulltextStatus::Searching);
  stepped.Step(doc, 1, ui);
  doc.StoreDay("2005/01/02", "", "", "");
  while (!stepped.Step(doc, 2, ui)) {
  }
  stepped.Finish(ui);
  EXPECT_EQ(stepped.FoundDays().Keys(), (Keys{"2004/03/01", "2004/03/05"}));
  EXPECT_EQ(ui.Messages(), Messages{});
}

TEST_F(FulltextSearch, AnEmptyCalendarAnswersEverySearch) {
  test::FakeUiServices emptyUi;
  CTedDoc empty(emptyUi);
  FulltextRequest request;
  request.input = "a";
  EXPECT_EQ(search.OnButHledat(empty, request, emptyUi).status, FulltextStatus::NotFound);
  EXPECT_EQ(emptyUi.Messages(),
            (Messages{"Kalendář je prázdný !", "Nebyl nalezen žádný výskyt hledaného textu !"}));
  EXPECT_EQ(emptyUi.waitCount, 1);
  EXPECT_EQ(emptyUi.waitDepth, 0);
}

TEST_F(FulltextSearch, SelectionKeysAndPreviewHighlights) {
  Run("pes OR psa", Logical());
  EXPECT_EQ(search.SelectedDayKey(0), "2004/03/01");
  EXPECT_EQ(search.SelectedMonthKey(1), "2004/03/01");
  EXPECT_EQ(search.SelectedMonthKey(0), "2004/02/01");
  EXPECT_EQ(search.SelectedMonthKey(2), "");

  const PreviewHighlights h = search.Highlights(W("Pes, psa, pes"), ui);
  EXPECT_EQ(h.ranges, (std::vector<TextRange>{{0, 3}, {10, 13}, {5, 8}}));
}

}  // namespace
}  // namespace orv
