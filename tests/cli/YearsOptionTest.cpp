// The global option --years: one run of orv with other years than the calendar's own, and records
// outside the range kept and found as before.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "OrvRun.h"
#include "core/YearRange.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class YearsOption : public ::testing::Test {
 protected:
  YearsOption() {
    char pattern[] = "/tmp/orv-years-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = (dir / "denik.orv").string();
  }
  ~YearsOption() override { fs::remove_all(dir); }

  fs::path dir;
  std::string file;
};

TEST_F(YearsOption, ANoteOf2026IsWrittenWithTheRangeAndFoundWithoutIt) {
  ASSERT_EQ(test::RunOrvCaptured({"new", file}).status, 0);
  test::OrvRun run =
      test::RunOrvCaptured({"--years", "2000-2030", "note", file, "2026-12-10", "Dnešní zápis"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(YearRange(), (SYearRange{}));  // the run's range ends with the run

  // Without the option the record widens the run's years to 2026, and no further.
  run = test::RunOrvCaptured({"note", file, "2026-12-10"});
  EXPECT_EQ(run.status, 0) << run.err;
  run = test::RunOrvCaptured({"note", file, "2027-01-01"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("v letech 2000 až 2026"), std::string::npos) << run.err;
  run = test::RunOrvCaptured({"note", file, "2026-12-10", "--years", "2000-2030"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Dnešní zápis"), std::string::npos) << run.out;

  // Records outside the range stay in the file and are searched as before.
  for (const std::vector<std::string>& args : {std::vector<std::string>{"search", file, "zápis"},
                                               {"--years", "2000-2030", "search", file, "zápis"}}) {
    run = test::RunOrvCaptured(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("10. prosince 2026"), std::string::npos) << run.out;
  }
  // ... and saved along with a change made without the range.
  ASSERT_EQ(test::RunOrvCaptured({"note", file, "2005-03-15", "jaro"}).status, 0);
  run = test::RunOrvCaptured({"--years", "2000-2030", "note", file, "2026-12-10"});
  EXPECT_NE(run.out.find("Dnešní zápis"), std::string::npos) << run.out;
}

TEST_F(YearsOption, ABadRangeIsAUsageError) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  for (const Case& c : {
           Case{{"--years", "2030-2000", "count", file},
                "Neplatný rozsah let \"2030-2000\": Počáteční rok nesmí být větší než koncový.\n"},
           Case{{"count", file, "--years", "1800-2000"},
                "Neplatný rozsah let \"1800-2000\": Roky musí ležet v rozmezí 1900 až 2100.\n"},
           Case{{"count", file, "--years", "2030"},
                "Neplatný rozsah let \"2030\": Rozsah let zadejte ve tvaru OD-DO, například 2000-2030.\n"},
           Case{{"count", file, "--years"}, "Volba --years potřebuje rozsah let OD-DO.\n"},
       }) {
    const test::OrvRun run = test::RunOrvCaptured(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, c.message);
  }
  EXPECT_NE(test::RunOrvCaptured({"--help"}).out.find("--years OD-DO"), std::string::npos);
}

}  // namespace
}  // namespace orv
