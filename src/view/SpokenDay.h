#pragma once
// What a screen reader says of a day of the month table, instead of the row's columns:
//
//   SpokenDay({2005, 3, 15}, row, kTextColumnWithMoon, note)
//     → "úterý 15. března 2005, Kristýna, poznámka: Výlet"
//
// The names and holidays are the row's texts after its fixed columns, the note is said last with
// its label. Windows-1250 in and out, as the row is.

#include <string>
#include <string_view>

#include "core/CalendarDates.h"
#include "view/MonthRows.h"

namespace orv {

std::string SpokenDay(const Date& date, const CMonthRow& row, int textColumn, std::string_view note);

// The note a row shows at its end, in the note colour; empty when it shows none.
std::string_view NoteOfRow(const CMonthRow& row);

}  // namespace orv
