// The window while orv holds the calendar's file: opening and saving wait for it with the wait
// cursor and a status text, the window keeps painting (its timers run), and the text goes with the
// wait.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "FakeUiServices.h"
#include "TestWindow.h"
#include "app/CommandTable.h"
#include "app/RecentFileList.h"
#include "document/LockWait.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

class LockWaitWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseEmptyTestSettings();
    path = dir.filePath(QStringLiteral("kalendar.orv"));
    ASSERT_TRUE(doc.OnNewDocument());
    ASSERT_TRUE(doc.OnSaveDocument(path.toStdString()));
    recent = std::make_unique<CRecentFileList>();
    window = test::OpenTestWindow(doc, ui, *recent);
    ui.Clear();
    letGo.setSingleShot(true);
    letGo.callOnTimeout([this] {
      shownWhileWaiting = Status();
      cursorWhileWaiting = ui.waitDepth;
      LetGo();
    });
  }
  void TearDown() override {
    LetGo();
    window.reset();
    QSettings().clear();
  }
  QString Status() const { return window->Frame().statusBar()->currentMessage(); }

  // Another program holds the file; a little after the moment in which the wait passes unnoticed,
  // the window's timer notes what the window shows and the other program lets go.
  void HoldFileForAWhile() {
    holder = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    letGo.start(kLockWaitNotice + std::chrono::milliseconds(200));
  }
  void LetGo() {
    letGo.stop();
    if (holder >= 0) ::close(holder);
    holder = -1;
  }

  QTemporaryDir dir;
  QString path;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  std::unique_ptr<CRecentFileList> recent;
  std::unique_ptr<CCalendarWindow> window;
  int holder = -1;
  QTimer letGo;
  QString shownWhileWaiting;
  int cursorWhileWaiting = 0;
};

TEST_F(LockWaitWindowTest, OpeningAndSavingShowTheWaitAndKeepTheWindowGoing) {
  const std::vector<std::pair<const char*, std::function<void()>>> steps = {
      {"open", [&] { window->Frame().OpenFile(path); }},
      {"save",
       [&] {
         doc.StoreDay("2005/03/15", "zmena", "", "");
         QTest::keyClick(&window->Frame(), Qt::Key_S, Qt::ControlModifier);
       }},
  };
  for (const auto& [name, step] : steps) {
    shownWhileWaiting.clear();
    cursorWhileWaiting = 0;
    HoldFileForAWhile();
    step();
    LetGo();
    EXPECT_EQ(shownWhileWaiting.toStdString(), kLockWaitText) << name;
    EXPECT_EQ(cursorWhileWaiting, 1) << name;
    EXPECT_EQ(ui.waitDepth, 0) << name;
    EXPECT_EQ(Status().toStdString(), kIdlePrompt) << name;
    EXPECT_FALSE(doc.IsModified()) << name;
    EXPECT_TRUE(ui.Messages().empty()) << name;
  }
}

}  // namespace
}  // namespace orv
