#include <gtest/gtest.h>

#include <sstream>

#include "FakeUiServices.h"
#include "cli/CliCommand.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"

namespace orv::cli {
namespace {

struct MonthRun {
  int status;
  std::vector<std::string> lines;
  std::string err;
};

MonthRun RunMonth(std::vector<std::string> args) {
  std::ostringstream out, err;
  test::FakeUiServices ui;
  CliContext ctx{out, err, ui};
  args.insert(args.begin(), "month");
  const int status = RunOrv(args, ctx);
  MonthRun run{status, {}, err.str()};
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
  return run;
}

TEST(CmdMonth, CaptionAndRowsOfANewCalendar) {
  const MonthRun run = RunMonth({"2005-01"});
  EXPECT_EQ(run.status, kExitOk);
  ASSERT_EQ(run.lines.size(), 32u);
  EXPECT_EQ(run.lines[0], "Leden  2005");
  EXPECT_EQ(run.lines[1], " 1\t 1\tSo\t \tDen obnovy samostatného českého státu \t  Nový rok");
  EXPECT_EQ(run.lines[3], " 2\t 3\tPo\tC\tRadmila");
  EXPECT_EQ(RunMonth({"2005-01", "--no-moon", "--hide", "statni,jmenne"}).lines[1], " 1\t 1\tSo\tNový rok");
}

TEST(CmdMonth, WithoutAMonthShowsTheMonthTheCalendarStartsOn) {
  const Date start = StartDateFor(Today());
  const MonthRun run = RunMonth({});
  EXPECT_EQ(run.status, kExitOk);
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines[0], Cp1250ToUtf8(MonthName(start.month)) + "  " + std::to_string(start.year));
  EXPECT_EQ(run.lines.size(), 1u + DaysInMonth(start.year, start.month));
}

TEST(CmdMonth, ColoursFollowTheTableFormats) {
  const MonthRun run = RunMonth({"2005-01", "--color", "--hide", "ostatni"});
  EXPECT_EQ(
      run.lines[1],
      " 1\t\x1b[22;38;2;255;0;0m 1\x1b[0m\t\x1b[22;38;2;255;0;0mSo\x1b[0m\t\x1b[22;38;2;128;128;0m \x1b[0m\t"
      "\x1b[1;38;2;255;0;0mDen obnovy samostatného českého státu\x1b[0m");
}

TEST(CmdMonth, RefusesBadArguments) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"2021-01"},
                                             {"2005-13"},
                                             {"2005-1"},
                                             {"a.orv", "2005-01", "x"},
                                             {"2005-01", "--hide", "svatky"}}) {
    const MonthRun run = RunMonth(args);
    EXPECT_EQ(run.status, kExitError);
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.lines.empty());
  }
}

}  // namespace
}  // namespace orv::cli
