#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "FakeUiServices.h"
#include "app/DocumentCommands.h"
#include "app/RecentFileList.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

class DocumentCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvella 2 test"));
    QSettings().clear();
    recent = std::make_unique<CRecentFileList>();
    commands = std::make_unique<CDocumentCommands>(doc, ui, *recent, [this](const std::string& question) {
      questions.push_back(question);
      return answer;
    });
    commands->SetOnChanged([this] { ++changes; });
    ASSERT_TRUE(doc.OnNewDocument());
  }
  void TearDown() override { QSettings().clear(); }

  std::string PathOf(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

  QTemporaryDir dir;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  std::unique_ptr<CRecentFileList> recent;
  std::unique_ptr<CDocumentCommands> commands;
  std::vector<std::string> questions;
  SaveAnswer answer = SaveAnswer::Cancel;
  int changes = 0;
};

TEST_F(DocumentCommandsTest, ModifiedCalendarIsOfferedForSavingBeforeItIsReplaced) {
  EXPECT_TRUE(commands->SaveModified());
  EXPECT_TRUE(questions.empty());

  doc.StoreDay("2005/03/07", "note", "", "");
  ASSERT_TRUE(doc.IsModified());
  answer = SaveAnswer::Cancel;
  EXPECT_FALSE(commands->FileNew());
  EXPECT_EQ(questions, std::vector<std::string>{"Uložit změny do Nepojmenovaný?"});
  EXPECT_NE(doc.GetDayRecord("2005/03/07"), nullptr);  // kept

  answer = SaveAnswer::No;
  EXPECT_TRUE(commands->FileNew());
  EXPECT_EQ(doc.GetDayRecord("2005/03/07"), nullptr);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(commands->Title(), "Nepojmenovaný");
}

TEST_F(DocumentCommandsTest, YesSavesUnderAChosenNameAndRemembersIt) {
  doc.StoreDay("2005/03/07", "note", "", "");
  answer = SaveAnswer::Yes;
  ui.fileAnswers.push_back(PathOf("diary"));  // the extension is added
  EXPECT_TRUE(commands->SaveModified());
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(PathOf("diary.orv"))));
  EXPECT_EQ(commands->Title(), "diary.orv");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(recent->Files(), QStringList{QString::fromStdString(PathOf("diary.orv"))});

  // A later save goes to the same file without asking for a name; the question names the path.
  doc.StoreDay("2005/03/08", "more", "", "");
  ui.Clear();
  EXPECT_TRUE(commands->FileSave());
  EXPECT_TRUE(ui.events.empty());
  doc.StoreDay("2005/03/09", "again", "", "");
  answer = SaveAnswer::Cancel;
  EXPECT_FALSE(commands->SaveModified());
  EXPECT_EQ(questions.back(), "Uložit změny do diary.orv?");  // the calendar's title, not its path
}

TEST_F(DocumentCommandsTest, CancelledSaveAsKeepsTheCalendarOpen) {
  doc.StoreDay("2005/03/07", "note", "", "");
  answer = SaveAnswer::Yes;
  EXPECT_FALSE(commands->SaveModified());  // the chooser was cancelled
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentCommandsTest, RefusedFileLeavesTheCalendarAndTheRecentList) {
  doc.StoreDay("2005/03/07", "note", "", "");
  ui.fileAnswers.push_back(PathOf("kept.orv"));
  ASSERT_TRUE(commands->FileSaveAs());
  ASSERT_TRUE(commands->OpenFile(PathOf("kept.orv")));
  recent->Add(QString::fromStdString(PathOf("gone.orv")));
  ASSERT_EQ(recent->Files().size(), 2);

  ui.Clear();
  EXPECT_FALSE(commands->OpenFile(PathOf("gone.orv")));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("nelze otevřít"), std::string::npos);
  EXPECT_EQ(recent->Files(), QStringList{QString::fromStdString(PathOf("kept.orv"))});
  EXPECT_NE(doc.GetDayRecord("2005/03/07"), nullptr);
  EXPECT_EQ(commands->Title(), "kept.orv");
}

// A mistyped password says so and leaves the calendar among the recent files; only a file that
// cannot be opened at all leaves the list.
TEST_F(DocumentCommandsTest, WrongPasswordIsToldAndKeepsTheRecentEntry) {
  doc.m_Heslo = "Tajné";
  doc.StoreDay("2005/03/07", "note", "", "");
  ui.fileAnswers.push_back(PathOf("locked.orv"));
  ASSERT_TRUE(commands->FileSaveAs());
  ASSERT_TRUE(commands->FileNew());
  ui.Clear();
  ui.passwordAnswers = {std::string("tajné"), std::nullopt};
  EXPECT_FALSE(commands->OpenFile(PathOf("locked.orv")));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Heslo není správné. Kalendář " + PathOf("locked.orv") +
                                                    " nebyl otevřen."});
  EXPECT_FALSE(commands->OpenFile(PathOf("locked.orv")));  // "Storno": nothing to say
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(recent->Files(), QStringList{QString::fromStdString(PathOf("locked.orv"))});
}

TEST_F(DocumentCommandsTest, RecentListKeepsTenNewestFirstAcrossRuns) {
  for (int i = 0; i < 12; ++i)
    recent->Add(QString::fromStdString(PathOf(("f" + std::to_string(i) + ".orv").c_str())));
  recent->Add(QString::fromStdString(PathOf("f5.orv")));
  const CRecentFileList again;
  ASSERT_EQ(again.Files().size(), CRecentFileList::kSize);
  EXPECT_EQ(again.Files().front(), QString::fromStdString(PathOf("f5.orv")));
  EXPECT_EQ(again.Files()[1], QString::fromStdString(PathOf("f11.orv")));
  EXPECT_FALSE(again.Files().contains(QString::fromStdString(PathOf("f1.orv"))));
  EXPECT_EQ(again.Files().count(QString::fromStdString(PathOf("f5.orv"))), 1);
}

}  // namespace
}  // namespace orv
