// orv append: the source merged into the target file, which is saved; nothing merged is exit 1.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestFiles.h"
#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "cli/CliCommand.h"
#include "document/CalendarArchive.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;

class OrvAppend : public ::testing::Test {
 protected:
  OrvAppend() {
    char pattern[] = "/tmp/orv-append-cli-XXXXXX";
    dir = ::mkdtemp(pattern);
    source = (dir / "domov.orv").string();
    target = (dir / "prace.orv").string();
    Write(source, [](test::CalendarBuilder& b) {
      b.Day("2005/03/07", "b;c", "vecer")
          .Day("2006/01/01", "Nový rok")
          .Month("2005/03", "březen")
          .Passwords("zdroj");
    });
    Write(target, [](test::CalendarBuilder& b) { b.Day("2005/03/07", "a; b", "rano").Passwords("cil"); });
  }
  ~OrvAppend() override { fs::remove_all(dir); }

  void Write(const fs::path& path, void (*build)(test::CalendarBuilder&)) {
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder builder(c);
    build(builder);
    std::ofstream(path, std::ios::binary) << StoreCalendar(c);
  }
  int Orv(std::vector<std::string> args) {
    ui.Clear();
    out.str({});
    err.str({});
    cli::CliContext ctx{out, err, ui};
    return cli::RunOrv(args, ctx);
  }
  std::vector<std::string> Append(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"append", source, target, "--password", "zdroj", "--target-password",
                                     "cil"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  const CEntrTxt* TargetDay(const char* key) {
    ui.passwordAnswers = {"cil"};
    if (!loaded.OnOpenDocument(target)) return nullptr;
    return loaded.GetDayRecord(key);
  }

  fs::path dir;
  std::string source, target;
  test::FakeUiServices ui;
  std::ostringstream out, err;
  CTedDoc loaded{ui};
};

TEST_F(OrvAppend, MergesAndSavesTheTargetAndASecondRunAddsNothing) {
  const std::string sourceBytes = FileBytes(source);
  ASSERT_EQ(Orv(Append()), 0) << err.str();
  EXPECT_EQ(out.str(),
            "Připojení je hotovo. Nových záznamů: 2, doplněných záznamů: 1, změněných stylů: 0.\n");
  const CEntrTxt* day = TargetDay("2005/03/07");
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(day->m_Poznamka, "a; b; c");
  EXPECT_EQ(day->m_Text, "rano\rvecer");
  EXPECT_EQ(loaded.GetDayRecord("2006/01/01")->m_Poznamka, "Nový rok");
  EXPECT_EQ(loaded.m_Heslo, "cil");
  EXPECT_EQ(FileBytes(source), sourceBytes);

  const std::string merged = FileBytes(target);
  EXPECT_EQ(Orv(Append()), 1);
  EXPECT_EQ(FileBytes(target), merged);
}

TEST_F(OrvAppend, ARangeTakesItsDaysOnlyAndAnEmptyOneMergesNothing) {
  ASSERT_EQ(Orv(Append({"--from", "2006-01-01"})), 0) << err.str();
  EXPECT_EQ(TargetDay("2005/03/07")->m_Poznamka, "a; b");
  EXPECT_EQ(loaded.GetDayRecord("2006/01/01")->m_Poznamka, "Nový rok");
  EXPECT_EQ(loaded.GetMonthRecord("2005/03"), nullptr);

  const std::string before = FileBytes(target);
  EXPECT_EQ(Orv(Append({"--from", "2010-01-01", "--to", "2010-12-31"})), 1);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"V zadaném rozsahu žádné poznámky nejsou !"});
  EXPECT_EQ(Orv(Append({"--from", "2010-01-02", "--to", "2010-01-01"})), 2);
  EXPECT_EQ(FileBytes(target), before);
}

TEST_F(OrvAppend, TheSameFileOrAWrongTargetPasswordIsRefused) {
  fs::create_symlink(source, dir / "odkaz.orv");
  const std::string before = FileBytes(source);
  EXPECT_EQ(Orv({"append", source, (dir / "odkaz.orv").string(), "--password", "zdroj"}), 1);
  EXPECT_EQ(FileBytes(source), before);

  const std::string targetBefore = FileBytes(target);
  ui.Clear();
  EXPECT_EQ(Orv({"append", source, target, "--password", "zdroj", "--target-password", "zdroj2"}), 2);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Heslo není správné. Kalendář " + fs::absolute(target).string() +
                                                    " nebyl otevřen."});
  EXPECT_EQ(FileBytes(target), targetBefore);
}

}  // namespace
}  // namespace orv
