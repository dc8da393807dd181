// The command that appends the open calendar to a calendar file: its refusals, choosing the open
// calendar itself (also through a link), "Storno", a target that cannot be opened, and the merge.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "document/TedDoc.h"
#include "document/merge/AppendCommand.h"
#include "document/merge/AppendDialogModel.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Kind = test::FakeUiServices::Kind;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ScriptedHost : public IAppendHost {
 public:
  bool NoteBeingEdited() override { return noteHeld; }
  void StoreViews() override { ++stored; }
  bool Save() override {
    ++saves;
    return saveSucceeds;
  }
  void TargetOpened(const std::string& path) override { opened.push_back(path); }
  std::optional<SAppendOptions> AskOptions() override {
    ++asked;
    return options;
  }
  void Progress(int, int) override {}
  void EndProgress() override {}
  void ShowMerged() override { ++shown; }

  bool noteHeld = false;
  bool saveSucceeds = true;
  std::optional<SAppendOptions> options = SAppendOptions{};
  int stored = 0, saves = 0, asked = 0, shown = 0;
  std::vector<std::string> opened;
};

class TextJoin : public ICommentaryJoin {
 public:
  void Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) override {
    joined.m_Text = target.m_Text + "\r" + source.m_Text;
    joined.m_Rtf = test::CalendarBuilder::Rtf(joined.m_Text);
  }
};

class AppendCommand : public ::testing::Test {
 protected:
  AppendCommand() {
    char pattern[] = "/tmp/orv-append-XXXXXX";
    dir = ::mkdtemp(pattern);
    sourcePath = (dir / "domov.orv").string();
    targetPath = (dir / "prace.orv").string();
    {
      CTedDoc target(ui);
      target.OnNewDocument();
      test::CalendarBuilder(target).Day("2005/03/07", "a; b").Passwords("heslo");
      target.OnSaveDocument(targetPath);
    }
    doc.OnNewDocument();
    test::CalendarBuilder(doc).Day("2005/03/07", "b;c").Day("2006/01/01", "Nový rok");
    doc.OnSaveDocument(sourcePath);
    ui.Clear();
  }
  ~AppendCommand() override { fs::remove_all(dir); }

  bool Run() { return CAppendCommand(doc, ui, host, joiner).Run(); }
  // The document is the source calendar, as it was saved.
  void ExpectSource() {
    EXPECT_EQ(doc.GetPathName(), sourcePath);
    EXPECT_EQ(doc.GetTitle(), "domov.orv");
    EXPECT_EQ(doc.GetDayRecord("2005/03/07")->m_Poznamka, "b;c");
    EXPECT_EQ(doc.GetRecordCount(), 2);
    EXPECT_EQ(doc.m_Heslo, "");
  }

  fs::path dir;
  std::string sourcePath, targetPath;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  ScriptedHost host;
  TextJoin joiner;
};

TEST_F(AppendCommand, MergesIntoTheChosenCalendarWhichStaysOpenAndModified) {
  ui.fileAnswers = {targetPath};
  ui.passwordAnswers = {"heslo"};
  EXPECT_TRUE(Run());
  EXPECT_EQ(doc.GetPathName(), targetPath);
  EXPECT_EQ(doc.GetDayRecord("2005/03/07")->m_Poznamka, "a; b; c");
  EXPECT_EQ(doc.GetDayRecord("2006/01/01")->m_Poznamka, "Nový rok");
  EXPECT_EQ(doc.m_Heslo, "heslo");  // the target keeps its own password
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(host.opened, std::vector<std::string>{targetPath});
  EXPECT_EQ(host.shown, 1);
  EXPECT_EQ(ui.events.front().kind, Kind::OpenChooser);
  EXPECT_EQ(ui.events.front().text, "Připojit k souboru");
  EXPECT_EQ(ui.Messages().back(), kAppendDone);
}

TEST_F(AppendCommand, AnEmptyRangeSaysSoAndStillLeavesTheTargetOpenAndModified) {
  ui.fileAnswers = {targetPath};
  ui.passwordAnswers = {"heslo"};
  host.options = SAppendOptions{false, {2010, 1, 1}, {2010, 12, 31}, false};
  EXPECT_TRUE(Run());
  EXPECT_EQ(doc.GetPathName(), targetPath);
  EXPECT_EQ(doc.GetDayRecord("2005/03/07")->m_Poznamka, "a; b");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"V zadaném rozsahu žádné poznámky nejsou !", kAppendDone}));
}

TEST_F(AppendCommand, TheOpenCalendarItselfMergesNothingAndShowsNothing) {
  fs::create_symlink(sourcePath, dir / "odkaz.orv");
  for (const std::string& chosen :
       {sourcePath, (dir / "odkaz.orv").string(), (dir / "." / "domov.orv").string()}) {
    ui.Clear();
    ui.fileAnswers = {chosen};
    EXPECT_FALSE(Run()) << chosen;
    EXPECT_TRUE(ui.Messages().empty()) << chosen;
    EXPECT_EQ(host.asked, 0);
    EXPECT_FALSE(doc.IsModified());
    ExpectSource();
  }
}

