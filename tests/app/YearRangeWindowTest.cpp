// The year range in the real window: "Rozsah let ..." worked through the keyboard, and a calendar
// started with a range past 2020 that opens on today and saves today's note.
#include <gtest/gtest.h>

#include <QSpinBox>
#include <QTemporaryDir>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "app/YearRangeSetting.h"
#include "core/Cp1250.h"
#include "view/YearRangeDialogModel.h"

namespace orv::test {
namespace {

class YearRangeWindowTest : public DialogWindowTest {
 protected:
  // Keys as the user types them into the dialog (the offscreen platform does not activate it, so
  // they go to the dialog's focus widget).
  static void DialogKey(QWidget* dialog, int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(dialog->focusWidget(), static_cast<Qt::Key>(key), modifiers);
  }
  static void Year(QWidget* dialog, const char* year) {
    DialogKey(dialog, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->focusWidget(), QString::fromLatin1(year));
  }
  // Opens "Rozsah let" from the Funkce menu and types the two years; a turned-about pair is
  // corrected to `fixedFrom` after the message.
  void ChooseYears(const char* from, const char* to, const char* fixedFrom = nullptr) {
    WhenDialogOpens([=](QWidget* dialog) {
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Rozsah let"));
      EXPECT_EQ(dialog->focusWidget()->objectName(), QStringLiteral("FromYear"));
      Year(dialog, from);
      DialogKey(dialog, Qt::Key_Tab);
      EXPECT_EQ(dialog->focusWidget()->objectName(), QStringLiteral("ToYear"));
      Year(dialog, to);
      DialogKey(dialog, Qt::Key_Return);
      if (fixedFrom) {
        EXPECT_TRUE(dialog->isVisible());
        DialogKey(dialog, Qt::Key_Backtab, Qt::ShiftModifier);
        Year(dialog, fixedFrom);
        DialogKey(dialog, Qt::Key_Return);
      }
      EXPECT_FALSE(dialog->isVisible());
      if (dialog->isVisible()) Click(dialog, QStringLiteral("Storno"));
    });
    window->Frame().Action(cmd::YearRange)->trigger();
    // The offscreen platform does not give the window back its activation when a dialog closes.
    window->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window->Frame()));
  }
  Date Selected() const { return Model().SelectedDate(); }

  CYearRangeScope m_Range{YearRange()};
};

TEST_F(YearRangeWindowTest, TheDialogSetsRemembersAndAppliesTheRange) {
  ASSERT_TRUE(Model().GoToDate({2020, 12, 10}));
  Key(Qt::Key_Right);
  EXPECT_EQ(Selected(), (Date{2020, 12, 10}));

  ChooseYears("2040", "2030", "1990");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kYearsTurnedAbout});
  EXPECT_EQ(YearRange(), (SYearRange{1990, 2030}));
  EXPECT_EQ(LoadYearRangeSetting(), (SYearRange{1990, 2030}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Table()->hasFocus(); }));
  Key(Qt::Key_Right);
  EXPECT_EQ(Selected(), (Date{2021, 1, 10}));
  EXPECT_TRUE(Row(10).contains(QStringLiteral("Břetislav")));

  // "Jdi na datum" takes a day of the new years.
  WhenDialogOpens([](QWidget* dialog) {
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("GoToDate"));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("10.12.2026"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
  });
  window->Frame().Action(cmd::GoTo)->trigger();
  EXPECT_EQ(Selected(), (Date{2026, 12, 10}));

  // A narrower range moves the shown day to the nearest day inside it.
  ASSERT_TRUE(Model().GoToDate({2028, 5, 5}));
  ChooseYears("2000", "2025");
  EXPECT_EQ(YearRange(), (SYearRange{2000, 2025}));
  EXPECT_EQ(Selected(), (Date{2025, 12, 31}));
  EXPECT_TRUE(Row(31).contains(QStringLiteral("Silvestr")));
}

// Alt+Left and Alt+Right pass over the days of the history the narrowed range no longer shows.
TEST_F(YearRangeWindowTest, HistoryPassesOverDaysOutsideANarrowedRange) {
  ChooseYears("2000", "2030");
  ASSERT_TRUE(Model().GoToDate({2028, 5, 5}));
  ASSERT_TRUE(Model().GoToDate({2006, 1, 1}));
  ChooseYears("2000", "2020");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Table()->hasFocus(); }));
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));
  EXPECT_FALSE(window->Frame().Action(cmd::HistoryBack)->isEnabled());
  Key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Selected(), (Date{2006, 1, 1}));
  EXPECT_FALSE(window->Frame().Action(cmd::HistoryForward)->isEnabled());
}

// The range 2000-2030 remembered in the settings, read as the program reads it at start-up: the
// calendar opens on today and a note typed there is saved under today's date.
TEST(YearRangeStartTest, ACalendarPast2020StartsOnTodayAndSavesItsNote) {
  UseEmptyTestSettings();
  const CYearRangeScope restore(YearRange());
  SaveYearRangeSetting({2000, 2030});
  SetYearRange(LoadYearRangeSetting());
  const Date today = Today();
  if (!IsYearInRange(today.year)) GTEST_SKIP() << "the machine's date lies outside 2000-2030";

  FakeUiServices ui;
  CTedDoc doc(ui);
  CRecentFileList recent;
  ASSERT_TRUE(doc.OnNewDocument());
  auto window = std::make_unique<CCalendarWindow>(doc, ui, recent, QString(),
                                                  [](const std::string&) { return SaveAnswer::No; });
  window->Frame().SetBaseFont(kTestBaseFace);
  window->Start();
  window->Frame().show();
  window->Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window->Frame()));
  EXPECT_EQ(window->Model().SelectedDate(), today);

  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("dnes.orv")).toStdString();
  Key(Qt::Key_F2);
  ASSERT_TRUE(window->View().NoteField()->hasFocus());
  Type(window->View().NoteField(), QStringLiteral("Dnešní zápis"));
  ui.fileAnswers.push_back(path);
  window->Frame().Action(cmd::FileSaveAs)->trigger();
  EXPECT_FALSE(doc.IsModified());
  window.reset();
  QSettings().clear();

  FakeUiServices quiet;
  CTedDoc saved(quiet);
  ASSERT_TRUE(saved.OnOpenDocument(path));
  ASSERT_NE(saved.GetDayRecord(DayKey(today)), nullptr);
  EXPECT_EQ(saved.GetDayRecord(DayKey(today))->m_Poznamka, Cp1250FromUtf8("Dnešní zápis"));
}

}  // namespace
}  // namespace orv::test
