#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "FakeUiServices.h"
#include "cli/CliCommand.h"

namespace orv::cli {
namespace {

struct NamesRun {
  int status;
  std::vector<std::string> lines;
  std::string err;
};

NamesRun RunNames(std::vector<std::string> args) {
  std::ostringstream out, err;
  test::FakeUiServices ui;
  CliContext ctx{out, err, ui};
  args.insert(args.begin(), "names");
  const int status = RunOrv(args, ctx);
  NamesRun run{status, {}, err.str()};
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
  return run;
}

TEST(CmdNames, NameDaysAlphabeticallyWithTheirDates) {
  const NamesRun run = RunNames({});
  EXPECT_EQ(run.status, kExitOk);
  ASSERT_EQ(run.lines.size(), 368u);
  EXPECT_EQ(run.lines.front(), "Adam a Eva\t24. prosince");
  EXPECT_EQ(run.lines.back(), "Žofie\t15. května");
  const auto at = [&](const std::string& line) {
    return std::find(run.lines.begin(), run.lines.end(), line) - run.lines.begin();
  };
  EXPECT_LT(at("Ctirad\t16. ledna"), at("Čestmír\t08. ledna"));
  EXPECT_LT(at("Čestmír\t08. ledna"), at("Dalibor\t04. června"));
  EXPECT_LT(at("Hynek\t01. února"), at("Jáchym\t16. srpna"));
  EXPECT_EQ(RunNames({"--category", "0"}).lines, run.lines);
}

TEST(CmdNames, OtherCategoriesInCalendarOrder) {
  const NamesRun state = RunNames({"--category", "1"});
  EXPECT_EQ(state.status, kExitOk);
  EXPECT_EQ(state.lines, (std::vector<std::string>{
                             "01. ledna\tDen obnovy samostatného českého státu",
                             "08. května\tDen osvobození od fašismu (1945)",
                             "05. července\tDen slovanských věrozvěstů Cyrila a Metoděje",
                             "06. července\tmistr Jan Hus (1415)",
                             "28. září\tDen české státnosti",
                             "28. října\tDen vzniku samostatného Československa (1918)",
                             "17. listopadu\tDen boje za svobodu a demokracii",
                         }));
  const NamesRun other = RunNames({"--category", "2"});
  ASSERT_EQ(other.lines.size(), 6u);
  EXPECT_EQ(other.lines[0], "01. ledna\tNový rok");
  EXPECT_NE(other.lines[1].find("\tVelikonoční pondělí"), std::string::npos);  // before 1 May in any year
  EXPECT_EQ(other.lines[5], "26. prosince\t2. svátek vánoční");
  EXPECT_EQ(RunNames({"--category", "4"}).lines.size(), 6u);
  EXPECT_EQ(RunNames({"--category", "3"}).status, kExitNotFound);
}

TEST(CmdNames, RefusesBadArguments) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--category", "5"},
                                                                                    {"--category", "x"},
                                                                                    {"--category", "-1"},
                                                                                    {"--category"},
                                                                                    {"--kategorie", "1"},
                                                                                    {"a.orv", "b.orv"}}) {
    const NamesRun run = RunNames(args);
    EXPECT_EQ(run.status, kExitError) << args.front();
    EXPECT_TRUE(run.lines.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

}  // namespace
}  // namespace orv::cli
