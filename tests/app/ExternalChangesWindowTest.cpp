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
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/ExternalChanges.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/YearRange.h"
#include "crypto/CalendarContainer.h"
#include "document/EncryptedCalendar.h"
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
    quiet.passphraseAnswers = {std::string("heslo")};  // for an encrypted calendar
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
    quiet.passphraseAnswers = {std::string("heslo")};
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

// Another computer whose range reaches further wrote a year this run leaves out: the range widens
// to it as when the file is opened.
TEST_F(ExternalChangesWindowTest, AReloadWidensTheYearRangeToTheFilesRecords) {
  const CYearRangeScope narrow({1990, 2030});
  ChangeElsewhere(path, [](CTedDoc& d) { d.StoreDay("2045/06/01", "daleko", {}, {}); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return Status().startsWith(QString::fromUtf8(kReloaded)); }, 2000));
  EXPECT_EQ(YearRange(), (SYearRange{1990, 2045}));
  EXPECT_TRUE(Status().contains(QStringLiteral("2045"))) << Status().toStdString();
  EXPECT_TRUE(window->Model().GoToDate({2045, 6, 1}));
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

// An encrypted calendar is read again and merged with the key the window holds, nobody asked; the
// bases kept in the state folder are sealed like the file.
TEST_F(ExternalChangesWindowTest, AnEncryptedCalendarIsReloadedAndMergedAndItsBasesStaySealed) {
  crypto::CNewKeyCostScope cheap{crypto::MinimalCost()};
  std::string first = "heslo", second = "heslo";
  ASSERT_TRUE(EncryptCalendar(doc, first, second, ui));
  window->Frame().Action(cmd::FileSave)->trigger();
  ASSERT_TRUE(crypto::LooksEncrypted(ReadFileBytes(path, false).bytes.View()));
  const auto baseFiles = [&] {
    std::vector<std::string> bytes;
    for (const auto& entry : fs::directory_iterator(dir.filePath(QStringLiteral("state")).toStdString()))
      bytes.emplace_back(ReadFileBytes(entry.path().string(), false).bytes.View());
    return bytes;
  };
  ChangeElsewhere(path, [](CTedDoc& d) { d.StoreDay("2005/03/15", "tajne odpoledne", {}, {}); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return Status() == QString::fromUtf8(kReloaded); }, 2000));
  EXPECT_EQ(Note("2005/03/15"), "tajne odpoledne");
  EXPECT_NE(doc.EncryptionKey(), nullptr);

  TypeIntoDayCommentary(QStringLiteral("vecer"));
  ChangeElsewhere(path, [](CTedDoc& d) { d.StoreDay("2005/03/20", "tajne nove", {}, {}); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return Status().startsWith(QStringLiteral("Změny z jiného")); }, 2000));
  EXPECT_EQ(Note("2005/03/20"), "tajne nove");
  EXPECT_TRUE(ui.events.empty());  // neither a passphrase prompt nor a message
  const std::vector<std::string> bases = baseFiles();
  ASSERT_EQ(bases.size(), 1u);
  EXPECT_TRUE(crypto::LooksEncrypted(bases[0]));
  EXPECT_EQ(bases[0].find("tajne"), std::string::npos);

  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_TRUE(crypto::LooksEncrypted(ReadFileBytes(path, false).bytes.View()));
  EXPECT_EQ(SavedText("2005/03/15"), "tajne odpoledne|vecer");
  EXPECT_EQ(SavedText("2005/03/20"), "tajne nove|");
  for (const std::string& base : baseFiles()) EXPECT_EQ(base.find("tajne"), std::string::npos);
}

using ExternalChangesUnderWm = ExternalChangesWindowTest;

// The list of joined days opens beside the window without taking the keys the user is typing; once
// the user goes to it, Enter on a day moves the calendar there.
TEST_F(ExternalChangesUnderWm, TheJoinedDaysListLeavesTheFocusAndEnterMovesToTheDay) {
  doc.StoreDay("2005/03/02", "smazat tady", {}, {});
  TypeIntoDayCommentary(QStringLiteral("vecer"));
  QTextEdit* editor = window->Frame().DayEditor();
  ChangeElsewhere(path, [](CTedDoc& d) {
    d.StoreDay("2005/03/02", "smazat tam", {}, {});
    d.StoreDay("2005/03/15", "rano", test::CalendarBuilder::Rtf("v praci"), "v praci");
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->External().JoinedList() != nullptr; }, 3000));
  QListWidget* list = window->External().JoinedList();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  QTest::qWait(200);
  EXPECT_TRUE(editor->hasFocus());
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("2. 3. 2005"));

  list->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }, 2000));
  EXPECT_EQ(window->Model().SelectedDate(), (Date{2005, 3, 15}));
  test::Key(Qt::Key_Return);
  EXPECT_EQ(window->Model().SelectedDate(), (Date{2005, 3, 2}));
  test::Key(Qt::Key_Down);
  test::Key(Qt::Key_Return);
  EXPECT_EQ(window->Model().SelectedDate(), (Date{2005, 3, 15}));
}

}  // namespace
}  // namespace orv
