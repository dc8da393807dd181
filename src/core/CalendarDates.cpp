#include "core/CalendarDates.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/Cp1250.h"
#include "core/UiServices.h"

namespace orv {
namespace {

constexpr std::array<std::array<int, 12>, 2> kDaysInMonth = {{
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
}};
constexpr std::array<std::array<int, 12>, 2> kDaysBeforeMonth = {{
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
}};

constexpr std::array<const char*, 12> kMonthNames = {"Leden",  "Únor",   "Březen",   "Duben",
                                                     "Květen", "Červen", "Červenec", "Srpen",
                                                     "Září",   "Říjen",  "Listopad", "Prosinec"};
constexpr std::array<const char*, 12> kMonthNamesGenitive = {"ledna",  "února",  "března",    "dubna",
                                                             "května", "června", "července",  "srpna",
                                                             "září",   "října",  "listopadu", "prosince"};
constexpr std::array<const char*, 7> kWeekdayAbbrevs = {"Po", "Út", "St", "Čt", "Pá", "So", "Ne"};
constexpr const char* kCzechAccentedLetters = "ěščřžýáíéúůĚŠČŘŽÝÁÍÉóÓÚŮťďňŤĎŇ";

template <size_t N>
std::array<std::string, N> ToCp1250(const std::array<const char*, N>& utf8) {
  std::array<std::string, N> out;
  for (size_t i = 0; i < N; ++i) out[i] = Cp1250FromUtf8(utf8[i]);
  return out;
}

int LeapIndex(int year) {
  return IsLeapYear(year) ? 1 : 0;
}

int ParseNumber(std::string_view digits) {
  return std::atoi(std::string(digits).c_str());
}

bool IsMonth(int month) {
  return month >= 1 && month <= 12;
}

// "2005" or "03": only digits, nothing around them.
bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "RRRR/MM" as MonthKey writes it.
bool HasMonthKeyForm(std::string_view key) {
  return key.size() >= 7 && AllDigits(key.substr(0, 4)) && key[4] == '/' && AllDigits(key.substr(5, 2));
}

}  // namespace

bool IsLeapYear(int year) {
  return ((year % 400 == 0) != (year % 100 == 0)) != (year % 4 == 0);
}

bool IsYearInRange(int year) {
  const SYearRange range = YearRange();
  return year >= range.first && year <= range.last;
}

int DaysInMonth(int year, int month) {
  return IsMonth(month) ? kDaysInMonth[LeapIndex(year)][month - 1] : 0;
}

int DaysBeforeMonth(int year, int month) {
  return IsMonth(month) ? kDaysBeforeMonth[LeapIndex(year)][month - 1] : 0;
}

int WeekdayIndex(int year, int month, int day) {
  if (!IsValidDate({year, month, day})) return 0;
  // Sakamoto's method gives 0 = Sunday; the program counts Monday first.
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  const int y = month < 3 ? year - 1 : year;
  const int sundayFirst = (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7;
  return (sundayFirst + 6) % 7;
}

int WeekNumber(int year, int month, int day) {
  const int j = WeekdayIndex(year, 1, 1) + 1;  // Monday = 1 ... Sunday = 7
  const int d = DaysBeforeMonth(year, month) + day - 1;
  const int a = d + j - 6;
  return a / 7 + (a % 7 > 0 ? 1 : 0) + (7 - j > 0 ? 1 : 0);
}

Date Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Date StartDateFor(const Date& date) {
  if (IsYearInRange(date.year)) return date;
  const int year = std::clamp(date.year, MinYear(), MaxYear());
  return {year, date.month, std::min(date.day, DaysInMonth(year, date.month))};
}

std::string DayKey(int year, int month, int day) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", year, month, day);
  return buf;
}

std::string DayKey(const Date& date) {
  return DayKey(date.year, date.month, date.day);
}

std::string MonthKey(int year, int month) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%04d/%02d", year, month);
  return buf;
}

std::string AnniversaryKey(int month, int day) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%02d/%02d", month, day);
  return buf;
}

std::string MoonKey(int month, int day, int year) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%4d", month, day, year);
  return buf;
}

Date ParseDayKey(std::string_view key) {
  if (key.size() < 5) return {};
  return {ParseNumber(key.substr(0, 4)), ParseNumber(key.substr(key.size() - 5, 2)),
          ParseNumber(key.substr(key.size() - 2))};
}

bool IsValidDate(const Date& date) {
  return date.year >= 1 && date.year <= 9999 && IsMonth(date.month) && date.day >= 1 &&
         date.day <= DaysInMonth(date.year, date.month);
}

bool IsValidDayKey(std::string_view key) {
  return key.size() == 10 && HasMonthKeyForm(key) && key[7] == '/' && AllDigits(key.substr(8)) &&
         IsValidDate(ParseDayKey(key));
}

bool IsValidMonthKey(std::string_view key) {
  return key.size() == 7 && HasMonthKeyForm(key) && IsValidDate({ParseNumber(key.substr(0, 4)), ParseNumber(key.substr(5)), 1});
}

MonthDay ParseAnniversaryKey(std::string_view key) {
  if (key.size() < 2) return {};
  return {ParseNumber(key.substr(0, 2)), ParseNumber(key.substr(key.size() - 2))};
}

Date ResolveAnniversary(std::string_view anniversaryKey, int year, IUiServices& ui) {
  const MonthDay md = ParseAnniversaryKey(anniversaryKey);
  if (md.month == 2 && md.day == 29 && !IsLeapYear(year)) {
    ui.MessageBox("Nastavený rok není přestupný.", MessageIcon::Information);
    return {year, 2, 28};
  }
  return {year, md.month, md.day};
}

const std::string& MonthName(int month) {
  static const auto names = ToCp1250(kMonthNames);
  return names[month - 1];
}

const std::string& MonthNameGenitive(int month) {
  static const auto names = ToCp1250(kMonthNamesGenitive);
  return names[month - 1];
}

const std::string& WeekdayAbbrev(int index) {
  static const auto names = ToCp1250(kWeekdayAbbrevs);
  return names[index];
}

bool IsCzechAccentedLetter(unsigned char c) {
  static const std::string letters = Cp1250FromUtf8(kCzechAccentedLetters);
  return c != 0 && letters.find(static_cast<char>(c)) != std::string::npos;
}

bool IsCzechLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsCzechAccentedLetter(c);
}

}  // namespace orv
