// The calendar a window opens is kept as the base of later merges after the window is first
// painted: a change another program makes afterwards, or between the open and that paint, is merged
// against the file as it was opened.
#include <gtest/gtest.h>

#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "TestWindow.h"
#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

// A calendar of two days, 15 March that stays and 2 March that another program deletes, opened by
// a window while the test plays the other program.
class OpenedBaseWindowTest : public ::testing::Test {
 protected:
  OpenedBaseWindowTest() {
    test::UseEmptyTestSettings();
    test::FakeUiServices quiet;
    CTedDoc file(quiet);
    file.OnNewDocument();
    test::CalendarBuilder(file).Day("2005/03/15", "rano").Day("2005/03/02", "smazat");
    EXPECT_TRUE(file.OnSaveDocument(path));
  }
  ~OpenedBaseWindowTest() override { QSettings().clear(); }

  void DeleteElsewhere() {
    test::FakeUiServices quiet;
    CTedDoc other(quiet);
    ASSERT_TRUE(other.OnOpenDocument(path));
    other.DelEmptyDate("2005/03/02");
    ASSERT_TRUE(other.OnSaveDocument(path));
  }

  static void TypeInTheDayEditor(CMainFrame& frame) {
    QTextEdit* editor = frame.DayEditor();
    editor->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
    QTest::keyClicks(editor, QStringLiteral("vecer"));
  }

  // Deleted there and unchanged here: without the opened file as the base it would come back.
  void ExpectMergedAgainstTheOpenedFile(CMainFrame& frame) {
    const auto status = [&] { return frame.statusBar()->currentMessage(); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return status().startsWith(QStringLiteral("Změny z jiného")); }, 3000))
        << status().toStdString();
    EXPECT_EQ(doc.GetDayRecord("2005/03/02"), nullptr);
    EXPECT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  }

  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("denik.orv")).toStdString();
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CRecentFileList recent;
};

TEST_F(OpenedBaseWindowTest, ADeletionElsewhereAfterTheFirstPaintIsMergedAgainstTheOpenedFile) {
  ASSERT_TRUE(doc.OnOpenDocument(path));
  const std::unique_ptr<CCalendarWindow> window = test::OpenTestWindow(doc, ui, recent);
  QTest::qWait(50);  // the window painted, the base kept
  TypeInTheDayEditor(window->Frame());
  DeleteElsewhere();
  ExpectMergedAgainstTheOpenedFile(window->Frame());
}

// The base is the file as the open read it, not as it is by the first paint: a day another program
// deleted in between stays deleted when the user's typing is merged with that program's file.
TEST_F(OpenedBaseWindowTest, ADeletionElsewhereBeforeTheFirstPaintIsMergedAgainstTheOpenedFile) {
  // As the program starts: the window first, then the calendar opened into it.
  CCalendarWindow window(
      doc, ui, recent, QString(), [](const std::string&) { return SaveAnswer::No; },
      [] {
        return Date{2005, 3, 15};
      });
  ASSERT_TRUE(doc.OnOpenDocument(path));
  window.Frame().SetBaseFont(test::kTestBaseFace);
  window.Start();
  DeleteElsewhere();
  window.Frame().show();
  window.Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window.Frame()));
  QTest::qWait(50);  // the window painted, the base kept
  TypeInTheDayEditor(window.Frame());
  ExpectMergedAgainstTheOpenedFile(window.Frame());
}

}  // namespace
}  // namespace orv
