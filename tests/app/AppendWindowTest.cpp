// "Připojit ke kalendáři" driven in the real window: Alt+J, the chooser answered, the "Připojit"
// dialog, and the merged target saved; "Storno" and the calendar's own file leave the source open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "TestWindow.h"
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "document/TedDoc.h"
#include "document/merge/AppendCommand.h"
#include "ui/CalendarView.h"

namespace orv {
namespace {

std::string Bytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class AppendWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseEmptyTestSettings();
    source = dir.filePath(QStringLiteral("domov.orv"));
    target = dir.filePath(QStringLiteral("prace.orv"));
    SaveCalendar(target, [](test::CalendarBuilder& b) {
      b.Day("2005/03/15", "a; b").Day("2005/03/20", "pr\xe1\x63\x65");
    });
    SaveCalendar(source,
                 [](test::CalendarBuilder& b) { b.Day("2005/03/15", "b;c").Day("2005/03/01", "doma"); });
    ASSERT_TRUE(doc.OnOpenDocument(source.toStdString()));
    recent = std::make_unique<CRecentFileList>();
    window = test::OpenTestWindow(doc, ui, *recent);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->View().Table()->hasFocus(); }));
    ui.Clear();
  }
  void TearDown() override {
    window.reset();
    QSettings().clear();
  }
  void SaveCalendar(const QString& path, void (*build)(test::CalendarBuilder&)) {
    test::FakeUiServices quiet;
    CTedDoc file(quiet);
    file.OnNewDocument();
    test::CalendarBuilder builder(file);
    build(builder);
    ASSERT_TRUE(file.OnSaveDocument(path.toStdString()));
  }
  // Answers the "Připojit" dialog by the button of that text; false when no such dialog came.
  void AnswerAppendDialog(const QString& button) {
    QTimer::singleShot(0, [this, button] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      dialogTitle = dialog->windowTitle();
      wholeChecked = dialog->findChild<QRadioButton*>(QStringLiteral("WholeCalendar"))->isChecked();
      for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == button) b->click();
    });
  }
  void AltJ() { test::Key(Qt::Key_J, Qt::AltModifier); }

  QTemporaryDir dir;
  QString source, target;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  std::unique_ptr<CRecentFileList> recent;
  std::unique_ptr<CCalendarWindow> window;
  QString dialogTitle;
  bool wholeChecked = false;
};

TEST_F(AppendWindowTest, AltJMergesIntoTheChosenCalendarWhichIsThenSaved) {
  // A commentary typed but not yet stored goes along, unsaved in the source ("Ne").
  window->Frame().DayEditor()->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->Frame().DayEditor()->hasFocus(); }));
  QTest::keyClicks(window->Frame().DayEditor(), QStringLiteral("vecer"));
  ui.yesNoAnswers = {false};
  ui.fileAnswers = {target.toStdString()};
  AnswerAppendDialog(QStringLiteral("OK"));
  AltJ();

  EXPECT_EQ(dialogTitle, QStringLiteral("Připojit"));
  EXPECT_TRUE(wholeChecked);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{kAppendSaveQuestion, kAppendDone}));
  EXPECT_EQ(doc.GetPathName(), target.toStdString());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(window->Frame().windowTitle().startsWith(QStringLiteral("prace.orv")));
  // The offscreen platform does not give the window back its activation when a dialog closes.
  window->Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window->Frame()));
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->View().Table()->hasFocus(); }));
  EXPECT_EQ(recent->Files().value(0), target);

  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_FALSE(doc.IsModified());
  test::FakeUiServices quiet;
  CTedDoc saved(quiet);
  ASSERT_TRUE(saved.OnOpenDocument(target.toStdString()));
  EXPECT_EQ(saved.GetDayRecord("2005/03/15")->m_Poznamka, "a; b; c");
  EXPECT_EQ(saved.GetDayRecord("2005/03/15")->m_Text, "vecer");
  EXPECT_EQ(saved.GetDayRecord("2005/03/20")->m_Poznamka, "pr\xe1\x63\x65");
  EXPECT_EQ(saved.GetDayRecord("2005/03/01")->m_Poznamka, "doma");
}

TEST_F(AppendWindowTest, ARangeChosenInTheDialogTakesOnlyItsDays) {
  ui.fileAnswers = {target.toStdString()};
  bool pickersStartedDisabled = false, rangeEnabledPickers = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    auto* from = dialog->findChild<QDateEdit*>(QStringLiteral("From"));
    auto* to = dialog->findChild<QDateEdit*>(QStringLiteral("To"));
    pickersStartedDisabled = !from->isEnabled() && !to->isEnabled() && from->date() == QDate(2000, 1, 1) &&
                             to->date() == QDate(2020, 12, 31);
    dialog->findChild<QRadioButton*>(QStringLiteral("Range"))->click();
    rangeEnabledPickers = from->isEnabled() && to->isEnabled();
    from->setDate(QDate(2005, 3, 10));
    to->setDate(QDate(2005, 3, 31));
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("OK")) b->click();
  });
  AltJ();
  EXPECT_TRUE(pickersStartedDisabled);
  EXPECT_TRUE(rangeEnabledPickers);
  EXPECT_EQ(doc.GetPathName(), target.toStdString());
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, "a; b ; b;c");
  EXPECT_EQ(doc.GetDayRecord("2005/03/01"), nullptr);
}

TEST_F(AppendWindowTest, StornoKeepsTheSourceOpenAndTheTargetFileAsItWas) {
  const std::string before = Bytes(target);
  ui.fileAnswers = {target.toStdString()};
  AnswerAppendDialog(QStringLiteral("Storno"));
  AltJ();
  EXPECT_EQ(dialogTitle, QStringLiteral("Připojit"));
  EXPECT_EQ(doc.GetPathName(), source.toStdString());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, "b;c");
  EXPECT_TRUE(window->Frame().windowTitle().startsWith(QStringLiteral("domov.orv")));
  EXPECT_TRUE(ui.Messages().empty());
  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_EQ(Bytes(target), before);
}

TEST_F(AppendWindowTest, ChoosingTheOpenCalendarThroughALinkDoesNothing) {
  const QString link = dir.filePath(QStringLiteral("odkaz.orv"));
  std::filesystem::create_symlink(source.toStdString(), link.toStdString());
  ui.fileAnswers = {link.toStdString()};
  AltJ();
  EXPECT_TRUE(dialogTitle.isEmpty());
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(doc.GetPathName(), source.toStdString());
  EXPECT_EQ(doc.GetRecordCount(), 2);
}

TEST_F(AppendWindowTest, ALargeCalendarShowsItsProgressWhileTheWindowKeepsPainting) {
  for (int day = 1; day <= 700; ++day) {
    const int year = 2001 + day / 300, yearDay = day % 300;
    doc.StoreDay(DayKey(year, 1 + yearDay / 28, 1 + yearDay % 28), "den " + std::to_string(day), "", "");
  }
  ui.yesNoAnswers = {false};
  ui.fileAnswers = {target.toStdString()};
  AnswerAppendDialog(QStringLiteral("OK"));
  QString progressText;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* progress = window->Frame().findChild<QProgressDialog*>(QStringLiteral("AppendProgress")))
      progressText = progress->labelText();
  });
  watch.start(0);
  AltJ();
  EXPECT_TRUE(progressText.startsWith(QStringLiteral("Připojuji záznamy: "))) << progressText.toStdString();
  EXPECT_EQ(window->Frame().findChild<QProgressDialog*>(QStringLiteral("AppendProgress")), nullptr);
  EXPECT_EQ(doc.GetRecordCount(), 703);
}

}  // namespace
}  // namespace orv
