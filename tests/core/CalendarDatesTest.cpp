#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"

namespace orv {
namespace {

TEST(CalendarDates, KeysAreZeroPaddedAndParseBack) {
  EXPECT_EQ(DayKey(2005, 3, 7), "2005/03/07");
  EXPECT_EQ(MonthKey(2005, 3), "2005/03");
  EXPECT_EQ(AnniversaryKey(3, 7), "03/07");
  EXPECT_EQ(MoonKey(1, 6, 2000), "01/06/2000");
  EXPECT_EQ(ParseDayKey("2005/03/07"), (Date{2005, 3, 7}));
  EXPECT_EQ(ParseAnniversaryKey("02/29"), (MonthDay{2, 29}));
  EXPECT_LT(DayKey(2005, 9, 30), DayKey(2005, 10, 1));  // byte order is date order
}

TEST(CalendarDates, LeapYearsAndMonthTables) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2004));
  EXPECT_FALSE(IsLeapYear(2005));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInMonth(2004, 2), 29);
  EXPECT_EQ(DaysInMonth(2005, 2), 28);
  EXPECT_EQ(DaysBeforeMonth(2004, 12), 335);
  EXPECT_EQ(DaysBeforeMonth(2005, 12), 334);
}

TEST(CalendarDates, StartDateIsTheSameDayInTheNearestYearOfTheRange) {
  EXPECT_EQ(StartDateFor({2007, 5, 3}), (Date{2007, 5, 3}));
  EXPECT_EQ(StartDateFor({2026, 12, 10}), (Date{2020, 12, 10}));
  EXPECT_EQ(StartDateFor({1999, 1, 31}), (Date{2000, 1, 31}));
  EXPECT_EQ(StartDateFor({2024, 2, 29}), (Date{2020, 2, 29}));
  EXPECT_EQ(StartDateFor({2025, 2, 28}), (Date{2020, 2, 28}));
  EXPECT_EQ(StartDateFor({1996, 2, 29}), (Date{2000, 2, 29}));
  EXPECT_EQ(StartDateFor({2100, 2, 29}), (Date{2020, 2, 29}));
}

TEST(CalendarDates, WeekdaysCountFromMonday) {
  EXPECT_EQ(WeekdayIndex(2000, 1, 1), 5);
  EXPECT_EQ(WeekdayAbbrev(WeekdayIndex(2000, 1, 1)), "So");
  EXPECT_EQ(WeekdayIndex(2001, 1, 1), 0);
  EXPECT_EQ(WeekdayIndex(2006, 1, 1), 6);
  EXPECT_EQ(WeekdayIndex(2020, 12, 31), 3);
}

// Keys read from a file are dates only in exactly the form the program writes.
TEST(CalendarDates, KeysOfRealDatesOnly) {
  const std::pair<const char*, bool> dayKeys[] = {
      {"2005/03/07", true},  {"2004/02/29", true},   {"0001/01/01", true},   {"9999/12/31", true},
      {"2004/13/01", false}, {"2004/00/01", false},  {"2004/01/00", false},  {"2003/02/29", false},
      {"2004/04/31", false}, {"0000/01/01", false},  {"", false},            {"2005/03", false},
      {"2005-03-07", false}, {"2005/03/07 ", false}, {"+005/03/07", false},  {"2005/ 3/07", false},
      {"2005/3/007", false}, {"200a/03/07", false},  {"\x1b[2J/03/07", false}};
  for (const auto& [key, valid] : dayKeys) EXPECT_EQ(IsValidDayKey(key), valid) << key;
  const std::pair<const char*, bool> monthKeys[] = {{"2005/03", true},    {"2005/12", true},  {"2005/13", false},
                                                    {"2005/00", false},   {"2005/3", false},  {"2005/03/07", false},
                                                    {"0000/01", false},   {"", false},        {"2005-03", false}};
  for (const auto& [key, valid] : monthKeys) EXPECT_EQ(IsValidMonthKey(key), valid) << key;
}

// Whatever reaches them, the tables are never read outside their months.
TEST(CalendarDates, NoDateGivesNoDaysAndMonday) {
  for (int month : {-1, 0, 13}) {
    EXPECT_EQ(DaysInMonth(2004, month), 0);
    EXPECT_EQ(DaysBeforeMonth(2004, month), 0);
    EXPECT_EQ(WeekdayIndex(2004, month, 1), 0);
  }
  EXPECT_EQ(WeekdayIndex(0, 1, 1), 0);
}

TEST(CalendarDates, WeekNumberStartsWithTheWeekOfFirstJanuary) {
  struct Case {
    int year, month, day, week;
  };
  for (const Case& c : {
           Case{2006, 1, 1, 1},
           Case{2006, 1, 2, 1},
           Case{2006, 1, 9, 2},  // 1 January a Sunday
           Case{2010, 1, 1, 1},
           Case{2010, 1, 4, 2},
           Case{2010, 1, 11, 3},  // 1 January a Friday
           Case{2001, 1, 1, 1},
           Case{2001, 1, 8, 2},  // 1 January a Monday
           Case{2006, 12, 25, 52},
           Case{2000, 12, 25, 53},
           Case{2005, 12, 26, 53},
       })
    EXPECT_EQ(WeekNumber(c.year, c.month, c.day), c.week) << c.year << '-' << c.month << '-' << c.day;
}

TEST(CalendarDates, ResolveAnniversaryWarnsOnlyForLeapDayInCommonYear) {
  test::FakeUiServices ui;
  EXPECT_EQ(ResolveAnniversary("02/29", 2005, ui), (Date{2005, 2, 28}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nastavený rok není přestupný."});
  ui.Clear();
  EXPECT_EQ(ResolveAnniversary("02/29", 2004, ui), (Date{2004, 2, 29}));
  EXPECT_EQ(ResolveAnniversary("03/29", 2005, ui), (Date{2005, 3, 29}));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(CalendarDates, CzechNamesAreWindows1250) {
  EXPECT_EQ(Cp1250ToUtf8(MonthName(3)), "Březen");
  EXPECT_EQ(Cp1250ToUtf8(MonthNameGenitive(3)), "března");
  EXPECT_EQ(Cp1250ToUtf8(MonthName(12)), "Prosinec");
  EXPECT_EQ(Cp1250ToUtf8(MonthNameGenitive(11)), "listopadu");
  EXPECT_EQ(Cp1250ToUtf8(WeekdayAbbrev(3)), "Čt");
  EXPECT_EQ(Cp1250ToUtf8(WeekdayAbbrev(6)), "Ne");
}

TEST(CalendarDates, CzechLetters) {
  for (const char* yes : {"ý", "Ý", "ó", "Ó", "ř", "Ů", "ť", "Ň"})
    EXPECT_TRUE(IsCzechAccentedLetter(Cp1250FromUtf8(yes)[0])) << yes;
  for (const char* no : {"a", "y", "ä", "ł", "1", " "})
    EXPECT_FALSE(IsCzechAccentedLetter(Cp1250FromUtf8(no)[0])) << no;
  EXPECT_TRUE(IsCzechLetter('q'));
  EXPECT_FALSE(IsCzechLetter('7'));
  EXPECT_FALSE(IsCzechAccentedLetter(0));
}

}  // namespace
}  // namespace orv