TEST_F(AppendCommand, AFileOfTheSameNameElsewhereIsAnotherCalendar) {
  fs::create_directory(dir / "jinde");
  const std::string other = (dir / "jinde" / "domov.orv").string();
  fs::copy_file(targetPath, other);
  ui.fileAnswers = {other};
  ui.passwordAnswers = {"heslo"};
  EXPECT_TRUE(Run());
  EXPECT_EQ(doc.GetPathName(), other);
  EXPECT_EQ(doc.GetDayRecord("2005/03/07")->m_Poznamka, "a; b; c");
}

TEST_F(AppendCommand, StornoGivesBackTheSourceInEveryRespectAndLeavesTheTargetFile) {
  doc.StoreDay("2007/07/07", "neuloženo", "", "");  // modified, and the user does not save
  ui.yesNoAnswers = {false};
  ui.fileAnswers = {targetPath};
  ui.passwordAnswers = {"heslo"};
  host.options.reset();
  const std::string targetBytes = ReadFile(targetPath);
  EXPECT_FALSE(Run());
  EXPECT_EQ(host.asked, 1);
  EXPECT_EQ(doc.GetPathName(), sourcePath);
  EXPECT_EQ(doc.GetDayRecord("2007/07/07")->m_Poznamka, "neuloženo");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_Heslo, "");
  // A save now writes the source to the source's file, never over the target.
  EXPECT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
  EXPECT_EQ(ReadFile(targetPath), targetBytes);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Chcete soubor uložit?"});
}

TEST_F(AppendCommand, AfterStornoAChangeMadeMeanwhileByAnotherProgramIsNotOverwrittenUnasked) {
  doc.StoreDay("2007/07/07", "okno", "", "");
  ui.yesNoAnswers = {false};
  ui.fileAnswers = {targetPath};
  ui.passwordAnswers = {"heslo"};
  host.options.reset();
  EXPECT_FALSE(Run());
  {
    test::FakeUiServices otherUi;
    CTedDoc other(otherUi);  // another program, as orv note
    ASSERT_TRUE(other.OnOpenDocument(sourcePath));
    other.StoreDay("2008/08/08", "jiný program", "", "");
    ASSERT_TRUE(other.OnSaveDocument(sourcePath));
  }
  const std::string changed = ReadFile(sourcePath);
  ui.Clear();
  EXPECT_FALSE(doc.OnSaveDocument(doc.GetPathName()));  // the question answered "Ne"
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].kind, Kind::Question);
  EXPECT_TRUE(ui.events[0].defaultNo);
  EXPECT_EQ(ui.events[0].text, "Soubor " + sourcePath + " byl mezitím změněn jiným programem. Přepsat jej?");
  EXPECT_EQ(ReadFile(sourcePath), changed);
}

TEST_F(AppendCommand, ATargetThatCannotBeOpenedLeavesTheSourceUnchanged) {
  ui.fileAnswers = {targetPath};
  ui.passwordAnswers = {"spatne"};  // a wrong password is refused without a message
  EXPECT_FALSE(Run());
  ExpectSource();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(host.opened.empty());

  const fs::path damaged = dir / "poskozeny.orv";
  std::ofstream(damaged, std::ios::binary) << "nesmysl";
  ui.fileAnswers = {damaged.string()};
  EXPECT_FALSE(Run());
  EXPECT_EQ(ui.Messages().back(), "Nesprávný formát souboru");
  ExpectSource();
}

TEST_F(AppendCommand, RefusalsAndTheSaveQuestionComeFirst) {
  host.noteHeld = true;
  EXPECT_FALSE(Run());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kAppendNoteHeld});
  EXPECT_EQ(host.stored, 0);

  host.noteHeld = false;
  doc.SetModifiedFlag(true);
  ui.Clear();
  ui.yesNoAnswers = {true};
  host.saveSucceeds = false;  // wanted saved, not saved: the command stops
  EXPECT_FALSE(Run());
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Chcete soubor uložit?"});

  ui.Clear();
  doc.SetModifiedFlag(false);
  EXPECT_FALSE(Run());  // the chooser is cancelled
  EXPECT_EQ(host.stored, 2);
  ExpectSource();
}

TEST(AppendDialogModel, WholeCalendarIgnoresThePickersAndARangeMustNotBeTurnedAbout) {
  test::FakeUiServices ui;
  CAppendDialogModel model;
  EXPECT_FALSE(model.PickersEnabled());
  model.m_From = {2010, 5, 1};
  model.m_To = {2009, 1, 1};
  const auto whole = model.Accept(ui);
  ASSERT_TRUE(whole);
  EXPECT_TRUE(whole->wholeCalendar);
  EXPECT_EQ(whole->from, (Date{MinYear(), 1, 1}));

  model.m_bWholeCalendar = false;
  EXPECT_FALSE(model.Accept(ui));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kRangeTurnedAbout});
  model.m_To = {2010, 5, 1};
  model.m_bOverwriteStyles = true;
  const auto range = model.Accept(ui);
  ASSERT_TRUE(range);
  EXPECT_FALSE(range->wholeCalendar);
  EXPECT_TRUE(range->overwriteStyles);
  EXPECT_EQ(range->to, (Date{2010, 5, 1}));
}

}  // namespace
}  // namespace orv
