// A diary for today in the real window: the default years on a fixed clock, a calendar whose records
// lie outside them, the program opened ready for today's note, and "Tento den v minulých letech"
// worked through its keys.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <fstream>

#include "CalendarBuilder.h"
#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "app/YearRangeSetting.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"
#include "ui/OnThisDayWindow.h"

namespace orv::test {
namespace {

TEST(DefaultYearRangeTest, WithoutASettingTheYearsFollowTheClockAndAChosenRangeIsKept) {
  UseEmptyTestSettings();
  EXPECT_EQ(LoadYearRangeSetting(2026), (SYearRange{2000, 2036}));
  EXPECT_EQ(LoadYearRangeSetting(2019), (SYearRange{2000, 2029}));
  SaveYearRangeSetting({2000, 2020});
  EXPECT_EQ(LoadYearRangeSetting(2026), (SYearRange{2000, 2020}));  // ends before today, still kept
  QSettings().clear();
}

class TodayWindowTest : public DialogWindowTest {
 protected:
  // A saved calendar; the window opens it as "Otevřít" does.
  QString Saved(void (*build)(CalendarBuilder&)) {
    FakeUiServices quiet;
    CCalendarContent c(quiet);
    CalendarBuilder builder(c);
    build(builder);
    const QString path = m_Dir.filePath(QStringLiteral("denik.orv"));
    std::ofstream(path.toStdString(), std::ios::binary) << StoreCalendar(c);
    return path;
  }
  static std::string Bytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  QString Status() const { return window->Frame().statusBar()->currentMessage(); }
  COnThisDayWindow* OnThisDay() const { return window->Frame().findChild<COnThisDayWindow*>(); }
  QStringList Listed() const {
    QStringList rows;
    QTreeWidget* list = OnThisDay()->List();
    if (list->isHidden()) return {OnThisDay()->EmptyText()->text()};
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      rows << item->text(0) + QStringLiteral(" | ") + item->text(1) + QStringLiteral(" | ") + item->text(2);
    }
    return rows;
  }

  QTemporaryDir m_Dir;
  CYearRangeScope m_Range{YearRange()};
};

// The window runs with 2000-2020 here; the file holds 1995 and 2041.
TEST_F(TodayWindowTest, OpeningACalendarWidensTheYearsToItsRecordsOnce) {
  const QString path = Saved([](CalendarBuilder& b) {
    b.Day("1995/06/01", "prvni", "").Day("2041/03/02", "posledni", "").Day("2005/02/30", "neplatny", "");
  });
  const std::string before = Bytes(path);
  window->Frame().OpenFile(path);
  EXPECT_EQ(YearRange(), (SYearRange{1995, 2041}));
  EXPECT_EQ(Status(), QStringLiteral("Kalendář obsahuje záznamy z let 1995–2041; rozsah let je rozšířen."));
  EXPECT_FALSE(QSettings().contains(QStringLiteral("Years/from")));  // the setting stays unset

  ASSERT_TRUE(QTest::qWaitFor([&] { return Table()->hasFocus(); }));
  Key(Qt::Key_F4, Qt::ControlModifier);
  EXPECT_EQ(Model().SelectedDate(), (Date{1995, 6, 1}));
  EXPECT_EQ(Note()->text(), QStringLiteral("prvni"));
  Key(Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(Model().SelectedDate(), (Date{2041, 3, 2}));
  Key(Qt::Key_Right, Qt::ControlModifier);  // the end of the widened years
  EXPECT_EQ(Model().SelectedDate(), (Date{2041, 3, 2}));

  // Opened again, the range already holds the records: nothing more is said.
  window->Frame().statusBar()->clearMessage();
  window->Frame().OpenFile(path);
  EXPECT_EQ(Status(), QString());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Bytes(path), before);
}

TEST_F(TodayWindowTest, TheProgramOpensWithTheNoteFieldReadyForTyping) {
  window->ReadyForTyping();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Note()->hasFocus(); }));
  Type(QApplication::focusWidget(), QStringLiteral("Dnešní zápis"));
  Key(Qt::Key_Return);
  EXPECT_TRUE(Table()->hasFocus());
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("Dnešní zápis"));
}

// The list answers the keys of its own window; offscreen, that window is not activated, so the keys
// are given to the list.
TEST_F(TodayWindowTest, OnThisDayListsOtherYearsMovesOnEnterAndFollowsTheCalendar) {
  doc.StoreDay("2019/03/15", "v\xfdlet", "{\\rtf1 x}", "Sn\xedh\rdo kolen");
  doc.StoreDay("2003/03/15", "d\xe1vno", "", "");
  doc.StoreDay("2004/03/16", "loni", "", "");
  Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_NE(OnThisDay(), nullptr);
  EXPECT_TRUE(OnThisDay()->isVisible());
  EXPECT_FALSE(OnThisDay()->isModal());
  EXPECT_EQ(Listed(), (QStringList{QStringLiteral("15. 3. 2019, pátek | výlet | Sníh do kolen"),
                                   QStringLiteral("15. 3. 2003, sobota | dávno | ")}));

  // What was written on the shown day is stored before the calendar moves.
  QTest::keyClicks(window->Frame().DayEditor(), QStringLiteral("dnes"));
  QTreeWidget* list = OnThisDay()->List();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Model().SelectedDate() == Date{2003, 3, 15}; }));
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Text, "dnes");
  EXPECT_EQ(Listed(), (QStringList{QStringLiteral("15. 3. 2019, pátek | výlet | Sníh do kolen"),
                                   QStringLiteral("15. 3. 2005, úterý |  | dnes")}));

  // The calendar moves on and the list follows; a double click moves as Enter does.
  Model().Execute(ECalendarCommand::NextMonth);
  EXPECT_EQ(Listed(), (QStringList{QStringLiteral("Žádný jiný rok nemá k tomuto dni záznam.")}));
  ASSERT_TRUE(Model().GoToDate({2005, 3, 16}));
  EXPECT_EQ(Listed(), (QStringList{QStringLiteral("16. 3. 2004, úterý | loni | ")}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->visualItemRect(list->topLevelItem(0)).isValid(); }));
  const QPoint at = list->visualItemRect(list->topLevelItem(0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Model().SelectedDate() == Date{2004, 3, 16}; }));
}

class OnThisDayUnderWm : public TodayWindowTest {};

// Under a window manager the list takes the focus when it opens: the next keys the user presses
// work the list, and Enter moves the calendar.
TEST_F(OnThisDayUnderWm, TheOpenedListHasTheFocusAndEnterMovesTheCalendar) {
  doc.StoreDay("2019/03/15", "a", "", "");
  doc.StoreDay("2003/03/15", "b", "", "");
  Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return OnThisDay() && OnThisDay()->List()->hasFocus(); }));
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Model().SelectedDate() == Date{2003, 3, 15}; }));
}

}  // namespace
}  // namespace orv::test
