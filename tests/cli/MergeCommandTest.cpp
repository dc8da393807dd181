// orv conflicts and orv merge: the copies beside a calendar, and a copy merged into it, saved, and
// the copy in the Trash; a damaged copy changes nothing.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "cli/CliCommand.h"
#include "document/CalendarArchive.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class OrvMerge : public ::testing::Test {
 protected:
  OrvMerge() {
    char pattern[] = "/tmp/orv-merge-cli-XXXXXX";
    dir = ::mkdtemp(pattern);
    if (const char* old = std::getenv("XDG_DATA_HOME")) oldDataHome = old;
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    calendar = (dir / "denik.orv").string();
    copy = (dir / "denik.sync-conflict-20261211-101500-ABCDEF1.orv").string();
    base = (dir / "zaklad.orv").string();
    Write(base,
          [](test::CalendarBuilder& b) { b.Day("2015/06/01", "spolecne").Day("2015/06/02", "smazat"); });
    Write(calendar, [](test::CalendarBuilder& b) {
      b.Day("2015/06/01", "spolecne; doma").Day("2015/06/02", "smazat").Day("2015/06/10", "doma");
    });
    Write(copy, [](test::CalendarBuilder& b) {
      b.Day("2015/06/01", "spolecne; v praci").Day("2015/06/11", "v praci");
    });
  }
  ~OrvMerge() override {
    if (oldDataHome)
      ::setenv("XDG_DATA_HOME", oldDataHome->c_str(), 1);
    else
      ::unsetenv("XDG_DATA_HOME");
    fs::remove_all(dir);
  }

  static void Write(const fs::path& path, void (*build)(test::CalendarBuilder&)) {
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder builder(c);
    build(builder);
    std::ofstream(path, std::ios::binary) << StoreCalendar(c);
  }
  static std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int Orv(std::vector<std::string> args) {
    ui.Clear();
    out.str({});
    err.str({});
    cli::CliContext ctx{out, err, ui};
    return cli::RunOrv(args, ctx);
  }
  std::string Note(const std::string& day) {
    Orv({"day", calendar, day});
    return out.str();
  }

  fs::path dir;
  std::optional<std::string> oldDataHome;
  std::string calendar, copy, base;
  test::FakeUiServices ui;
  std::ostringstream out, err;
};

TEST_F(OrvMerge, ConflictsListsTheCopiesOfThisCalendarOnly) {
  std::ofstream(dir / "jiny.sync-conflict-20261211-101500-ABCDEF1.orv") << "x";
  EXPECT_EQ(Orv({"conflicts", calendar}), 0);
  EXPECT_EQ(out.str(), copy + "\n");
  EXPECT_EQ(Orv({"conflicts", (dir / "jiny2.orv").string()}), 1);
  EXPECT_EQ(out.str(), "");
}

TEST_F(OrvMerge, ThreeWayKeepsBothSidesTakesDeletionsAndTrashesTheCopy) {
  ASSERT_EQ(Orv({"merge", calendar, copy, "--base", base}), 0) << err.str();
  EXPECT_NE(out.str().find("2015-06-01\n"), std::string::npos) << out.str();
  EXPECT_NE(Note("2015-06-01").find("spolecne; doma; v praci"), std::string::npos) << out.str();
  EXPECT_NE(Note("2015-06-10").find("doma"), std::string::npos);
  EXPECT_NE(Note("2015-06-11").find("v praci"), std::string::npos);
  EXPECT_EQ(Note("2015-06-02").find("smazat"), std::string::npos);  // the copy deleted it
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_TRUE(fs::exists(dir / "data/Trash/files" / fs::path(copy).filename()));
  EXPECT_TRUE(fs::exists(dir / "data/Trash/info" / (fs::path(copy).filename().string() + ".trashinfo")));
}

TEST_F(OrvMerge, TwoWayIsTheUnionAndKeepLeavesTheCopy) {
  ASSERT_EQ(Orv({"merge", calendar, copy, "--keep"}), 0) << err.str();
  EXPECT_NE(Note("2015-06-02").find("smazat"), std::string::npos);
  EXPECT_NE(Note("2015-06-11").find("v praci"), std::string::npos);
  EXPECT_TRUE(fs::exists(copy));
}

TEST_F(OrvMerge, ADamagedCopyIsRefusedAndNothingMoves) {
  const std::string damaged = (dir / "denik_conflict-20261211-101500.orv").string();
  const std::string bytes = Bytes(copy).substr(0, 40);
  std::ofstream(damaged, std::ios::binary) << bytes;
  const std::string before = Bytes(calendar);
  EXPECT_EQ(Orv({"merge", calendar, damaged}), 2);
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_NE(ui.Messages().front().find("je poškozený nebo není kalendářem"), std::string::npos);
  EXPECT_EQ(Bytes(calendar), before);
  EXPECT_EQ(Bytes(damaged), bytes);
  EXPECT_EQ(Orv({"merge", calendar, calendar}), 2);
  EXPECT_EQ(Bytes(calendar), before);
}

// Both commentaries are within what the editor takes, joined they are not (a paragraph every few bytes):
// the merge is refused with the editor's message, the calendar stays as it was and the copy in place.
TEST_F(OrvMerge, CommentariesTooLargeToJoinLeaveTheCalendarAndTheCopy) {
  static const auto pars = [](std::string text) {
    for (int i = 0; i < 100000; ++i) text += "\\par ";  // stored as text, read as paragraphs
    return text;
  };
  Write(calendar, [](test::CalendarBuilder& b) { b.Day("2015/06/01", "", pars("doma")); });
  Write(copy, [](test::CalendarBuilder& b) { b.Day("2015/06/01", "", pars("v praci")); });
  const std::string before = Bytes(calendar);
  EXPECT_EQ(Orv({"merge", calendar, copy}), cli::kExitError);
  EXPECT_EQ(err.str().rfind("Výklad je příliš velký\n", 0), 0u) << err.str();
  EXPECT_TRUE(Bytes(calendar) == before);
  EXPECT_TRUE(fs::exists(copy));
  // Appending the copy is refused the same way.
  EXPECT_EQ(Orv({"append", copy, calendar}), cli::kExitError);
  EXPECT_TRUE(Bytes(calendar) == before);
}

}  // namespace
}  // namespace orv
