// The window on a Wayland desktop, natively (the wayland platform under a headless weston; CTest's
// app_wayland entry): the main paths a user takes every day. The headless compositor has no seat
// to give the window the keyboard, so the test makes it the active window itself.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QTemporaryDir>

#include "FakeUiServices.h"
#include "TestWindow.h"
#include "WindowKeys.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"
#include "view/CalendarViewModel.h"

namespace orv::test {
namespace {

TEST(WindowUnderWayland, MovesADayTypesANoteSavesAndCloses) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
  UseEmptyTestSettings();
  FakeUiServices ui;
  CTedDoc doc(ui);
  CRecentFileList recent;
  ASSERT_TRUE(doc.OnNewDocument());
  CCalendarWindow window(doc, ui, recent, QString(), [](const std::string&) { return SaveAnswer::No; },
                         [] { return Date{2005, 3, 15}; });
  window.Frame().SetBaseFont(kTestBaseFace);
  window.Start();
  window.Frame().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.Frame()));
  QApplication::setActiveWindow(&window.Frame());
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.View().Table()->hasFocus(); }));

  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("deník.orv")).toStdString();
  Key(Qt::Key_Down);
  EXPECT_EQ(window.Model().SelectedDate(), (Date{2005, 3, 16}));
  Key(Qt::Key_F2);
  Type(window.View().NoteField(), QStringLiteral("Výlet na Sněžku"));
  ui.fileAnswers.push_back(path);
  window.Frame().Action(cmd::FileSaveAs)->trigger();
  EXPECT_FALSE(doc.IsModified());
  // Always on top is the compositor's to decide: the status bar says so.
  QTest::keyClick(&window.Frame(), Qt::Key_F8);
  EXPECT_TRUE(window.Frame().statusBar()->currentMessage().contains(QStringLiteral("Waylandu")));
  EXPECT_TRUE(window.Frame().close());

  FakeUiServices readerUi;
  CTedDoc reader(readerUi);
  ASSERT_TRUE(reader.OnOpenDocument(path));
  const CEntrTxt* record = reader.GetDayRecord("2005/03/16");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(Cp1250ToUtf8(record->m_Poznamka), "Výlet na Sněžku");
  QSettings().clear();
}

}  // namespace
}  // namespace orv::test
