// Conflict copies beside a calendar: the names the sync tools write, nothing else; and the Trash
// they go to after a merge.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "document/merge/ConflictCopies.h"
#include "document/merge/Trash.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(ConflictCopies, ExactNamesOfTheSyncToolsForTheSameStem) {
  const struct {
    const char* name;
    bool copy;
  } cases[] = {
      {"denik.sync-conflict-20261211-101500-ABCDEF1.orv", true},
      {"denik (conflicted copy 2026-12-11 101500).orv", true},
      {"denik_conflict-20261211-101500.orv", true},
      {"denik (Jana's conflicted copy 2026-12-11).orv", true},
      {"denik (Jana's MacBook's conflicted copy 2026-12-11).orv", true},
      {"denik.orv", false},
      {"denik2.sync-conflict-20261211-101500-ABCDEF1.orv", false},  // another calendar
      {"den.sync-conflict-20261211-101500-ABCDEF1.orv", false},
      {"denik.sync-conflict-20261211-101500-ABCDEF1.txt", false},
      {"denik.sync-conflict-2026121-101500-ABCDEF1.orv", false},  // a digit short
      {"denik.sync-conflict-20261211-101500-abcdef1.orv", false},
      {"denik (conflicted copy 2026-12-11).orv", false},
      {"denik ( conflicted copy 2026-12-11).orv", false},  // whose copy: nobody
      {"denik () conflicted copy 2026-12-11).orv", false},
      {"denik_conflict-20261211-101500.orv.bak", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsConflictCopyName("denik.orv", c.name), c.copy) << c.name;
}

TEST(ConflictCopies, FoundBesideTheCalendarOnly) {
  char pattern[] = "/tmp/orv-copies-XXXXXX";
  const fs::path root(::mkdtemp(pattern));
  for (const char* name :
       {"denik.orv", "denik_conflict-20261211-101500.orv", "jiny_conflict-20261211-101500.orv",
        "denik.sync-conflict-20261211-101500-ABCDEF1.orv"})
    std::ofstream(root / name) << "x";
  fs::create_directory(root / "denik (conflicted copy 2026-12-11 101500).orv");  // a folder is no copy
  const std::vector<std::string> copies = FindConflictCopies((root / "denik.orv").string());
  const std::vector<std::string> expected{(root / "denik.sync-conflict-20261211-101500-ABCDEF1.orv").string(),
                                          (root / "denik_conflict-20261211-101500.orv").string()};
  EXPECT_EQ(copies, expected);
  fs::remove_all(root);
}

class TrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orv-trash-XXXXXX";
    root = ::mkdtemp(pattern);
    const char* old = std::getenv("XDG_DATA_HOME");
    if (old) oldDataHome = old;
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
  }
  void TearDown() override {
    if (oldDataHome)
      ::setenv("XDG_DATA_HOME", oldDataHome->c_str(), 1);
    else
      ::unsetenv("XDG_DATA_HOME");
    fs::remove_all(root);
  }
  static std::string Read(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
  }
  fs::path root;
  std::optional<std::string> oldDataHome;
};

TEST_F(TrashTest, MovedWithInfoAndNamesKeptApart) {
  fs::create_directory(root / "Sync");
  const fs::path copy = root / "Sync" / "denik (a b) č.orv";
  for (const char* content : {"first", "second"}) {
    std::ofstream(copy) << content;
    const STrashed trashed = MoveToTrash(copy.string());
    ASSERT_EQ(trashed.error, "");
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(Read(trashed.path), content);
  }
  const fs::path trash = root / "data" / "Trash";
  EXPECT_TRUE(fs::exists(trash / "files" / "denik (a b) č.orv.2"));
  const std::string info = Read(trash / "info" / "denik (a b) č.orv.trashinfo");
  EXPECT_TRUE(
      info.starts_with("[Trash Info]\nPath=" + root.string() + "/Sync/denik%20%28a%20b%29%20%C4%8D.orv\n"))
      << info;
  EXPECT_NE(info.find("\nDeletionDate=20"), std::string::npos);
}

}  // namespace
}  // namespace orv
