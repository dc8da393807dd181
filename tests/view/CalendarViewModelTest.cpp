#include <gtest/gtest.h>

#include "CalendarBuilder.h"
#include "ViewFixture.h"
#include "core/CalendarDates.h"
#include "view/MonthColours.h"

namespace orv::test {
namespace {

using enum ECalendarCommand;

class CalendarViewModelTest : public ::testing::Test {
 protected:
  void StartOn(Date day) {
    f.m_Today = day;
    f.view.Start();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
    f.view.HandleTableKey(key, modifiers, autoRepeat);
  }
  ViewFixture f;
};

TEST_F(CalendarViewModelTest, StartsOnTodayOrTheSameDayOfTheNearestYear) {
  StartOn({2005, 3, 15});
  EXPECT_EQ(f.Selected(), (Date{2005, 3, 15}));
  EXPECT_EQ(f.view.History().Keys(), std::deque<std::string>{"2005/03/15"});
  EXPECT_FALSE(f.doc.IsModified());
  StartOn({2031, 2, 29});
  EXPECT_EQ(f.Selected(), (Date{2020, 2, 29}));
  StartOn({1999, 7, 4});
  EXPECT_EQ(f.Selected(), (Date{2000, 7, 4}));
  EXPECT_EQ(f.view.History().Keys().size(), 1u);
}

TEST_F(CalendarViewModelTest, TypedNoteBecomesARecordAndClearingRemovesIt) {
  StartOn({2005, 3, 15});
  f.panes.note = Cz("Porada");
  Key(Qt::Key_Down);
  ASSERT_NE(f.doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_TRUE(f.doc.IsModified());
  const int note = static_cast<int>(f.view.Rows()[14].text.find("Porada"));
  EXPECT_EQ(f.FormatAt(15, note, 6).colour, kNoteColour);
  EXPECT_EQ(f.panes.note, "");  // the 16th has no note

  FakePanes::Type(f.panes.day, Cz("Výklad dne"));
  Key(Qt::Key_Up);  // commits the commentary of the 16th, loads the note of the 15th
  EXPECT_EQ(f.panes.note, Cz("Porada"));
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/16")->m_Text, Cz("Výklad dne"));
  EXPECT_TRUE((f.FormatAt(16, 3, 2).mask & CFM_BOLD) && (f.FormatAt(16, 3, 2).effects & CFE_BOLD));

  f.doc.SetModifiedFlag(false);
  Key(Qt::Key_Down);  // the 15th left unchanged, the 16th reloaded
  Key(Qt::Key_Up);
  EXPECT_FALSE(f.doc.IsModified());

  f.panes.note.clear();
  Key(Qt::Key_Down);
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_TRUE(f.doc.IsModified());
  EXPECT_EQ(f.view.Rows()[14].text.find("Porada"), std::string::npos);
  FakePanes::Type(f.panes.day, "");
  Key(Qt::Key_Down);
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/16"), nullptr);
  EXPECT_FALSE(f.FormatAt(16, 3, 2).effects & CFE_BOLD);
}

TEST_F(CalendarViewModelTest, MonthCommentaryIsStoredWithTheDayAndLoadedWithTheMonth) {
  StartOn({2005, 3, 31});
  FakePanes::Type(f.panes.month, Cz("Březen"));
  f.view.Execute(NextMonth);
  EXPECT_EQ(f.doc.GetMonthRecord("2005/03")->m_Text, Cz("Březen"));
  EXPECT_EQ(f.panes.month.GetText(), "");
  f.view.Execute(PrevMonth);
  EXPECT_EQ(f.panes.month.GetText(), Cz("Březen"));
  FakePanes::Type(f.panes.month, "");
  f.view.Execute(NextMonth);
  EXPECT_EQ(f.doc.GetMonthRecord("2005/03"), nullptr);
}

TEST_F(CalendarViewModelTest, MovesKeepTheDayWithinTheNewMonthAndTheRange) {
  struct Case {
    Date from;
    int key;
    Qt::KeyboardModifiers modifiers;
    Date to;
  };
  const Case cases[] = {
      {{2020, 12, 10}, Qt::Key_Right, {}, {2020, 12, 10}},
      {{2000, 1, 10}, Qt::Key_Left, {}, {2000, 1, 10}},
      {{2020, 12, 31}, Qt::Key_Down, {}, {2020, 12, 31}},
      {{2000, 1, 1}, Qt::Key_Up, {}, {2000, 1, 1}},
      {{2005, 1, 31}, Qt::Key_Down, {}, {2005, 2, 1}},
      {{2004, 3, 1}, Qt::Key_Up, {}, {2004, 2, 29}},
      {{2005, 1, 31}, Qt::Key_Right, {}, {2005, 2, 28}},
      {{2005, 12, 31}, Qt::Key_Right, {}, {2006, 1, 31}},
      {{2004, 2, 29}, Qt::Key_Right, Qt::ControlModifier, {2005, 2, 28}},
      {{2020, 5, 5}, Qt::Key_Right, Qt::ControlModifier, {2020, 5, 5}},
      {{2005, 5, 31}, Qt::Key_Home, Qt::ControlModifier, {2005, 1, 31}},
      {{2005, 5, 31}, Qt::Key_PageDown, Qt::ControlModifier, {2005, 12, 31}},
      {{2005, 5, 17}, Qt::Key_PageUp, {}, {2005, 5, 1}},
      {{2005, 2, 17}, Qt::Key_End, {}, {2005, 2, 28}},
      {{2005, 2, 17}, Qt::Key_Right, Qt::ShiftModifier, {2005, 2, 17}},
      {{2005, 2, 17}, Qt::Key_Down, Qt::ShiftModifier, {2005, 2, 17}},
  };
  for (const Case& c : cases) {
    StartOn(c.from);
    Key(c.key, c.modifiers);
    EXPECT_EQ(f.Selected(), c.to) << c.from.year << "/" << c.from.month << "/" << c.from.day << " key "
                                  << c.key;
  }
}

TEST_F(CalendarViewModelTest, HeldKeysAndANoteBeingTypedDoNotMove) {
  StartOn({2005, 3, 15});
  Key(Qt::Key_Right);
  Key(Qt::Key_Right, {}, /*autoRepeat=*/true);
  Key(Qt::Key_F5, {}, true);
  EXPECT_EQ(f.Selected(), (Date{2005, 4, 15}));

  f.panes.noteFocused = true;
  f.panes.note = "rozepsano";
  for (ECalendarCommand command : {NextMonth, PrevYear, MonthStart, December, Today, LastRecord})
    EXPECT_FALSE(f.view.Execute(command));
  EXPECT_FALSE(f.view.GoToDate({2010, 1, 1}));
  EXPECT_EQ(f.Selected(), (Date{2005, 4, 15}));
  EXPECT_EQ(f.ui.Messages().size(), 7u);
  EXPECT_EQ(f.ui.Messages().front(), kFinishNoteMessage);
  EXPECT_EQ(f.doc.GetDayRecord("2005/04/15"), nullptr);

  // History commands store what was typed and go on.
  EXPECT_TRUE(f.view.Execute(HistoryBack));
  EXPECT_EQ(f.Selected(), (Date{2005, 3, 15}));
  EXPECT_EQ(f.doc.GetDayRecord("2005/04/15")->m_Poznamka, "rozepsano");
}

TEST_F(CalendarViewModelTest, ViewOnlyLocksTheAreasChangesTheMenusAndLetsMovesThrough) {
  StartOn({2005, 3, 15});
  EXPECT_STREQ(f.view.ViewOnlyMenus().toggleText, "Zablokovat zapisování");
  f.view.ToggleViewOnly();
  EXPECT_TRUE(f.panes.readOnly);
  EXPECT_EQ(f.panes.background, kReadOnlyBackground);
  const CViewOnlyMenus menus = f.view.ViewOnlyMenus();
  EXPECT_FALSE(menus.saveItems);
  EXPECT_FALSE(menus.formatBarItem);
  EXPECT_STREQ(menus.toggleText, "Povolit zapisování");
  f.panes.noteFocused = true;
  EXPECT_TRUE(f.view.Execute(NextMonth));
  EXPECT_TRUE(f.ui.Messages().empty());

  f.panes.refuseReadOnly = true;
  f.view.ToggleViewOnly();
  EXPECT_FALSE(f.view.IsViewOnly());
  EXPECT_EQ(f.panes.background, std::nullopt);
  EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{"chyba: SetReadOnly(FALSE)"});
  EXPECT_TRUE(f.view.ViewOnlyMenus().saveItems);
}

TEST_F(CalendarViewModelTest, RecordStepping) {
  CalendarBuilder(f.doc).Day("2003/06/01", "a").Day("2010/02/03", "b").Day("2010/02/05", "c");
  StartOn({2010, 2, 4});
  f.view.Execute(PrevRecord);
  EXPECT_EQ(f.Selected(), (Date{2010, 2, 3}));
  f.view.Execute(PrevRecord);
  EXPECT_EQ(f.Selected(), (Date{2003, 6, 1}));
  EXPECT_FALSE(f.view.Execute(PrevRecord));
  EXPECT_EQ(f.Selected(), (Date{2003, 6, 1}));
  Key(Qt::Key_F5);
  EXPECT_EQ(f.Selected(), (Date{2010, 2, 3}));
  f.view.Execute(LastRecord);
  EXPECT_EQ(f.Selected(), (Date{2010, 2, 5}));
  EXPECT_FALSE(f.view.Execute(NextRecord));
  f.view.Execute(FirstRecord);
  EXPECT_EQ(f.Selected(), (Date{2003, 6, 1}));
}

TEST_F(CalendarViewModelTest, FirstRecordCountsTheStartDayAndAnEmptyCalendarStays) {
  StartOn({2007, 7, 7});
  EXPECT_FALSE(f.view.Execute(FirstRecord));
  EXPECT_FALSE(f.view.Execute(LastRecord));
  EXPECT_EQ(f.Selected(), (Date{2007, 7, 7}));
  CalendarBuilder(f.doc).Day("2000/01/01", "x");
  EXPECT_TRUE(f.view.Execute(FirstRecord));
  EXPECT_EQ(f.Selected(), (Date{2000, 1, 1}));
}

TEST_F(CalendarViewModelTest, HistoryKeepsTenDaysMostRecentFirst) {
  StartOn({2005, 3, 1});          // A
  f.view.GoToDate({2005, 3, 2});  // B
  f.view.GoToDate({2006, 1, 3});  // C
  f.view.GoToDate({2005, 3, 2});  // B again
  EXPECT_EQ(f.view.History().Keys(), (std::deque<std::string>{"2005/03/02", "2006/01/03", "2005/03/01"}));
  EXPECT_FALSE(f.view.IsEnabled(HistoryForward));
  f.view.Execute(HistoryBack);
  EXPECT_EQ(f.Selected(), (Date{2006, 1, 3}));
  EXPECT_EQ(f.view.History().Position(), 1);
  f.view.Execute(HistoryBack);
  EXPECT_EQ(f.Selected(), (Date{2005, 3, 1}));
  EXPECT_FALSE(f.view.Execute(HistoryBack));
  f.view.Execute(HistoryForward);
  EXPECT_EQ(f.Selected(), (Date{2006, 1, 3}));
  EXPECT_EQ(f.view.History().Keys().size(), 3u);

  Key(Qt::Key_Down);  // a new visit goes to the front
  EXPECT_EQ(f.view.History().Keys().front(), "2006/01/04");
  EXPECT_EQ(f.view.History().Position(), 0);

  StartOn({2005, 5, 1});
  for (int i = 0; i < 10; ++i) Key(Qt::Key_Down);
  EXPECT_EQ(f.view.History().Keys().size(), 10u);
  EXPECT_EQ(f.view.History().Keys().front(), "2005/05/11");
  EXPECT_EQ(f.view.History().Keys().back(), "2005/05/02");
}

TEST_F(CalendarViewModelTest, EnabledCommandsAtTheEndsOfTheRange) {
  StartOn({2020, 12, 31});
  EXPECT_FALSE(f.view.IsEnabled(NextMonth));
  EXPECT_FALSE(f.view.IsEnabled(NextYear));
  EXPECT_TRUE(f.view.IsEnabled(PrevMonth));
  StartOn({2000, 1, 1});
  EXPECT_FALSE(f.view.IsEnabled(PrevMonth));
  EXPECT_FALSE(f.view.IsEnabled(PrevYear));
  f.m_Today = {2021, 1, 1};
  EXPECT_FALSE(f.view.IsEnabled(Today));
  EXPECT_FALSE(f.view.Execute(Today));
}

TEST_F(CalendarViewModelTest, DisplaySwitchKeepsTheNoteBeingTyped) {
  StartOn({2005, 3, 15});
  f.panes.note = "píšu";
  f.view.ToggleCategory(kNameDays);
  EXPECT_EQ(f.panes.note, "píšu");
  EXPECT_EQ(f.Selected(), (Date{2005, 3, 15}));
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/15"), nullptr);
}

// The calendar over the range 1990-2040, set before it is shown, as the program does at start-up.
class WideRangeTest : public ::testing::Test {
 protected:
  // The moon column of a day's row: the fourth tab-separated field.
  char Moon(int day) const {
    return f.view.Rows()[day - 1].text[f.view.Rows()[day - 1].text.find('\t', 6) + 1];
  }
  void StartOn(Date day) {
    f.m_Today = day;
    f.view.Start();
  }
  CYearRangeScope m_Range{{1990, 2040}};
  ViewFixture f{{2026, 12, 10}};
};

TEST_F(WideRangeTest, NavigationRecordsEasterAndMoonFollowTheRange) {
  StartOn({2026, 12, 10});
  EXPECT_EQ(f.Selected(), (Date{2026, 12, 10}));
  StartOn({2020, 12, 10});
  f.view.HandleTableKey(Qt::Key_Right, {}, false);
  EXPECT_EQ(f.Selected(), (Date{2021, 1, 10}));
  EXPECT_TRUE(f.view.GoToDate({2026, 12, 10}));
  EXPECT_FALSE(f.view.GoToDate({2041, 1, 1}));
  EXPECT_TRUE(f.view.GoToDate({2040, 12, 31}));
  EXPECT_FALSE(f.view.IsEnabled(NextMonth));
  EXPECT_TRUE(f.view.GoToDate({1990, 1, 1}));
  EXPECT_FALSE(f.view.IsEnabled(PrevYear));

  CalendarBuilder(f.doc)
      .Day("1990/03/01", "a")
      .Day("2020/06/01", "b")
      .Day("2021/01/05", "c")
      .Day("2040/12/31", "d");
  EXPECT_TRUE(f.view.GoToDate({2020, 12, 20}));
  f.view.Execute(NextRecord);
  EXPECT_EQ(f.Selected(), (Date{2021, 1, 5}));
  f.view.Execute(PrevRecord);
  EXPECT_EQ(f.Selected(), (Date{2020, 6, 1}));
  f.view.Execute(LastRecord);
  EXPECT_EQ(f.Selected(), (Date{2040, 12, 31}));
  f.view.Execute(FirstRecord);
  EXPECT_EQ(f.Selected(), (Date{1990, 3, 1}));

  EXPECT_TRUE(f.view.GoToDate({2024, 4, 1}));
  EXPECT_NE(f.RowText(1).find(Cz("Velikonoční pondělí")), std::string::npos);
  EXPECT_TRUE(f.view.GoToDate({2025, 1, 29}));
  EXPECT_EQ(Moon(29), 'U');
}

// Narrowing the range while a day outside it is shown: what was typed is kept, the view moves to the
// nearest day inside and the moon column follows.
TEST_F(WideRangeTest, ANarrowerRangeMovesTheShownDayInside) {
  StartOn({2030, 6, 15});
  f.panes.note = "rozepsano";
  {
    const CYearRangeScope narrower({2000, 2020});
    f.view.ApplyYearRange();
    EXPECT_EQ(f.Selected(), (Date{2020, 12, 31}));
    EXPECT_EQ(f.doc.GetDayRecord("2030/06/15")->m_Poznamka, "rozepsano");
    EXPECT_EQ(Moon(30), 'N');  // full moon 30 December 2020
  }
  f.view.ApplyYearRange();
  EXPECT_EQ(f.Selected(), (Date{2020, 12, 31}));
  EXPECT_TRUE(f.view.GoToDate({2025, 1, 29}));
}

// Days visited before the range narrowed stay in the history; stepping passes over them to the
// nearest day it can show, and with none left the position stays and the command is greyed.
TEST_F(WideRangeTest, HistoryPassesOverDaysOutsideANarrowedRange) {
  StartOn({2005, 3, 1});
  f.view.GoToDate({2030, 1, 1});
  f.view.GoToDate({2006, 1, 1});
  f.view.GoToDate({2035, 1, 1});
  f.view.GoToDate({2007, 1, 1});
  const CYearRangeScope narrower({2000, 2020});
  f.view.ApplyYearRange();
  EXPECT_TRUE(f.view.Execute(HistoryBack));
  EXPECT_EQ(f.Selected(), (Date{2006, 1, 1}));
  EXPECT_EQ(f.view.History().Position(), 2);
  EXPECT_TRUE(f.view.Execute(HistoryBack));
  EXPECT_EQ(f.Selected(), (Date{2005, 3, 1}));
  EXPECT_EQ(f.view.History().Position(), 4);
  EXPECT_TRUE(f.view.Execute(HistoryForward));
  EXPECT_EQ(f.Selected(), (Date{2006, 1, 1}));
  EXPECT_EQ(f.view.History().Position(), 2);

  f.view.GoToDate({2008, 1, 1});  // history: 2008, 2007, 2035, 2006, 2030, 2005
  f.view.Execute(HistoryBack);
  f.view.Execute(HistoryBack);
  EXPECT_EQ(f.Selected(), (Date{2006, 1, 1}));
  EXPECT_TRUE(f.view.Execute(HistoryBack));
  EXPECT_EQ(f.Selected(), (Date{2005, 3, 1}));
  EXPECT_FALSE(f.view.IsEnabled(HistoryBack));
  EXPECT_FALSE(f.view.Execute(HistoryBack));
  EXPECT_EQ(f.view.History().Position(), 5);
}

}  // namespace
}  // namespace orv::test
