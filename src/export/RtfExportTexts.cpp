#include "export/RtfExportTexts.h"

#include <cstdio>

#include "search/ResultListTexts.h"

namespace orv {

std::string CalendarMonthHeading(int year, int month) {
  char yearText[8];
  std::snprintf(yearText, sizeof yearText, "%04d", year);
  return MonthName(month) + "   " + yearText;
}

std::string CalendarDayHeading(const Date& date) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d.%02d.%04d\t", date.day, date.month, date.year);
  return digits + WeekdayAbbrev(WeekdayIndex(date.year, date.month, date.day));
}

std::string ResultDayHeading(std::string_view dayKey) {
  const Date date = ParseDayKey(dayKey);
  std::string text;
  text.append(dayKey.substr(8, 2)).append(".").append(dayKey.substr(5, 2)).append(".");
  text.append(dayKey.substr(0, 4)).append("\t");
  return text + WeekdayAbbrev(WeekdayIndex(date.year, date.month, date.day));
}

std::string ResultMonthHeading(std::string_view monthKey) {
  return FoundMonthText(monthKey);
}

std::string CalendarExportCountText(int items, std::string_view utf8Path) {
  return "Počet exportovaných položek: " + std::to_string(items) + "\n\rSoubor: " + std::string(utf8Path) +
         " ";
}

std::string ResultExportCountText(int days, std::string_view utf8Path) {
  return "Počet exportovaných dnů: " + std::to_string(days) + "\n\rSoubor: " + std::string(utf8Path) + " ";
}

}  // namespace orv
