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

// A calendar of two days: 15 March that stays and 2 March that another program deletes.
void WriteTwoDays(const std::string& path) {
  test::FakeUiServices quiet;
  CTedDoc file(quiet);
  file.OnNewDocument();
  test::CalendarBuilder(file).Day("2005/03/15", "rano").Day("2005/03/02", "smazat");
  ASSERT_TRUE(file.OnSaveDocument(path));
}

TEST(OpenedBaseWindowTest, ADeletionElsewhereAfterTheFirstPaintIsMergedAgainstTheOpenedFile) {
  test::UseEmptyTestSettings();
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("denik.orv")).toStdString();
  WriteTwoDays(path);
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CRecentFileList recent;
  ASSERT_TRUE(doc.OnOpenDocument(path));
  const std::unique_ptr<CCalendarWindow> window = test::OpenTestWindow(doc, ui, recent);
  QTest::qWait(50);  // the window painted, the base kept

  QTextEdit* editor = window->Frame().DayEditor();
  editor->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  QTest::keyClicks(editor, QStringLiteral("vecer"));
  {
    test::FakeUiServices quiet;
    CTedDoc other(quiet);
    ASSERT_TRUE(other.OnOpenDocument(path));
    other.DelEmptyDate("2005/03/02");
    ASSERT_TRUE(other.OnSaveDocument(path));
  }
  const auto status = [&] { return window->Frame().statusBar()->currentMessage(); };
  EXPECT_TRUE(QTest::qWaitFor([&] { return status().startsWith(QStringLiteral("Změny z jiného")); }, 3000))
      << status().toStdString();
  // Deleted there and unchanged here: without the opened file as the base it would come back.
  EXPECT_EQ(doc.GetDayRecord("2005/03/02"), nullptr);
  EXPECT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  QSettings().clear();
}

// The base is the file as the open read it, not as it is by the first paint: a day another program
// deleted in between stays deleted when the user's typing is merged with that program's file.
TEST(OpenedBaseWindowTest, ADeletionElsewhereBeforeTheFirstPaintIsMergedAgainstTheOpenedFile) {
  test::UseEmptyTestSettings();
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("denik.orv")).toStdString();
  WriteTwoDays(path);
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CRecentFileList recent;
  // As the program starts: the window first, then the calendar opened into it.
  CCalendarWindow window(
      doc, ui, recent, QString(), [](const std::string&) { return SaveAnswer::No; },
      [] {
        return Date{2005, 3, 15};
      });
  ASSERT_TRUE(doc.OnOpenDocument(path));
  window.Frame().SetBaseFont(test::kTestBaseFace);
  window.Start();
  {
    test::FakeUiServices quiet;
    CTedDoc other(quiet);
    ASSERT_TRUE(other.OnOpenDocument(path));
    other.DelEmptyDate("2005/03/02");
    ASSERT_TRUE(other.OnSaveDocument(path));
  }
  window.Frame().show();
  window.Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window.Frame()));
  QTest::qWait(50);  // the window painted, the base kept

  QTextEdit* editor = window.Frame().DayEditor();
  editor->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  QTest::keyClicks(editor, QStringLiteral("vecer"));
  const auto status = [&] { return window.Frame().statusBar()->currentMessage(); };
  EXPECT_TRUE(QTest::qWaitFor([&] { return status().startsWith(QStringLiteral("Změny z jiného")); }, 3000))
      << status().toStdString();
  EXPECT_EQ(doc.GetDayRecord("2005/03/02"), nullptr);
  EXPECT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  QSettings().clear();
}

}  // namespace
}  // namespace orv
