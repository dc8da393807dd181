// orv spell end to end through RunOrv, with a small dictionary of the test's own, so that the listing
// is the same on every machine.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "OrvRun.h"
#include "SpellTestFolder.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"
#include "spell/SpellChecker.h"

namespace orv {
namespace {

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class SpellCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const auto why = CSpellChecker::Unavailable()) GTEST_SKIP() << *why;
  }
  SpellCommand() {
    folder.UseSmallDictionary();
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder(c)
        .Day("2004/03/05", W("poznámka"), W("Šťáva na čaj, bába\rbába a Frýdek-Místek"))
        .Day("2004/01/20", W("oběd"), W("čaj a bába"))
        .Day("2004/04/01", W("jen poznámka"))
        .Month("2004/03", W("Březen: šťáva"));
    file = (folder.Dir() / "kalendar.orv").string();
    std::ofstream(file, std::ios::binary) << StoreCalendar(c);
  }

  test::SpellTestFolder folder;
  std::string file;
};

TEST_F(SpellCommand, ListsUnknownWordsMostFrequentFirstWithTheirDaysAndMonths) {
  test::OrvRun run = test::RunOrvCaptured({"spell", file});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "bába\t3\t2004-01-20 2004-03-05\n"
            "a\t2\t2004-01-20 2004-03-05\n"
            "Březen\t1\t2004-03\n");

  run = test::RunOrvCaptured({"spell", file, "--from", "2004-03-01", "--to", "2004-03-04"});
  EXPECT_EQ(run.out, "Březen\t1\t2004-03\n");  // the month meets the period, its day does not
  run = test::RunOrvCaptured({"spell", file, "--from", "2004-04-01"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
}

TEST_F(SpellCommand, ListsAWordWrittenInDifferentCasesOnceWithAllItsDays) {
  test::FakeUiServices quiet;
  CCalendarContent c(quiet);
  test::CalendarBuilder(c)
      .Day("2004/02/01", W("a"), W("Kalendrář na čaj"))
      .Day("2004/02/02", W("b"), W("kalendrář"))
      .Month("2004/02", W("kalendrář"));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << StoreCalendar(c);
  const test::OrvRun run = test::RunOrvCaptured({"spell", file});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "kalendrář\t3\t2004-02 2004-02-01 2004-02-02\n");
}

TEST_F(SpellCommand, RefusesWithoutDictionaryOrWithABadPeriod) {
  test::OrvRun run = test::RunOrvCaptured({"spell", file, "--from", "2004-05-01", "--to", "2004-04-01"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Počáteční datum"), std::string::npos) << run.err;
  run = test::RunOrvCaptured({"spell"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("orv spell SOUBOR.orv"), std::string::npos) << run.err;
  folder.HideDictionary();
  run = test::RunOrvCaptured({"spell", file});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("hunspell-cs"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace orv
