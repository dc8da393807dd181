#include <gtest/gtest.h>

#include <algorithm>

#include "CalendarBuilder.h"
#include "ViewFixture.h"
#include "core/CalendarDates.h"
#include "view/MonthColours.h"
#include "view/MonthRows.h"

namespace orv::test {
namespace {

bool Bold(const CharFormat& f) {
  return (f.mask & CFM_BOLD) && (f.effects & CFE_BOLD);
}

class MonthTableTest : public ::testing::Test {
 protected:
  void Show(int year, int month, int day = 1) { f.view.DoMonth(day, month, year); }
  ViewFixture f;
};

TEST_F(MonthTableTest, RowsCarryWeekDayWeekdayMoonCategoriesAndNote) {
  CalendarBuilder(f.doc).Day("2005/12/24", Cz("Dárky")).Day("2005/12/05", Cz("Porada"));
  struct Case {
    int month, day;
    const char* row;
  };
  const Case cases[] = {
      {1, 1, " 1\t 1\tSo\t \tDen obnovy samostatného českého státu \t  Nový rok"},
      {1, 3, " 2\t 3\tPo\tC\tRadmila"},  // a Monday carries its week; last quarter
      {6, 29, "  \t29\tSt\t \tPetr a Pavel"},
      {12, 24, "  \t24\tSo\t \tŠtědrý den \t  Adam a Eva  Dárky"},
      {12, 5, "50\t 5\tPo\t \tJitka \t  Porada"},
      {3, 28, "14\t28\tPo\t \tVelikonoční pondělí \t  Soňa"},  // Easter Monday of the year shown
  };
  for (const Case& c : cases) {
    Show(2005, c.month);
    EXPECT_EQ(f.RowText(c.day), Cz(c.row)) << c.month << "/" << c.day;
  }
  EXPECT_EQ(f.view.Caption(), Cz("Březen  2005"));
  const std::string table = f.view.Table().GetText();
  EXPECT_EQ(std::count(table.begin(), table.end(), '\r'), 30);  // March: 31 lines, no break after the last
}

TEST_F(MonthTableTest, NewYearIsRedWithTheStateHolidayBold) {
  Show(2005, 1);
  const std::string row = f.view.Rows()[0].text;
  const int state = kTextColumnWithMoon;
  const int other = static_cast<int>(row.find(Cz("Nový rok")));
  const CharFormat day = f.FormatAt(1, kDayColumn, 2), weekday = f.FormatAt(1, kWeekdayColumn, 2);
  const CharFormat stateText = f.FormatAt(1, state, 5), otherText = f.FormatAt(1, other, 8);
  EXPECT_EQ(day.colour, kColourRed);
  EXPECT_EQ(weekday.colour, kColourRed);
  EXPECT_EQ(stateText.colour, kColourRed);
  EXPECT_TRUE(Bold(stateText));
  EXPECT_EQ(otherText.colour, kColourRed);
  EXPECT_FALSE(Bold(otherText));
  EXPECT_EQ(row.substr(other - 4, 4), " \t  ");
  EXPECT_FALSE(Bold(day));
}

TEST_F(MonthTableTest, OnlySundaysAndHolidaysAreRedAndOnlyCommentariesMakeTheDayBold) {
  CalendarBuilder(f.doc).Day("2005/01/04", Cz("jen poznámka")).Day("2005/01/05", {}, "výklad");
  Show(2005, 1);
  EXPECT_EQ(f.FormatAt(2, kDayColumn, 8).colour, kColourRed);  // Sunday: number, tab and weekday
  const CharFormat sundayName = f.FormatAt(2, kTextColumnWithMoon, 6);
  EXPECT_EQ(sundayName.colour, kColourGreen);
  EXPECT_EQ(f.FormatAt(3, kDayColumn, 8).colour, 0u);  // Monday
  EXPECT_FALSE(Bold(f.FormatAt(4, kDayColumn, 2)));
  EXPECT_TRUE(Bold(f.FormatAt(5, kDayColumn, 2)));
  EXPECT_FALSE(Bold(f.FormatAt(5, kWeekdayColumn, 2)));
  const int note = static_cast<int>(f.view.Rows()[3].text.find("jen"));
  EXPECT_EQ(f.FormatAt(4, note, 3).colour, kNoteColour);
}

TEST_F(MonthTableTest, MoonGlyphsInTheMoonFace) {
  struct Case {
    int year, month, day;
    char glyph;
  };
  const Case cases[] = {{2000, 1, 6, 'U'}, {2000, 1, 14, 'D'}, {2000, 1, 21, 'N'}, {2000, 1, 28, 'C'},
                        {2017, 6, 9, 'N'}, {2016, 7, 26, 'C'}, {2016, 7, 27, ' '}};
  for (const Case& c : cases) {
    Show(c.year, c.month);
    EXPECT_EQ(f.view.Rows()[c.day - 1].text[kMoonColumn], c.glyph)
        << c.year << "/" << c.month << "/" << c.day;
    const CharFormat moon = f.FormatAt(c.day, kMoonColumn, 1);
    EXPECT_EQ(moon.face, "Moon");
    EXPECT_EQ(moon.charset, kCharsetSymbol);
    EXPECT_EQ(moon.colour, kMoonColour);
    EXPECT_FALSE(Bold(moon));
    EXPECT_NE(f.FormatAt(c.day, kMoonColumn + 2, 1).face, "Moon");
  }
}

TEST_F(MonthTableTest, SwitchesRemoveTextsAndTheRestShiftsLeft) {
  CalendarBuilder(f.doc).Day("2005/01/01", "Oslava").Day("2005/01/02", Cz("Výlet"));
  Show(2005, 1);
  f.view.ToggleCategory(kStateHolidays);
  EXPECT_EQ(f.RowText(1), Cz(" 1\t 1\tSo\t \tNový rok \t  Oslava"));
  EXPECT_EQ(f.FormatAt(1, kTextColumnWithMoon, 4).colour, kColourRed);
  EXPECT_FALSE(Bold(f.FormatAt(1, kTextColumnWithMoon, 4)));
  f.view.SetMoonColumn(false);
  EXPECT_EQ(f.RowText(1), Cz(" 1\t 1\tSo\tNový rok \t  Oslava"));
  EXPECT_EQ(f.FormatAt(1, kTextColumnWithoutMoon, 4).colour, kColourRed);
  f.view.ToggleAllHolidays();  // all five off
  EXPECT_EQ(f.RowText(1), Cz(" 1\t 1\tSo\tOslava"));
  EXPECT_EQ(f.RowText(2), Cz("  \t 2\tNe\tVýlet"));
  f.view.SetNoteColumn(false);
  EXPECT_EQ(f.RowText(3), Cz(" 2\t 3\tPo\t"));
  f.view.SetMoonColumn(true);
  EXPECT_EQ(f.RowText(3).size(), 11u);
  f.view.ToggleAllHolidays();  // all five on again
  EXPECT_EQ(f.view.Switches().categories, (std::array<bool, 5>{true, true, true, true, true}));
  EXPECT_EQ(f.RowText(2), Cz("  \t 2\tNe\t \tKarina"));
}

TEST_F(MonthTableTest, PavelAndEvaAloneAddNothing) {
  CalendarBuilder(f.doc).Name(kPrivateHolidays, "06/28", "Eva").Name(kPrivateHolidays, "06/28", "Pavel");
  Show(2005, 6);
  EXPECT_EQ(f.RowText(28), Cz("  \t28\tÚt\tC\tLubomír"));
}

TEST_F(MonthTableTest, TableTabStops) {
  Show(2005, 1);
  f.view.Table().SetSel(0, -1);
  const ParaFormat para = f.view.Table().GetParaFormat();
  ASSERT_TRUE(para.mask & PFM_TABSTOPS);
  ASSERT_EQ(para.tabCount, 31);
  EXPECT_EQ(std::vector<int>(para.tabs.begin(), para.tabs.begin() + 7),
            (std::vector<int>{340, 680, 963, 1247, 2154, 2268, 2381}));
  EXPECT_EQ(para.tabs[30], 5103);
}

}  // namespace
}  // namespace orv::test
