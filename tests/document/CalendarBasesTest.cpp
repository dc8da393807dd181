// The bases of merges in the state folder: a calendar opened again unchanged leaves its base as it
// is, a changed one replaces it, and bases of calendars gone or long unused are dropped.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "TestFiles.h"
#include "document/merge/CalendarBases.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class CalendarBasesTest : public ::testing::Test {
 protected:
  static fs::path Dir() { return fs::temp_directory_path() / ("orv-bases-" + std::to_string(::getpid())); }
  void SetUp() override {
    fs::remove_all(m_Dir);
    fs::create_directories(m_Dir / "calendars");
  }
  void TearDown() override { fs::remove_all(m_Dir); }

  std::string Calendar(const char* name) const { return (m_Dir / "calendars" / name).string(); }
  // The one base file kept in the folder.
  fs::path BaseFile() const {
    fs::path found;
    for (const auto& entry : fs::directory_iterator(folder)) found = entry.path();
    return found;
  }
  std::size_t BaseCount() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
  }

  fs::path m_Dir = Dir();
  std::string folder = (m_Dir / "state/orvella/base").string();
  CCalendarBases bases{folder};
};

TEST_F(CalendarBasesTest, TheSameBytesLeaveTheBaseInPlaceAndOthersReplaceIt) {
  const std::string calendar = Calendar("denik.orv");
  test::WriteFile(calendar, "soubor");
  ASSERT_EQ(bases.Keep(calendar, "prvni verze"), "");
  const fs::path base = BaseFile();
  struct stat first {};
  ASSERT_EQ(::stat(base.c_str(), &first), 0);
  EXPECT_EQ(first.st_mode & 0777, 0600u);
  // Unused for a while, then opened again unchanged: the same file, marked as used now.
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::days(30);
  fs::last_write_time(base, longAgo);
  ASSERT_EQ(bases.Keep(calendar, "prvni verze"), "");
  struct stat again {};
  ASSERT_EQ(::stat(base.c_str(), &again), 0);
  EXPECT_EQ(again.st_ino, first.st_ino);
  EXPECT_GT(fs::last_write_time(base), longAgo + std::chrono::days(29));

  for (const char* changed : {"druha verze", "prvni verz", "prvni verze a dalsi"}) {
    ASSERT_EQ(bases.Keep(calendar, changed), "");
    EXPECT_EQ(bases.Find(calendar), changed);
  }
  EXPECT_EQ(BaseCount(), 1u);
}

// Kept for the file as it is on disk, a base is not compared again for that same file, unless it is
// not whole (a crash before the disk had it); another state of the file is compared as any bytes.
TEST_F(CalendarBasesTest, ABaseKeptForTheFileOnDiskIsTrustedOnlyWhileWholeAndForThatFile) {
  const std::string calendar = Calendar("denik.orv");
  test::WriteFile(calendar, "soubor");
  const SFileIdentity opened{1, 2, 11, 1000}, saved{1, 3, 11, 2000};
  ASSERT_EQ(bases.Keep(calendar, "prvni verze", opened), "");
  ASSERT_EQ(bases.Keep(calendar, "druha verze", saved), "");
  EXPECT_EQ(bases.Find(calendar), "druha verze");
  ASSERT_EQ(::truncate(BaseFile().c_str(), 4), 0);
  ASSERT_EQ(bases.Keep(calendar, "druha verze", saved), "");
  EXPECT_EQ(bases.Find(calendar), "druha verze");
  ASSERT_EQ(bases.Keep(calendar, "treti verze"), "");
  ASSERT_EQ(bases.Keep(calendar, "ctvrta verz", saved), "");  // the identity went with the third
  EXPECT_EQ(bases.Find(calendar), "ctvrta verz");
}

TEST_F(CalendarBasesTest, BasesOfCalendarsGoneOrUnusedForMonthsAreDropped) {
  const std::string kept = Calendar("zustava.orv"), deleted = Calendar("smazany.orv"),
                    unused = Calendar("nepouzivany.orv"),
                    unmounted = (m_Dir / "odpojeny-disk/denik.orv").string();
  for (const std::string& calendar : {kept, deleted, unused}) test::WriteFile(calendar, "soubor");
  for (const std::string& calendar : {kept, deleted, unused, unmounted})
    ASSERT_EQ(bases.Keep(calendar, "zaklad " + calendar), "");
  fs::remove(deleted);
  for (const auto& entry : fs::directory_iterator(folder))
    if (test::FileBytes(entry.path()) == "zaklad " + unused)
      fs::last_write_time(entry.path(), fs::file_time_type::clock::now() -
                                            std::chrono::days(CCalendarBases::kUnusedBaseDays + 1));

  bases.Prune(fs::file_time_type::clock::now() - std::chrono::days(CCalendarBases::kUnusedBaseDays));
  EXPECT_EQ(bases.Find(kept), "zaklad " + kept);
  EXPECT_EQ(bases.Find(deleted), std::nullopt);
  EXPECT_EQ(bases.Find(unused), std::nullopt);
  // A calendar whose folder is not there (a drive not mounted now) may come back.
  EXPECT_EQ(bases.Find(unmounted), "zaklad " + unmounted);
}

TEST_F(CalendarBasesTest, TheFirstKeepOfARunDropsStaleBases) {
  const std::string deleted = Calendar("smazany.orv"), opened = Calendar("otevreny.orv");
  test::WriteFile(deleted, "soubor");
  ASSERT_EQ(CCalendarBases(folder).Keep(deleted, "stary zaklad"), "");
  fs::remove(deleted);
  test::WriteFile(opened, "soubor");
  ASSERT_EQ(bases.Keep(opened, "novy zaklad"), "");
  EXPECT_EQ(bases.Find(deleted), std::nullopt);
  EXPECT_EQ(bases.Find(opened), "novy zaklad");
}

}  // namespace
}  // namespace orv
