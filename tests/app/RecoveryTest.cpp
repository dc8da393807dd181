// Recovery copies kept by the window: written while there are unsaved changes, removed by a save or
// a close without saving, offered when a calendar with a newer copy is opened or a new one started.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <chrono>
#include <filesystem>

#include "FakeUiServices.h"
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"
#include "document/RecoveryStore.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

using Kind = test::FakeUiServices::Kind;

class RecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvella 2 test"));
    QSettings().clear();
    folder = m_Dir.filePath(QStringLiteral("recovery")).toStdString();
    calendar = m_Dir.filePath(QStringLiteral("diar.orv")).toStdString();
    store = std::make_unique<CRecoveryStore>(folder);
    recent = std::make_unique<CRecentFileList>();
    ASSERT_TRUE(doc.OnNewDocument());
    window = std::make_unique<CCalendarWindow>(
        doc, ui, *recent, QString(), [this](const std::string&) { return saveAnswer; },
        [] {
          return Date{2005, 3, 15};
        });
    window->Frame().SetBaseFont("DejaVu Sans");
    window->Start();
    window->KeepRecoveryCopies(*store, 20);
    window->Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Frame()));
    ui.Clear();
  }
  void TearDown() override {
    window.reset();
    QSettings().clear();
  }

  // A saved calendar with one note.
  void SaveCalendar() {
    CTedDoc saved(ui);
    ASSERT_TRUE(saved.OnNewDocument());
    saved.StoreDay("2005/03/15", Cp1250FromUtf8("uložená"), {}, {});
    ASSERT_TRUE(saved.OnSaveDocument(calendar));
  }
  void TypeNote(const QString& text) {
    QLineEdit* note = window->View().NoteField();
    note->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return note->hasFocus(); }));
    note->selectAll();
    test::Type(note, text);
  }
  QStringList Copies() const {
    return QDir(QString::fromStdString(folder)).entryList({QStringLiteral("*.orv")}, QDir::Files);
  }
  // The notes of the one copy in the folder, once it holds `note` for 15 March 2005.
  bool CopyHolds(const std::string& note) const {
    const QStringList copies = Copies();
    if (copies.size() != 1) return false;
    QFile file(QString::fromStdString(folder) + QLatin1Char('/') + copies[0]);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    test::FakeUiServices quiet;
    CCalendarContent content(quiet);
    std::string reason;
    if (!LoadCalendar(std::string_view(bytes.constData(), bytes.size()), content, quiet, reason))
      return false;
    const CEntrTxt* day = content.m_DataTxt.Find("2005/03/15");
    return day && day->m_Poznamka == note;
  }
  std::string Question(const std::string& name) const {
    return "Kalendář " + name + " nebyl při posledním ukončení uložen. Obnovit neuložené změny?";
  }

  QTemporaryDir m_Dir;
  std::string folder;
  std::string calendar;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  SaveAnswer saveAnswer = SaveAnswer::No;
  std::unique_ptr<CRecoveryStore> store;
  std::unique_ptr<CRecentFileList> recent;
  std::unique_ptr<CCalendarWindow> window;
};

TEST_F(RecoveryTest, UnsavedNoteIsCopiedUntilSavedAndACloseWithoutSavingRemovesTheCopy) {
  SaveCalendar();
  ASSERT_TRUE(window->Commands().OpenFile(calendar));
  QTest::qWait(60);
  EXPECT_TRUE(Copies().isEmpty());  // nothing unsaved, nothing copied

  TypeNote(QStringLiteral("rozepsaná"));  // still being typed: the copy has it all the same
  ASSERT_TRUE(QTest::qWaitFor([&] { return CopyHolds(Cp1250FromUtf8("rozepsaná")); }, 3000));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetPathName(), calendar);
  EXPECT_TRUE(window->View().NoteField()->hasFocus());

  window->View().FocusTable();
  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(Copies().isEmpty());

  TypeNote(QStringLiteral("zahozená"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return CopyHolds(Cp1250FromUtf8("zahozená")); }, 3000));
  window->View().FocusTable();
  window->Frame().Action(cmd::FileNew)->trigger();  // "Uložit změny?" answered "Ne"
  EXPECT_TRUE(Copies().isEmpty());

  TypeNote(QStringLiteral("nový"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return CopyHolds(Cp1250FromUtf8("nový")); }, 3000));
  EXPECT_TRUE(window->Frame().close());
  EXPECT_TRUE(Copies().isEmpty());
}

