// Recovery copies: what a copy holds, which copies a later start is offered, and which copies saves
// and discards remove.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"
#include "document/RecoveryStore.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Kind = test::FakeUiServices::Kind;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class RecoveryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_Dir = fs::temp_directory_path() / ("orv-recovery-" + std::to_string(::getpid()));
    fs::remove_all(m_Dir);
    fs::create_directories(m_Dir);
    folder = (m_Dir / "state/orvella/recovery").string();
    calendar = (m_Dir / "diar.orv").string();
  }
  void TearDown() override { fs::remove_all(m_Dir); }

  // A calendar saved to `calendar`, then changed without saving.
  void OpenChangedCalendar(CTedDoc& doc, const std::string& password = {}) {
    ASSERT_TRUE(doc.OnNewDocument());
    test::CalendarBuilder(doc).Day("2005/03/15", Cp1250FromUtf8("uložená")).Passwords(password);
    ASSERT_TRUE(doc.OnSaveDocument(calendar));
    doc.m_Verze = 2;  // as read from an older file
    doc.StoreDay("2005/03/16", Cp1250FromUtf8("neuložená poznámka"), {}, {});
    ASSERT_TRUE(doc.IsModified());
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path m_Dir;
  std::string folder;
  std::string calendar;
  test::FakeUiServices ui;
};

TEST_F(RecoveryStoreTest, CopyIsTheSavedFormScrambledAndLeavesTheDocumentAsItWas) {
  CTedDoc doc(ui);
  OpenChangedCalendar(doc, Cp1250FromUtf8("heslo"));
  CRecoveryStore store(folder);
  ASSERT_EQ(store.Write(doc), "");
  EXPECT_EQ(doc.GetPathName(), calendar);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(doc.m_bReadOnly);
  EXPECT_EQ(doc.m_Verze, 2u);
  EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);

  // This session's own copy is no offer; a later start sees it.
  EXPECT_TRUE(store.Pending().empty());
  const std::vector<SRecoveryCopy> pending = CRecoveryStore(folder).Pending();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0].calendarPath, CRecoveryStore::CalendarKey(calendar));
  const std::string bytes = ReadFile(pending[0].path);
  for (const std::string& file : {pending[0].path, pending[0].path + ".path"})
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(bytes.find(Cp1250FromUtf8("neuložená")), std::string::npos);  // scrambled as a save is
  EXPECT_EQ(bytes.find("heslo"), std::string::npos);
  const std::uint32_t version = doc.m_Verze;
  EXPECT_EQ(bytes, StoreCalendar(doc));
  doc.m_Verze = version;

  // The same content is not written again; a change is.
  const fs::file_time_type first = fs::last_write_time(pending[0].path);
  ASSERT_EQ(store.Write(doc), "");
  EXPECT_EQ(fs::last_write_time(pending[0].path), first);
  doc.StoreDay("2005/03/17", "x", {}, {});
  ASSERT_EQ(store.Write(doc), "");
  EXPECT_NE(ReadFile(pending[0].path), bytes);
}

TEST_F(RecoveryStoreTest, OnlyCopiesNewerThanTheirCalendarsAreOfferedNewestFirst) {
  CTedDoc doc(ui);
  OpenChangedCalendar(doc);
  CRecoveryStore(folder).Write(doc);
  CTedDoc unnamed(ui);
  ASSERT_TRUE(unnamed.OnNewDocument());
  unnamed.SetModifiedFlag(true);
  CRecoveryStore(folder).Write(unnamed);
  std::vector<SRecoveryCopy> pending = CRecoveryStore(folder).Pending();
  ASSERT_EQ(pending.size(), 2u);
  // The named copy, written first, is made the newest; both may share one clock tick otherwise.
  const auto named = std::find_if(pending.begin(), pending.end(), [&](const SRecoveryCopy& copy) {
    return !copy.calendarPath.empty();
  });
  ASSERT_NE(named, pending.end());
  const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 30, 0}};
  ::utimensat(AT_FDCWD, named->path.c_str(), later, 0);
  pending = CRecoveryStore(folder).Pending();
  ASSERT_EQ(pending.size(), 2u);
  EXPECT_EQ(pending[0].calendarPath, CRecoveryStore::CalendarKey(calendar));
  EXPECT_EQ(pending[1].calendarPath, "");

  // Saved by another program since: that copy is no longer offered.
  const timespec future[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
  ::utimensat(AT_FDCWD, calendar.c_str(), future, 0);
  pending = CRecoveryStore(folder).Pending();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0].calendarPath, "");
}

