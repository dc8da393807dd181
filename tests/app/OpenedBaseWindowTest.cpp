// The calendar a window opens is kept as the base of later merges after the window is first
// painted: a change another program makes afterwards is merged against it like any other.
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

TEST(OpenedBaseWindowTest, ADeletionElsewhereAfterTheFirstPaintIsMergedAgainstTheOpenedFile) {
  test::UseEmptyTestSettings();
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("denik.orv")).toStdString();
  {
    test::FakeUiServices quiet;
    CTedDoc file(quiet);
    file.OnNewDocument();
    test::CalendarBuilder(file).Day("2005/03/15", "rano").Day("2005/03/02", "smazat");
    ASSERT_TRUE(file.OnSaveDocument(path));
  }
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

}  // namespace
}  // namespace orv