// Long work (the wait cursor) may hold the document halfway; no copy is taken of that.
TEST_F(RecoveryTest, NoCopyIsWrittenWhileLongWorkRuns) {
  TypeNote(QStringLiteral("během"));
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  window->WriteRecoveryCopy();
  QTest::qWait(100);
  EXPECT_TRUE(Copies().isEmpty());
  QGuiApplication::restoreOverrideCursor();
  EXPECT_TRUE(QTest::qWaitFor([&] { return CopyHolds(Cp1250FromUtf8("během")); }, 3000));
}

TEST_F(RecoveryTest, OpeningACalendarOffersItsNewerCopyAndAnoShowsItModified) {
  SaveCalendar();
  {  // an earlier session that ended without saving
    CTedDoc earlier(ui);
    ASSERT_TRUE(earlier.OnOpenDocument(calendar));
    earlier.StoreDay("2005/03/15", Cp1250FromUtf8("obnovená"), {}, {});
    ASSERT_EQ(CRecoveryStore(folder).Write(earlier), "");
  }
  ui.fileAnswers = {calendar};
  ui.yesNoAnswers = {false};
  window->Frame().Action(cmd::FileOpen)->trigger();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{Question(CRecoveryStore::CalendarKey(calendar))});
  EXPECT_EQ(window->View().NoteField()->text(), QStringLiteral("uložená"));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Copies().size(), 1);  // "Ne" keeps it

  ui.Clear();
  ui.fileAnswers = {calendar};
  ui.yesNoAnswers = {true};
  window->Frame().Action(cmd::FileOpen)->trigger();
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(window->View().NoteField()->text(), QStringLiteral("obnovená"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(window->Frame().isWindowModified());
  EXPECT_EQ(doc.GetPathName(), CRecoveryStore::CalendarKey(calendar));
  window->Frame().Action(cmd::FileSave)->trigger();
  EXPECT_TRUE(Copies().isEmpty());
  CTedDoc reread(ui);
  ASSERT_TRUE(reread.OnOpenDocument(calendar));
  EXPECT_EQ(reread.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("obnovená"));
}

TEST_F(RecoveryTest, NewCalendarIsOfferedTheNewestCopyLeft) {
  SaveCalendar();
  {  // the copy of a named calendar, then a newer one of a calendar never saved
    CTedDoc named(ui);
    ASSERT_TRUE(named.OnOpenDocument(calendar));
    named.StoreDay("2005/03/15", "starsi", {}, {});
    ASSERT_EQ(CRecoveryStore(folder).Write(named), "");
    CTedDoc earlier(ui);
    ASSERT_TRUE(earlier.OnNewDocument());
    earlier.StoreDay("2005/03/15", "nikdy neulozeny", {}, {});
    ASSERT_EQ(CRecoveryStore(folder).Write(earlier), "");
    for (const QString& copy : Copies())
      if (copy.startsWith(QStringLiteral("Nepojmenovany-")))
        std::filesystem::last_write_time(
            folder + "/" + copy.toStdString(),
            std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  }
  ui.Clear();
  ui.yesNoAnswers = {true};
  window->OfferRecovery();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{Question("Nepojmenovaný")});
  EXPECT_EQ(window->View().NoteField()->text(), QStringLiteral("nikdy neulozeny"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_TRUE(window->Frame().close());  // closed without saving: the restored copy goes too
  ASSERT_EQ(Copies().size(), 1);
  EXPECT_TRUE(Copies()[0].startsWith(QStringLiteral("diar-")));
}

TEST_F(RecoveryTest, NewCalendarTakesTheCopyOfANamedCalendarIntoThatCalendar) {
  SaveCalendar();
  {
    CTedDoc named(ui);
    ASSERT_TRUE(named.OnOpenDocument(calendar));
    named.StoreDay("2005/03/15", "obnoveno", {}, {});
    ASSERT_EQ(CRecoveryStore(folder).Write(named), "");
  }
  ui.Clear();
  ui.yesNoAnswers = {true};
  window->OfferRecovery();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{Question(CRecoveryStore::CalendarKey(calendar))});
  EXPECT_EQ(doc.GetPathName(), CRecoveryStore::CalendarKey(calendar));
  EXPECT_EQ(window->View().NoteField()->text(), QStringLiteral("obnoveno"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(recent->Files().value(0), QString::fromStdString(calendar));
}

}  // namespace
}  // namespace orv
