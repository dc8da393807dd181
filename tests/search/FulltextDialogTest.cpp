#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "search/FulltextDialog.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class FulltextDialog : public ::testing::Test {
 protected:
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CFulltextSearch search;
  FulltextSettings settings;
  CFulltextDialog dialog{doc, search, settings};
};

TEST_F(FulltextDialog, MaskLocksWholeWordsAndGivesBackTheUsersChoice) {
  dialog.SetUseMask(true);
  EXPECT_TRUE(settings.wholeWords);
  EXPECT_FALSE(dialog.WholeWordsEnabled());
  dialog.SetWholeWords(false);  // locked: no effect
  EXPECT_TRUE(settings.wholeWords);
  dialog.SetUseMask(false);
  EXPECT_FALSE(settings.wholeWords);

  dialog.SetWholeWords(true);
  dialog.SetUseMask(true);
  dialog.SetUseMask(false);
  EXPECT_TRUE(settings.wholeWords);
}

TEST_F(FulltextDialog, SearchListsAndShowsTheFirstDayWithItsOccurrencesColoured) {
  test::CalendarBuilder(doc)
      .Day("2004/03/05", W("Kometa v noci"), W("Kometa a zase kometa"))
      .Day("2004/01/02", W("nic"), W("Viděli jsme kometu"))
      .Month("2004/02", W("Měsíc komet"));
  dialog.SetText(W("komet"));
  ASSERT_TRUE(dialog.Search(ui));
  EXPECT_EQ(ui.Messages(), Messages{});
  ASSERT_EQ(dialog.DayEntries().size(), 2u);
  EXPECT_EQ(Cp1250ToUtf8(dialog.DayEntries()[0]), "02. ledna 2004");
  EXPECT_EQ(Cp1250ToUtf8(dialog.MonthEntries()[0]), "Únor 2004");
  EXPECT_EQ(dialog.SelectedDay(), 0u);
  EXPECT_EQ(dialog.SelectedKey(), "2004/01/02");

  dialog.SelectDay(1, ui);
  EXPECT_EQ(dialog.SelectedKey(), "2004/03/05");
  EXPECT_EQ(dialog.Preview().note, W("Kometa v noci"));
  EXPECT_EQ(dialog.Preview().noteRanges, (std::vector<TextRange>{{0, 5}}));
  EXPECT_EQ(dialog.Preview().textRanges, (std::vector<TextRange>{{0, 5}, {14, 19}}));
  EXPECT_EQ(dialog.Preview().caret, 0u);
  EXPECT_FALSE(dialog.Preview().rtf.empty());

  dialog.SelectMonth(0, ui);
  EXPECT_FALSE(dialog.SelectedDay().has_value());
  EXPECT_EQ(dialog.SelectedKey(), "2004/02/01");
  EXPECT_EQ(dialog.Preview().note, "");
  EXPECT_EQ(dialog.Preview().textRanges, (std::vector<TextRange>{{6, 11}}));

  // A narrower search of the previous result; the switched-off mask stays off.
  dialog.SetText(W("noci"));
  dialog.SetPreviousResult(true);
  dialog.SetUseMask(true);
  ASSERT_TRUE(dialog.Search(ui));
  EXPECT_EQ(ui.Messages(), Messages{"Výraz neobsahuje ani jeden zástupný znak."});
  EXPECT_FALSE(settings.useMask);
  EXPECT_FALSE(settings.wholeWords);
  ASSERT_EQ(dialog.DayEntries().size(), 1u);
  EXPECT_EQ(dialog.SelectedKey(), "2004/03/05");
}

TEST_F(FulltextDialog, NothingFoundEmptiesListsAndSelection) {
  test::CalendarBuilder(doc).Day("2004/03/05", "a", "b");
  dialog.SetText("b");
  ASSERT_TRUE(dialog.Search(ui));
  dialog.SetText("x");
  EXPECT_FALSE(dialog.Search(ui));
  EXPECT_TRUE(dialog.DayEntries().empty());
  EXPECT_EQ(dialog.SelectedKey(), "");
  EXPECT_EQ(ui.Messages(), Messages{"Nebyl nalezen žádný výskyt hledaného textu !"});
}

TEST(FoundKeyDate, OnlyDaysTheCalendarCanShow) {
  EXPECT_EQ(FoundKeyDate("2004/02/29"), (Date{2004, 2, 29}));
  EXPECT_EQ(FoundKeyDate("2020/12/31"), (Date{2020, 12, 31}));
  for (const char* key :
       {"", "2005/02/29", "1999/12/31", "2021/01/01", "2004/13/01", "2004/04/31", "2004/3/05", "2004/03/0x"})
    EXPECT_FALSE(FoundKeyDate(key).has_value()) << key;
}

}  // namespace
}  // namespace orv
