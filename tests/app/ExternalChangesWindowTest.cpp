// The open calendar and another program writing its file: the window reads an unmodified calendar
// again, merges into a modified one, merges at a save that finds the file changed, and offers the
// conflict copies that appear beside the file.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "TestWindow.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/ExternalChanges.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr char kReloaded[] = "Kalendář byl změněn jiným programem a znovu načten.";

class ExternalChangesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseEmptyTestSettings();
    if (const char* old = std::getenv("XDG_DATA_HOME")) oldDataHome = old;
    ::setenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8().constData(), 1);
    path = dir.filePath(QStringLiteral("denik.orv")).toStdString();
    {
      test::FakeUiServices quiet;
      CTedDoc file(quiet);
      file.OnNewDocument();
      test::CalendarBuilder(file).Day("2005/03/15", "rano").Day("2005/03/02", "smazat");
      ASSERT_TRUE(file.OnSaveDocument(path));
    }
    ASSERT_TRUE(doc.OnOpenDocument(path));
    recent = std::make_unique<CRecentFileList>();
    window = test::OpenTestWindow(doc, ui, *recent);
    window->External().KeepBasesIn(dir.filePath(QStringLiteral("state")).toStdString());
    window->External().Opened();
    ui.Clear();
  }
  void TearDown() override {
    window.reset();
    QSettings().clear();
    if (oldDataHome)
      ::setenv("XDG_DATA_HOME", oldDataHome->c_str(), 1);
    else
      ::unsetenv("XDG_DATA_HOME");
  }
  // Another program (orv, a sync tool) changes the file: opens it, changes it, saves it.
  void ChangeElsewhere(const std::string& file, void (*change)(CTedDoc&)) {
    test::FakeUiServices quiet;
    CTedDoc other(quiet);
    if (fs::exists(file)) {
      ASSERT_TRUE(other.OnOpenDocument(file));
    } else {
      other.OnNewDocument();
    }
    change(other);
    ASSERT_TRUE(other.OnSaveDocument(file));
  }
  QString Status() const { return window->Frame().statusBar()->currentMessage(); }
  std::string Note(const char* day) const {
    const CEntrTxt* record = doc.GetDayRecord(day);
    return record ? record->m_Poznamka : std::string("(žádný)");
  }
  void TypeIntoDayCommentary(const QString& text) {
    QTextEdit* editor = window->Frame().DayEditor();
    editor->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, text);
    ASSERT_TRUE(doc.IsModified());
  }
  // The calendar as saved on disk, opened afresh.
  std::string SavedText(const char* day) {
    test::FakeUiServices quiet;
    CTedDoc saved(quiet);
    EXPECT_TRUE(saved.OnOpenDocument(path));
    const CEntrTxt* record = saved.GetDayRecord(day);
    return record ? record->m_Poznamka + "|" + record->m_Text : "(žádný)";
  }

  QTemporaryDir dir;
  std::optional<std::string> oldDataHome;
  std::string path;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  std::unique_ptr<CRecentFileList> recent;
  std::unique_ptr<CCalendarWindow> window;
};

TEST_F(ExternalChangesWindowTest, AnUnmodifiedCalendarShowsAnotherProgramsChangeWithinTwoSeconds) {
  QTextEdit* editor = window->Frame().DayEditor();
  ChangeElsewhere(path, [](CTedDoc& d) {
    d.StoreDay("2005/03/15", "odpoledne", test::CalendarBuilder::Rtf("druhy radek"), "druhy radek");
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return Status() == QString::fromUtf8(kReloaded); }, 2000));
  EXPECT_EQ(Note("2005/03/15"), "odpoledne");
  EXPECT_EQ(window->View().NoteField()->text(), QStringLiteral("odpoledne"));
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("druhy radek"));
  EXPECT_EQ(window->Model().SelectedDate(), (Date{2005, 3, 15}));
  EXPECT_FALSE(doc.IsModified());
  // The window's own save afterwards is no change of another program.
  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ExternalChangesWindowTest, UnsavedChangesAndTheOtherProgramsBothSurviveMergeAndSave) {
  TypeIntoDayCommentary(QStringLiteral("vecer"));
  ChangeElsewhere(path, [](CTedDoc& d) {
    d.StoreDay("2005/03/15", "rano", test::CalendarBuilder::Rtf("v praci"), "v praci");
    d.StoreDay("2005/03/20", "nove", {}, {});
    d.DelEmptyDate("2005/03/02");
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return Status().startsWith(QStringLiteral("Změny z jiného")); }, 2000));
  EXPECT_EQ(Status(), QStringLiteral("Změny z jiného počítače byly sloučeny s vašimi: 1 dnů"));
  ASSERT_NE(window->External().JoinedList(), nullptr);
  EXPECT_EQ(window->External().JoinedList()->item(0)->text(), QStringLiteral("15. 3. 2005"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Note("2005/03/02"), "(žádný)");  // deleted there, unchanged here
  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(SavedText("2005/03/15"), "rano|vecer\rv praci");
  EXPECT_EQ(SavedText("2005/03/20"), "nove|");
}

TEST_F(ExternalChangesWindowTest, ASaveThatFindsTheFileChangedMergesOnSloucit) {
  std::vector<std::string> asked;
  window->External().SetAskChangedFile([&](const std::string& question) {
    asked.push_back(question);
    return EChangedFileAnswer::Merge;
  });
  TypeIntoDayCommentary(QStringLiteral("vecer"));
  ChangeElsewhere(path, [](CTedDoc& d) { d.StoreDay("2005/03/20", "nove", {}, {}); });
  // Saved before the watcher has had its quiet second.
  window->Frame().Action(cmd::FileSave)->trigger();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("byl mezitím změněn jiným programem"), std::string::npos);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(SavedText("2005/03/15"), "rano|vecer");
  EXPECT_EQ(SavedText("2005/03/20"), "nove|");
}

TEST_F(ExternalChangesWindowTest, AConflictCopyAppearingBesideTheFileIsOfferedMergedAndTrashedOnSave) {
  const std::string copy =
      dir.filePath(QStringLiteral("denik.sync-conflict-20261211-101500-ABCDEF1.orv")).toStdString();
  const std::string other =
      dir.filePath(QStringLiteral("jiny.sync-conflict-20261211-101500-ABCDEF1.orv")).toStdString();
  ChangeElsewhere(other, [](CTedDoc& d) { d.StoreDay("2005/03/21", "cizi", {}, {}); });
  ui.yesNoAnswers = {true};
  ChangeElsewhere(copy, [](CTedDoc& d) { d.StoreDay("2005/03/16", "z notebooku", {}, {}); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return !ui.Messages().empty(); }, 2000));
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Nalezeny konfliktní kopie kalendáře (1). Sloučit je nyní?"});
  EXPECT_EQ(Note("2005/03/16"), "z notebooku");
  EXPECT_EQ(Note("2005/03/15"), "rano");
  EXPECT_EQ(Note("2005/03/21"), "(žádný)");  // another calendar's copy is nobody's business here
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(fs::exists(copy));  // until the merge is saved
  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_TRUE(fs::exists(dir.filePath(QStringLiteral("data/Trash/files")).toStdString() + "/" +
                         fs::path(copy).filename().string()));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(SavedText("2005/03/16"), "z notebooku|");
}

}  // namespace
}  // namespace orv
