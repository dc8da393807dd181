// orv over calendars whose records lie outside the run's years, the records of one day in every year,
// and the commands that take today's date when none is given.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "CalendarBuilder.h"
#include "OrvRun.h"
#include "core/CalendarDates.h"
#include "document/CalendarArchive.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::RunOrvCaptured;

class TodayCommands : public ::testing::Test {
 protected:
  TodayCommands() {
    char pattern[] = "/tmp/orv-today-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = (dir / "denik.orv").string();
  }
  ~TodayCommands() override { fs::remove_all(dir); }

  void Write(void (*build)(test::CalendarBuilder&)) {
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder builder(c);
    build(builder);
    std::ofstream(file, std::ios::binary) << StoreCalendar(c);
  }
  std::string Bytes() const {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir;
  std::string file;
};

// The run's range is 2000-2020 here; the file's 1995 and 2041 records widen it for every command.
TEST_F(TodayCommands, RecordsOutsideTheRangeAreReachedByEveryCommand) {
  Write([](test::CalendarBuilder& b) {
    b.Day("1995/06/01", "stary", "").Day("2010/01/01", "uprostred", "").Day("2041/03/02", "budouci", "");
    b.Day("2005/02/30", "neplatny", "");
  });
  const std::string before = Bytes();
  EXPECT_EQ(RunOrvCaptured({"note", file, "1995-06-01"}).out, "stary\n");
  EXPECT_EQ(RunOrvCaptured({"day", file, "2041-03-02"}).out, "Poznámka: budouci\n");
  EXPECT_EQ(Bytes(), before);  // reading widens the range and writes nothing
  EXPECT_EQ(YearRange(), (SYearRange{2000, 2020}));

  // A year between the records' years and the range's is reached as well; beyond both is not.
  EXPECT_EQ(RunOrvCaptured({"note", file, "1998-01-01", "mezi"}).status, 0);
  const test::OrvRun beyond = RunOrvCaptured({"note", file, "1994-12-31", "x"});
  EXPECT_EQ(beyond.status, 2);
  EXPECT_NE(beyond.err.find("v letech 1995 až 2041"), std::string::npos) << beyond.err;

  const std::string txt = (dir / "out.txt").string();
  ASSERT_EQ(RunOrvCaptured({"export-txt", file, txt}).status, 0);
  std::ifstream exported(txt, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(exported), {}};
  for (const char* note : {"stary", "mezi", "uprostred", "budouci"})
    EXPECT_NE(text.find(note), std::string::npos) << note << " in\n" << text;

  ASSERT_EQ(RunOrvCaptured({"delete", file, "--from", "1995-01-01", "--to", "1999-12-31"}).status, 0);
  EXPECT_EQ(RunOrvCaptured({"--years", "1990-2041", "note", file, "1995-06-01"}).status, 1);
  EXPECT_EQ(RunOrvCaptured({"note", file, "2041-03-02"}).out, "budouci\n");
}

TEST_F(TodayCommands, OnThisDayListsEveryYearNewestFirst) {
  Write([](test::CalendarBuilder& b) {
    b.Day("2019/07/14", "v\xfdlet", "R\xe1no\rd\xe9\x9a\x9d");
    b.Day("1999/07/14", "", "jen v\xfdklad");
    b.Day("2005/07/15", "vedle", "");
    b.Day("2004/02/29", "p\xf8\x65stupn\xfd", "");
    b.Day("2005/02/28", "konec", "");
  });
  struct Case {
    const char* day;
    int status;
    const char* out;
    const char* err;
  };
  for (const Case& c : {
           Case{"07-14", 0, "2019-07-14\tvýlet\tRáno déšť\n1999-07-14\t\tjen výklad\n", ""},
           Case{"02-29", 0, "2004-02-29\tpřestupný\t\n", ""},
           Case{"02-28", 0, "2005-02-28\tkonec\t\n", ""},
           Case{"12-24", 1, "", ""},
           Case{"02-30", 2, "",
                "Neplatný den \"02-30\": zadejte měsíc a den ve tvaru MM-DD, například 07-14.\n"},
           Case{"13-01", 2, "", "Neplatný den \"13-01\": zadejte měsíc a den ve tvaru MM-DD, například 07-14.\n"},
           Case{"7-14", 2, "", "Neplatný den \"7-14\": zadejte měsíc a den ve tvaru MM-DD, například 07-14.\n"},
       }) {
    const test::OrvRun run = RunOrvCaptured({"on-this-day", file, c.day});
    EXPECT_EQ(run.status, c.status) << c.day;
    EXPECT_EQ(run.out, c.out) << c.day;
    EXPECT_EQ(run.err, c.err) << c.day;
  }
}

TEST_F(TodayCommands, ADateLeftOutIsToday) {
  const Date today = Today();
  const CYearRangeScope years(DefaultYearRange(today.year));
  ASSERT_EQ(RunOrvCaptured({"new", file}).status, 0);
  char key[16];
  std::snprintf(key, sizeof key, "%04d-%02d-%02d", today.year, today.month, today.day);
  ASSERT_EQ(RunOrvCaptured({"note", file, key, "dnes"}).status, 0);
  EXPECT_EQ(RunOrvCaptured({"note", file}).out, "dnes\n");
  EXPECT_EQ(RunOrvCaptured({"day", file}).out, "Poznámka: dnes\n");
  EXPECT_EQ(RunOrvCaptured({"on-this-day", file}).out, std::string(key) + "\tdnes\t\n");
}

}  // namespace
}  // namespace orv
