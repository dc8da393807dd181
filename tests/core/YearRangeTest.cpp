#include <gtest/gtest.h>

#include "core/CalendarDates.h"
#include "core/YearRange.h"
#include "core/YearRangeSetting.h"

namespace orv {
namespace {

TEST(YearRange, TextsAreReadAndCheckedWithCzechReasons) {
  struct Case {
    const char* text;
    std::optional<SYearRange> range;
    const char* problem;
  };
  const char* kForm = "Rozsah let zadejte ve tvaru OD-DO, například 2000-2030.";
  const char* kSpan = "Roky musí ležet v rozmezí 1900 až 2100.";
  for (const Case& c : {
           Case{"1990-2040", SYearRange{1990, 2040}, ""},
           Case{" 2000 - 2000 ", SYearRange{2000, 2000}, ""},
           Case{"1900-2100", SYearRange{1900, 2100}, ""},
           Case{"2030-2000", std::nullopt, "Počáteční rok nesmí být větší než koncový."},
           Case{"1899-2000", std::nullopt, kSpan},
           Case{"2000-2101", std::nullopt, kSpan},
           Case{"2000", std::nullopt, kForm},
           Case{"2000-", std::nullopt, kForm},
           Case{"20x0-2030", std::nullopt, kForm},
           Case{"2000--2030", std::nullopt, kForm},
           Case{"99999-2030", std::nullopt, kForm},
       }) {
    std::string problem;
    EXPECT_EQ(ParseYearRange(c.text, problem), c.range) << c.text;
    EXPECT_EQ(problem, c.problem) << c.text;
  }
}

TEST(YearRange, TheProcessRangeIsSetOnlyToAGoodRangeAndScopesPutItBack) {
  EXPECT_EQ(YearRange(), (SYearRange{2000, 2020}));
  {
    const CYearRangeScope scope({1990, 2040});
    EXPECT_EQ(MinYear(), 1990);
    EXPECT_EQ(MaxYear(), 2040);
    EXPECT_TRUE(IsYearInRange(2026));
    EXPECT_FALSE(SetYearRange({2041, 2040}));
    EXPECT_FALSE(SetYearRange({1800, 2040}));
    EXPECT_EQ(YearRange(), (SYearRange{1990, 2040}));
    EXPECT_EQ(StartDateFor({2041, 2, 29}), (Date{2040, 2, 29}));
    EXPECT_EQ(StartDateFor({1900, 3, 15}), (Date{1990, 3, 15}));
  }
  EXPECT_EQ(YearRange(), (SYearRange{2000, 2020}));
  EXPECT_FALSE(IsYearInRange(2026));
}

// Without a setting the range runs from 2000 to ten years after the clock's year, within 1900-2100;
// widening covers both ranges and never narrows either.
TEST(YearRange, TheDefaultFollowsTheClockAndWideningOnlyGrows) {
  EXPECT_EQ(DefaultYearRange(2026), (SYearRange{2000, 2036}));
  EXPECT_EQ(DefaultYearRange(2019), (SYearRange{2000, 2029}));
  EXPECT_EQ(DefaultYearRange(2095), (SYearRange{2000, 2100}));
  EXPECT_EQ(DefaultYearRange(1970), (SYearRange{2000, 2000}));  // a clock that was never set
  EXPECT_EQ(CoveringYearRange({2000, 2036}, {1995, 2021}), (SYearRange{1995, 2036}));
  EXPECT_EQ(CoveringYearRange({2000, 2036}, {2041, 2041}), (SYearRange{2000, 2041}));
  EXPECT_EQ(CoveringYearRange({2000, 2036}, {2005, 2010}), (SYearRange{2000, 2036}));
}

// The settings file as the program writes it (QSettings, ini form); only a whole, usable range of
// the group counts.
TEST(YearRange, SettingsTextGivesTheRememberedRange) {
  struct Case {
    const char* text;
    std::optional<SYearRange> range;
  };
  for (const Case& c : {
           Case{"[General]\nx=1\n\n[Years]\nfrom=1990\nto=2040\n", SYearRange{1990, 2040}},
           Case{"[Years]\r\nto = 2030\r\nfrom = 2000\r\n[Recent]\nfrom=1\n", SYearRange{2000, 2030}},
           Case{"[Recent]\nfrom=1990\nto=2040\n", std::nullopt},
           Case{"[Years]\nfrom=1990\n", std::nullopt},
           Case{"[Years]\nfrom=2040\nto=1990\n", std::nullopt},
           Case{"[Years]\nfrom=1800\nto=1990\n", std::nullopt},
           Case{"[Years]\nfrom=19x0\nto=2040\n", std::nullopt},
           Case{"", std::nullopt},
       })
    EXPECT_EQ(YearRangeFromSettingsText(c.text), c.range) << c.text;
  EXPECT_EQ(ReadYearRangeSetting("/nonexistent/orvella.conf"), std::nullopt);
  EXPECT_EQ(ReadYearRangeSetting("/dev/null"), std::nullopt);  // not a regular file: not read
}

}  // namespace
}  // namespace orv
