#pragma once
// The built-in content every new calendar starts with: the Czech name days month by month, the state
// holidays, the other public holidays, the significant days, and Easter Sunday of the years the
// calendar accepts. Entries are (AnniversaryKey, name) in Windows-1250, in the order they are entered
// into a new calendar's names database.

#include <span>
#include <string>

#include "core/CalendarDates.h"

namespace orv {

struct BuiltinHoliday {
  std::string key;   // AnniversaryKey "MM/DD"
  std::string name;  // Windows-1250
};

// The name days of one month (1-12), in calendar order; a day has zero, one or two of them.
std::span<const BuiltinHoliday> BuiltinNameDays(int month);
// Category 1: the 7 state holidays.
std::span<const BuiltinHoliday> BuiltinStateHolidays();
// Category 2: the 5 fixed other holidays (Easter Monday is computed per year).
std::span<const BuiltinHoliday> BuiltinOtherHolidays();
// Category 4: 10 slots, the first 6 filled; the empty ones have an empty key and name.
std::span<const BuiltinHoliday> BuiltinSignificantDays();

// "Velikonoční pondělí" in Windows-1250: the one holiday that moves from year to year.
const std::string& EasterMondayName();

// The AnniversaryKey of Easter Sunday, and of the Monday after it, for a year of the year range;
// an empty string for any other year. 2000-2020 come from a table, other years from the computus.
std::string EasterSunday(int year);
std::string EasterMonday(int year);
// Easter Sunday of any Gregorian year by the computus.
MonthDay GregorianEasterSunday(int year);

}  // namespace orv
