#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "FakeUiServices.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/MoonFont.h"
#include "ui/RulerBar.h"
#include "ui/StyleBar.h"

namespace orv {
namespace {

// Every frame test starts from empty per-user settings of its own.
class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvella 2 test"));
    QSettings().clear();
  }
  void TearDown() override { QSettings().clear(); }

  std::unique_ptr<CMainFrame> ShownFrame() {
    auto frame = std::make_unique<CMainFrame>(ui, QString());
    frame->show();
    frame->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    return frame;
  }

  test::FakeUiServices ui;
};

TEST_F(MainFrameTest, F8TogglesAlwaysOnTopWithItsCheckMark) {
  auto frame = ShownFrame();
  QAction* onTop = frame->Action(cmd::AlwaysOnTop);
  EXPECT_FALSE(onTop->isChecked());
  QTest::keyClick(frame.get(), Qt::Key_F8);
  EXPECT_TRUE(frame->IsAlwaysOnTop());
  EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(onTop->isChecked());
  EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QTest::keyClick(frame.get(), Qt::Key_F8);
  EXPECT_FALSE(frame->IsAlwaysOnTop());
  EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(onTop->isChecked());
  EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameTest, F9MaximisesAndRestores) {
  auto frame = ShownFrame();
  QTest::keyClick(frame.get(), Qt::Key_F9);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->isMaximized(); }));
  EXPECT_TRUE(frame->Action(cmd::Maximise)->isChecked());
  QTest::keyClick(frame.get(), Qt::Key_F9);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isMaximized(); }));
  EXPECT_FALSE(frame->Action(cmd::Maximise)->isChecked());
}

TEST_F(MainFrameTest, BarsHideAndShowAndComeBackAsLeft) {
  {
    auto frame = ShownFrame();
    for (int id : {cmd::ViewToolBar, cmd::ViewStyleBar, cmd::ViewStatusBar, cmd::ViewRuler})
      EXPECT_TRUE(frame->Action(id)->isChecked()) << id;
    frame->Action(cmd::ViewRuler)->trigger();
    frame->Action(cmd::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame->RulerBar()->isHidden());
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(frame->Action(cmd::ViewRuler)->isChecked());
    EXPECT_FALSE(frame->Action(cmd::ViewStatusBar)->isChecked());
    frame->Action(cmd::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame->statusBar()->isHidden());
    frame->addToolBar(Qt::BottomToolBarArea, frame->StyleBar());  // the user moved it
    frame->close();
  }
  QSettings().setValue(QStringLiteral("MainWindowSize"), QSize(5000, 3000));  // from a larger screen
  auto again = ShownFrame();
  const QSize room = again->screen()->availableGeometry().size();
  EXPECT_LE(again->width(), room.width());
  EXPECT_LE(again->height(), room.height());
  EXPECT_TRUE(again->RulerBar()->isHidden());
  EXPECT_FALSE(again->Action(cmd::ViewRuler)->isChecked());
  EXPECT_FALSE(again->statusBar()->isHidden());
  EXPECT_EQ(again->toolBarArea(again->StyleBar()), Qt::BottomToolBarArea);
  EXPECT_EQ(again->toolBarArea(again->MainToolBar()), Qt::TopToolBarArea);
}

TEST_F(MainFrameTest, FocusDecidesFormattingAndClipboardCommands) {
  auto frame = ShownFrame();
  frame->SetHandler(cmd::Bold, [] {});
  frame->DayEditor()->setFocus();
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->DayEditor()->hasFocus(); }));
  EXPECT_TRUE(frame->Action(cmd::Bold)->isEnabled());
  EXPECT_TRUE(frame->StyleBar()->FaceCombo()->isEnabled());
  QTest::keyClicks(frame->DayEditor(), QStringLiteral("vyklad"));
  frame->DayEditor()->selectAll();
  EXPECT_TRUE(frame->Action(cmd::EditCopy)->isEnabled());
  EXPECT_TRUE(frame->Action(cmd::EditUndo)->isEnabled());
  frame->Action(cmd::EditCut)->trigger();
  EXPECT_TRUE(frame->DayEditor()->toPlainText().isEmpty());

  auto* note = frame->CalendarPane()->findChild<QLineEdit*>();
  ASSERT_NE(note, nullptr);
  note->setFocus();
  EXPECT_TRUE(QTest::qWaitFor([&] { return note->hasFocus(); }));
  EXPECT_FALSE(frame->Action(cmd::Bold)->isEnabled());
  EXPECT_FALSE(frame->StyleBar()->FaceCombo()->isEnabled());
  EXPECT_TRUE(frame->Action(cmd::EditPaste)->isEnabled());
  frame->Action(cmd::EditPaste)->trigger();
  EXPECT_EQ(note->text(), QStringLiteral("vyklad"));
  // Commands nobody carries out yet are in the menus, greyed.
  EXPECT_FALSE(frame->Action(cmd::FullTextSearch)->isEnabled());
  EXPECT_TRUE(frame->Action(cmd::FullTextSearch)->isVisible());
}

