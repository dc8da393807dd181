#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/CalendarDates.h"
#include "core/MoonPhases.h"

namespace orv {
namespace {

class MoonPhasesTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildMoonMap(m_Moons); }
  std::string Glyph(int year, int month, int day) const { return MoonGlyph(m_Moons, year, month, day); }
  CMoonMap m_Moons;
};

TEST_F(MoonPhasesTest, KnownDaysShowTheirPhase) {
  struct Case {
    int year, month, day;
    const char* glyph;
  };
  for (const Case& c : {
           Case{2000, 1, 6, "U"},
           Case{2000, 1, 14, "D"},
           Case{2000, 1, 21, "N"},
           Case{2000, 1, 28, "C"},
           Case{2000, 1, 7, " "},
           Case{2017, 6, 9, "N"},
           Case{2016, 7, 26, "C"},  // a quarter seconds before midnight UTC+1 stays on its day
           Case{2016, 7, 27, " "},
           Case{2020, 12, 14, "U"},
           Case{2020, 12, 22, "D"},
           Case{2020, 12, 30, "N"},
           Case{2020, 12, 8, "C"},
       })
    EXPECT_EQ(Glyph(c.year, c.month, c.day), c.glyph) << c.year << '-' << c.month << '-' << c.day;
}

TEST_F(MoonPhasesTest, YearsOutsideTheCalendarHaveNoPhases) {
  // 6 January of 1999 and 2021 share the month and day of a table entry of 2000.
  for (int year : {1999, 2021})
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= DaysInMonth(year, month); ++day)
        ASSERT_EQ(Glyph(year, month, day), " ") << year << '-' << month << '-' << day;
}

TEST_F(MoonPhasesTest, TablesHoldEveryPhaseOnceInDateOrder) {
  struct Expected {
    MoonPhase phase;
    size_t count;
    const char* first;
    const char* last;
  };
  std::set<std::string> seen;
  for (const Expected& e : {Expected{MoonPhase::New, 260, "01/06/2000", "12/14/2020"},
                            Expected{MoonPhase::FirstQuarter, 260, "01/14/2000", "12/22/2020"},
                            Expected{MoonPhase::Full, 260, "01/21/2000", "12/30/2020"},
                            Expected{MoonPhase::LastQuarter, 259, "01/28/2000", "12/08/2020"}}) {
    const auto keys = MoonPhaseKeys(e.phase);
    ASSERT_EQ(keys.size(), e.count);
    EXPECT_STREQ(keys.front(), e.first);
    EXPECT_STREQ(keys.back(), e.last);
    std::string previous;
    for (const char* key : keys) {
      const std::string sortable = std::string(key).substr(6) + std::string(key).substr(0, 5);
      EXPECT_LT(previous, sortable) << key;
      previous = sortable;
      EXPECT_TRUE(seen.insert(key).second) << key << " carries two phases";
      EXPECT_EQ(m_Moons.at(key), MoonPhaseGlyph(e.phase));
    }
  }
  EXPECT_EQ(m_Moons.size(), seen.size());
}

TEST_F(MoonPhasesTest, PhasesFollowTheLunarCycle) {
  // Every month of 2020 shows four or five phases, and phases come in the order new, first quarter,
  // full, last quarter, each 6 to 9 days after the one before.
  for (int month = 1; month <= 12; ++month) {
    int glyphs = 0;
    for (int day = 1; day <= DaysInMonth(2020, month); ++day) glyphs += Glyph(2020, month, day) != " ";
    EXPECT_GE(glyphs, 4) << month;
    EXPECT_LE(glyphs, 5) << month;
  }
  const std::string cycle = "UDNC";
  std::string lastGlyph;
  int gap = 0;
  for (int year = MinYear(); year <= MaxYear(); ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= DaysInMonth(year, month); ++day, ++gap) {
        const std::string g = Glyph(year, month, day);
        if (g == " ") continue;
        if (!lastGlyph.empty()) {
          EXPECT_EQ(cycle[(cycle.find(lastGlyph) + 1) % 4], g[0]) << year << '-' << month << '-' << day;
          EXPECT_TRUE(gap >= 6 && gap <= 9) << year << '-' << month << '-' << day << " gap " << gap;
        }
        lastGlyph = g;
        gap = 0;
      }
}

// Published phase dates of 2025 in UTC+1; the first quarter of 7 January and the full moon of
// 5 December fall before midnight UTC and after it in UTC+1.
TEST_F(MoonPhasesTest, AWiderRangeShowsThePhasesOfItsYears) {
  const CYearRangeScope range({1990, 2040});
  BuildMoonMap(m_Moons);
  struct Case {
    int month, day;
    const char* glyph;
  };
  for (const Case& c :
       {Case{1, 29, "U"}, Case{2, 28, "U"}, Case{3, 29, "U"}, Case{1, 7, "D"}, Case{1, 6, " "},
        Case{1, 13, "N"}, Case{3, 14, "N"}, Case{12, 5, "N"}, Case{12, 4, " "}, Case{3, 22, "C"}})
    EXPECT_EQ(Glyph(2025, c.month, c.day), c.glyph) << "2025-" << c.month << '-' << c.day;
  EXPECT_EQ(Glyph(2016, 7, 26), "C");  // the calendar's own table still answers for its years
  EXPECT_EQ(Glyph(2041, 1, 1) + Glyph(1989, 12, 31), "  ");
}

// The table of 1900-2100 is the same method: it agrees with the calendar's table on 2000-2020, and
// over the whole span the phases keep their order and spacing.
TEST_F(MoonPhasesTest, CenturyTableAgreesWithTheCalendarsTable) {
  for (MoonPhase phase : {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full, MoonPhase::LastQuarter}) {
    std::vector<std::string> keys;
    for (int date : MoonPhaseDates(phase))
      if (date / 10000 >= 2000 && date / 10000 <= 2020)
        keys.push_back(MoonKey(date / 100 % 100, date % 100, date / 10000));
    const auto table = MoonPhaseKeys(phase);
    EXPECT_EQ(keys, std::vector<std::string>(table.begin(), table.end()));
  }
  const CYearRangeScope range({kEarliestYear, kLatestYear});
  BuildMoonMap(m_Moons);
  int previous = -1, day = 0;
  std::string lastGlyph;
  for (int year = kEarliestYear; year <= kLatestYear; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int d = 1; d <= DaysInMonth(year, month); ++d, ++day) {
        const std::string g = Glyph(year, month, d);
        if (g == " ") continue;
        if (previous >= 0) {
          ASSERT_EQ(std::string("UDNC")[(std::string("UDNC").find(lastGlyph) + 1) % 4], g[0])
              << year << '-' << month;
          ASSERT_TRUE(day - previous >= 6 && day - previous <= 9) << year << '-' << month << '-' << d;
        }
        previous = day;
        lastGlyph = g;
      }
  EXPECT_EQ(Glyph(1900, 1, 1), "U");
  EXPECT_EQ(Glyph(2100, 12, 31), "U");
}

TEST_F(MoonPhasesTest, BuildingAgainKeepsOneEntryPerDay) {
  BuildMoonMap(m_Moons);
  EXPECT_EQ(m_Moons.size(), 1039u);
  EXPECT_EQ(Glyph(2000, 1, 6), "U");
}

}  // namespace
}  // namespace orv
