#pragma once
// The texts an RTF export writes and says, Windows-1250 for the file and UTF-8 for the messages:
//
//   CalendarMonthHeading(2004, 3)       "Březen   2004"        (three spaces)
//   CalendarDayHeading({2004, 3, 5})    "05.03.2004\tPá"
//   ResultDayHeading("2004/03/05")      "05.03.2004\tPá"       (digits taken from the key)
//   ResultMonthHeading("2004/03")       "Březen 2004"          (as the months result list shows it)

#include <string>
#include <string_view>

#include "core/CalendarDates.h"

namespace orv {

// At most this many day records go into one export with the limit (the RTF dialog and the result
// exports).
inline constexpr int kRtfExportLimit = 365;

std::string CalendarMonthHeading(int year, int month);
std::string CalendarDayHeading(const Date& date);
std::string ResultDayHeading(std::string_view dayKey);
std::string ResultMonthHeading(std::string_view monthKey);

// "Počet exportovaných položek: %d\n\rSoubor: %s " and "Počet exportovaných dnů: %d\n\rSoubor: %s ".
std::string CalendarExportCountText(int items, std::string_view utf8Path);
std::string ResultExportCountText(int days, std::string_view utf8Path);

}  // namespace orv