TEST_F(MainFrameTest, ViewOnlyStateHidesSavingFromTheFileMenu) {
  auto frame = ShownFrame();
  frame->SetHandler(cmd::FileSave, [] {});
  EXPECT_TRUE(frame->Action(cmd::FileSave)->isVisible());
  frame->SetViewState([](SFrameState& state) { state.viewOnly = true; });
  EXPECT_FALSE(frame->Action(cmd::FileSave)->isVisible());
  EXPECT_FALSE(frame->Action(cmd::FileSaveAs)->isVisible());
  EXPECT_EQ(frame->Action(cmd::ViewOnly)->text(), QStringLiteral("Povolit &zapisování"));
}

TEST_F(MainFrameTest, PanesBarsAndPrompts) {
  auto frame = ShownFrame();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Orvella 2"));
  frame->SetDocumentTitle(QStringLiteral("Nepojmenovaný"));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Nepojmenovaný[*] – Orvella 2"));
  frame->setWindowModified(true);
  EXPECT_EQ(frame->windowHandle()->title(), QStringLiteral("Nepojmenovaný* – Orvella 2"));
  frame->setWindowModified(false);
  EXPECT_EQ(frame->windowHandle()->title(), QStringLiteral("Nepojmenovaný – Orvella 2"));
  QStringList menus;
  for (QAction* menu : frame->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus.join(QLatin1Char('|')),
            QStringLiteral("&Soubor|Úp&ravy|&Zobrazit|Navi&gace|&Funkce|&Písmo|&Odstavec|Nápo&věda"));
  QAction* append = frame->Action(cmd::FileAppend);
  EXPECT_EQ(append->statusTip(),
            QStringLiteral("Přidá poznámky i výklady z tohoto kalendáře k jinému kalendáři"));
  EXPECT_EQ(append->toolTip(), QStringLiteral("Připojit ke kalendáři"));
  EXPECT_EQ(frame->statusBar()->currentMessage(),
            QStringLiteral("Navigace kurzorovými klávesami, nápověda F1"));
  EXPECT_EQ(frame->StatusPane(6), QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
  EXPECT_FALSE(frame->StatusPane(7).isEmpty());
  EXPECT_EQ(frame->StyleBar()->SizeCombo()->count(), 21);
  EXPECT_EQ(frame->StyleBar()->ScriptCombo()->itemText(0), QStringLiteral("Cyrilika"));
  // The ruler's zero stands where the day editor's text begins.
  const int textLeft = frame->DayEditor()->viewport()->mapTo(frame.get(), QPoint(0, 0)).x() +
                       static_cast<int>(frame->DayEditor()->document()->documentMargin());
  EXPECT_EQ(
      frame->RulerBar()->Ruler()->mapTo(frame.get(), QPoint(frame->RulerBar()->Ruler()->Origin(), 0)).x(),
      textLeft);
  EXPECT_EQ(frame->RulerBar()->Ruler()->height(), 17);
}

TEST_F(MainFrameTest, ClosingAsksAndDroppedFilesOpen) {
  auto frame = ShownFrame();
  QString opened;
  frame->SetOpenFile([&](const QString& path) { opened = path; });
  QMimeData data;
  data.setUrls(
      {QUrl(QStringLiteral("https://example.org/x.orv")), QUrl::fromLocalFile(QStringLiteral("/tmp/a.orv"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &drop);
  EXPECT_EQ(opened, QStringLiteral("/tmp/a.orv"));

  bool allow = false;
  int asked = 0;
  frame->SetCanClose([&] {
    ++asked;
    return allow;
  });
  frame->close();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(frame->isVisible());
  allow = true;
  frame->close();
  EXPECT_FALSE(frame->isVisible());

  frame->SetRecentFiles({QStringLiteral("/tmp/b.orv")});
  EXPECT_TRUE(frame->Action(cmd::RecentFiles)->isEnabled());
  frame->Action(cmd::RecentFiles)->menu()->actions().front()->trigger();
  EXPECT_EQ(opened, QStringLiteral("/tmp/b.orv"));
  frame->SetRecentFiles({});
  EXPECT_FALSE(frame->Action(cmd::RecentFiles)->isEnabled());
}

TEST_F(MainFrameTest, MoonFontBesideTheProgramOrAMessage) {
  {
    CMoonFont moon(QString::fromLocal8Bit(qgetenv("ORV_BINARY_DIR")) + QStringLiteral("/src"), ui);
    EXPECT_TRUE(moon.IsInstalled());
    EXPECT_FALSE(moon.Family().isEmpty());
  }
  EXPECT_TRUE(ui.Messages().empty());
  CMoonFont missing(QStringLiteral("/nonexistent"), ui);
  EXPECT_FALSE(missing.IsInstalled());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Font nebyl nainstalován !"});
}

}  // namespace
}  // namespace orv
