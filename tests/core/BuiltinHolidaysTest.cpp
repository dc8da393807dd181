#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/BuiltinHolidays.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"

namespace orv {
namespace {

TEST(BuiltinHolidays, NameDaysCoverTheYearInCalendarOrder) {
  const int expectedPerMonth[12] = {29, 29, 33, 31, 29, 32, 30, 31, 31, 33, 29, 31};
  std::map<std::string, int> perDay;
  int total = 0;
  for (int month = 1; month <= 12; ++month) {
    const auto days = BuiltinNameDays(month);
    EXPECT_EQ(static_cast<int>(days.size()), expectedPerMonth[month - 1]) << month;
    std::string previous;
    for (const BuiltinHoliday& e : days) {
      const MonthDay md = ParseAnniversaryKey(e.key);
      EXPECT_EQ(e.key, AnniversaryKey(md.month, md.day));
      EXPECT_EQ(md.month, month) << e.key;
      EXPECT_GE(md.day, 1);
      EXPECT_LE(md.day, DaysInMonth(2004, month)) << e.key;
      EXPECT_LE(previous, e.key);
      EXPECT_FALSE(e.name.empty());
      previous = e.key;
      ++perDay[e.key];
      ++total;
    }
  }
  EXPECT_EQ(total, 368);

  std::set<std::string> none, two;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= DaysInMonth(2004, month); ++day) {
      const std::string key = AnniversaryKey(month, day);
      if (!perDay.count(key)) none.insert(key);
      if (perDay[key] == 2) two.insert(key);
    }
  EXPECT_EQ(none, (std::set<std::string>{"01/01", "01/06", "05/01", "05/08", "07/05", "07/06", "10/28",
                                         "11/02", "11/17", "12/25"}));
  EXPECT_EQ(two, (std::set<std::string>{"03/14", "03/16", "04/07", "06/07", "06/29", "07/10", "09/01",
                                        "10/02", "10/09", "10/27", "11/16", "12/24"}));
}

TEST(BuiltinHolidays, TextsAreWindows1250) {
  EXPECT_EQ(Cp1250ToUtf8(BuiltinNameDays(1)[5].name), "Čestmír");
  EXPECT_EQ(Cp1250ToUtf8(BuiltinNameDays(12).back().name), "Silvestr");
  EXPECT_EQ(Cp1250ToUtf8(BuiltinNameDays(6)[29].name), "Petr a Pavel");
  EXPECT_EQ(Cp1250ToUtf8(BuiltinStateHolidays()[0].name), "Den obnovy samostatného českého státu");
  EXPECT_EQ(Cp1250ToUtf8(BuiltinOtherHolidays()[2].name), "Štědrý den");
  EXPECT_EQ(Cp1250ToUtf8(EasterMondayName()), "Velikonoční pondělí");
}

TEST(BuiltinHolidays, HolidayTablesHaveTheirSlots) {
  EXPECT_EQ(BuiltinStateHolidays().size(), 7u);
  EXPECT_EQ(BuiltinOtherHolidays().size(), 5u);
  const auto significant = BuiltinSignificantDays();
  ASSERT_EQ(significant.size(), 10u);
  for (size_t i = 0; i < significant.size(); ++i) EXPECT_EQ(significant[i].name.empty(), i >= 6) << i;
  EXPECT_EQ(Cp1250ToUtf8(significant[2].name), "Vstup ČR do NATO (1999)");
}

// Gregorian computus (anonymous algorithm), independent of the program's table.
std::string ComputusEasterSunday(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25;
  const int g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
  return AnniversaryKey((h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1);
}

TEST(BuiltinHolidays, EasterSundayMatchesTheComputus) {
  for (int year = MinYear(); year <= MaxYear(); ++year)
    EXPECT_EQ(EasterSunday(year), ComputusEasterSunday(year)) << year;
  EXPECT_EQ(EasterSunday(1999), "");
  EXPECT_EQ(EasterSunday(2021), "");
}

TEST(BuiltinHolidays, EasterMondayFollowsSundayAcrossMonthEnd) {
  struct Case {
    int year;
    const char* sunday;
    const char* monday;
  };
  for (const Case& c :
       {Case{2002, "03/31", "04/01"}, Case{2013, "03/31", "04/01"}, Case{2008, "03/23", "03/24"},
        Case{2011, "04/24", "04/25"}, Case{2005, "03/27", "03/28"}, Case{2006, "04/16", "04/17"}}) {
    EXPECT_EQ(EasterSunday(c.year), c.sunday) << c.year;
    EXPECT_EQ(EasterMonday(c.year), c.monday) << c.year;
  }
  EXPECT_EQ(EasterMonday(1999), "");
  EXPECT_EQ(EasterMonday(2021), "");
}

// The program's computus answers for the years outside its table; on the table's years it agrees.
TEST(BuiltinHolidays, ComputusAgreesWithTheTableAndKnownYears) {
  for (int year = 2000; year <= 2020; ++year) {
    const MonthDay sunday = GregorianEasterSunday(year);
    EXPECT_EQ(AnniversaryKey(sunday.month, sunday.day), EasterSunday(year)) << year;
  }
  struct Known {
    int year;
    MonthDay sunday;
  };
  for (const Known& k :
       {Known{1900, {4, 15}}, Known{1913, {3, 23}}, Known{1943, {4, 25}}, Known{1961, {4, 2}},
        Known{2024, {3, 31}}, Known{2038, {4, 25}}, Known{2100, {3, 28}}})
    EXPECT_EQ(GregorianEasterSunday(k.year), k.sunday) << k.year;
}

TEST(BuiltinHolidays, EasterFollowsTheYearRange) {
  const CYearRangeScope range({1990, 2040});
  EXPECT_EQ(EasterMonday(2024), "04/01");
  EXPECT_EQ(EasterMonday(1990), "04/16");
  EXPECT_EQ(EasterMonday(2011), "04/25");  // from the table, as before
  EXPECT_EQ(EasterMonday(1989), "");
  EXPECT_EQ(EasterMonday(2041), "");
}

}  // namespace
}  // namespace orv
