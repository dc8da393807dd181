#pragma once
// Dates as the calendar files and shows them: the four key forms, the Gregorian tables, weekday and
// the program's own week number, the test against the accepted year range (core/YearRange.h), and
// the Czech month and weekday names.
//
//   DayKey "2005/03/07"   files a day's note and commentary; byte order is date order
//   MonthKey "2005/03"    files a month's commentary
//   AnniversaryKey "03/07" files what repeats every year (names, holidays, birthdays)
//   MoonKey "03/07/2005"  keys the moon-phase tables
//
// Names are returned in Windows-1250, like every other text the calendar stores and shows.

#include <string>
#include <string_view>

#include "core/YearRange.h"

namespace orv {

class IUiServices;

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const Date&, const Date&) = default;
};

struct MonthDay {
  int month = 0;
  int day = 0;
  friend bool operator==(const MonthDay&, const MonthDay&) = default;
};

bool IsLeapYear(int year);
// MinYear() <= year <= MaxYear().
bool IsYearInRange(int year);
// The month must be 1 to 12; any other month counts as a month of 0 days starting the year.
int DaysInMonth(int year, int month);
int DaysBeforeMonth(int year, int month);
// 0 = Monday ... 6 = Sunday, for a valid date; 0 for any other.
int WeekdayIndex(int year, int month, int day);
// Week 1 is the week of 1 January whatever its weekday; weeks change on Mondays. Not ISO 8601.
int WeekNumber(int year, int month, int day);

// Today's date on this computer.
Date Today();
// The date the calendar starts on: the date itself inside the year range, otherwise the same day
// and month of the nearest year of the range (29 February becomes the 28th in a common year).
Date StartDateFor(const Date& date);

std::string DayKey(int year, int month, int day);
std::string DayKey(const Date& date);
std::string MonthKey(int year, int month);
std::string AnniversaryKey(int month, int day);
std::string MoonKey(int month, int day, int year);

// Parsing follows the program: year = first 4 characters, day = last 2, month = the 2 before the
// last 3. Keys are not validated; callers form keys from valid dates.
Date ParseDayKey(std::string_view key);
// A key read from a file may be anything: these accept exactly the form the program writes, of a
// date that exists (years 1 to 9999). A damaged or foreign file's other keys are no date at all.
bool IsValidDate(const Date& date);
bool IsValidDayKey(std::string_view key);
bool IsValidMonthKey(std::string_view key);
MonthDay ParseAnniversaryKey(std::string_view key);

// The day of `year` on which an anniversary falls; 02/29 in a common year tells the user
// "Nastavený rok není přestupný." and gives 28 February.
Date ResolveAnniversary(std::string_view anniversaryKey, int year, IUiServices& ui);

const std::string& MonthName(int month);          // "Leden" ... "Prosinec"
const std::string& MonthNameGenitive(int month);  // "ledna" ... "prosince"
const std::string& WeekdayAbbrev(int index);      // "Po" ... "Ne", Monday first

// The 30 accented letters of Czech, "ěščřžýáíéúůĚŠČŘŽÝÁÍÉóÓÚŮťďňŤĎŇ", as Windows-1250 bytes.
bool IsCzechAccentedLetter(unsigned char c);
// A-Z, a-z or a Czech accented letter: the letter test of search and editing.
bool IsCzechLetter(unsigned char c);

}  // namespace orv
