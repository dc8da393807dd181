#pragma once
// A temporary folder with one open calendar document, for the tests of opening and saving files.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "document/CalendarArchive.h"
#include "document/TedDoc.h"

namespace orv {

namespace fs = std::filesystem;
using Kind = test::FakeUiServices::Kind;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Root writes anywhere; file permissions are tested as an ordinary user for the scope.
class AsOrdinaryUser {
 public:
  AsOrdinaryUser() : m_Root(::geteuid() == 0) {
    if (m_Root) {
      EXPECT_EQ(::seteuid(65534), 0);
    }
  }
  ~AsOrdinaryUser() {
    if (m_Root) {
      EXPECT_EQ(::seteuid(0), 0);
    }
  }

 private:
  bool m_Root;
};

// A calendar whose bytes run to about `megabytes` MB.
inline void FillTo(CTedDoc& doc, int megabytes) {
  for (int day = 1; day <= megabytes; ++day) {
    const std::string key = "2006/01/" + std::string(day < 10 ? "0" : "") + std::to_string(day);
    doc.StoreDay(key, "den", "", std::string(1 << 20, static_cast<char>('a' + day % 26)));
  }
}

class TedDocFile : public ::testing::Test {
 protected:
  TedDocFile() {
    char pattern[] = "/tmp/orv-doc-XXXXXX";
    dir = ::mkdtemp(pattern);
    // Copies put aside by in-place saves go to a state folder that every test user may write.
    char statePattern[] = "/tmp/orv-state-XXXXXX";
    state = ::mkdtemp(statePattern);
    fs::permissions(state, fs::perms::all | fs::perms::sticky_bit);
    if (const char* before = std::getenv("XDG_STATE_HOME")) stateBefore = before;
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    doc.StoreDay("2001/01/01", "open before", "", "");
    doc.SetModifiedFlag(false);
  }
  ~TedDocFile() override {
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove_all(dir);
    fs::remove_all(state);
    if (stateBefore)
      ::setenv("XDG_STATE_HOME", stateBefore->c_str(), 1);
    else
      ::unsetenv("XDG_STATE_HOME");
  }
  // A calendar file with every kind of record, written by the program.
  std::string Calendar(const std::string& password = {}) {
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder(c).EveryKindOfRecord().Passwords(password, "autor");
    return StoreCalendar(c);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  bool StillAsBefore() const {
    return doc.GetRecordCount() == 1 && doc.GetDayRecord("2001/01/01") && !doc.IsModified() &&
           doc.GetPathName().empty();
  }

  fs::path dir;
  fs::path state;
  std::optional<std::string> stateBefore;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
};

}  // namespace orv