TEST_F(RecoveryStoreTest, SaveRemovesEveryCopyOfTheCalendarAndDiscardOnlyThisSessions) {
  CTedDoc doc(ui);
  OpenChangedCalendar(doc);
  CRecoveryStore declined(folder);  // a copy kept by an earlier "Ne"
  declined.Write(doc);
  CTedDoc unnamed(ui);
  ASSERT_TRUE(unnamed.OnNewDocument());
  unnamed.SetModifiedFlag(true);
  CRecoveryStore(folder).Write(unnamed);
  ASSERT_EQ(Files().size(), 4u);  // two copies, each with its companion

  CRecoveryStore session(folder);
  session.Write(doc);
  session.Discard();
  EXPECT_EQ(Files().size(), 4u);
  session.Write(doc);
  session.Saved(calendar);
  const std::vector<std::string> left = Files();
  ASSERT_EQ(left.size(), 2u);
  EXPECT_TRUE(left[0].starts_with("Nepojmenovany-")) << left[0];
}

TEST_F(RecoveryStoreTest, RestoreAsksForThePasswordTheDocumentDoesNotHave) {
  CTedDoc doc(ui);
  OpenChangedCalendar(doc, "tajne");
  CRecoveryStore(folder).Write(doc);
  const SRecoveryCopy copy = CRecoveryStore(folder).Pending().at(0);

  CTedDoc fresh(ui);
  ASSERT_TRUE(fresh.OnNewDocument());
  CRecoveryStore store(folder);
  ui.passwordAnswers = {std::string("spatne")};
  EXPECT_FALSE(store.Restore(fresh, copy));
  EXPECT_EQ(fresh.GetDayRecord("2005/03/16"), nullptr);
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].kind, Kind::PasswordPrompt);
  EXPECT_NE(ui.events[0].text.find(copy.calendarPath), std::string::npos);

  ui.passwordAnswers = {std::string("tajne")};
  ASSERT_TRUE(store.Restore(fresh, copy));
  EXPECT_EQ(fresh.GetDayRecord("2005/03/16")->m_Poznamka, Cp1250FromUtf8("neuložená poznámka"));
  EXPECT_EQ(fresh.GetPathName(), copy.calendarPath);
  EXPECT_TRUE(fresh.IsModified());

  // The calendar opened with its password: no second prompt. A restored copy is this session's.
  ui.Clear();
  CTedDoc opened(ui);
  ui.passwordAnswers = {std::string("tajne")};
  ASSERT_TRUE(opened.OnOpenDocument(calendar));
  ui.Clear();
  CRecoveryStore again(folder);
  ASSERT_TRUE(again.Restore(opened, copy));
  EXPECT_TRUE(ui.events.empty());
  again.Discard();
  EXPECT_FALSE(fs::exists(copy.path));
}

TEST_F(RecoveryStoreTest, DamagedCopyIsReportedAndLeavesTheDocument) {
  fs::create_directories(folder);
  const std::string path = folder + "/diar-0-x.orv";
  std::ofstream(path) << "poškozeno";
  std::ofstream(path + ".path") << calendar;
  CTedDoc doc(ui);
  ASSERT_TRUE(doc.OnNewDocument());
  CRecoveryStore store(folder);
  const std::vector<SRecoveryCopy> pending = store.Pending();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_FALSE(store.Restore(doc, pending[0]));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_TRUE(ui.Messages()[0].starts_with("Záložní kopii " + path + " nelze načíst")) << ui.Messages()[0];
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(doc.GetPathName().empty());
}

}  // namespace
}  // namespace orv
