#pragma once
// The day records of a period and the record count, on the document alone (no view, no Qt): what
// "Smazat období" deletes and "Počet záznamů" counts, shared by the calendar view and orv.

#include <string>
#include <vector>

#include "core/CalendarDates.h"

namespace orv {

class CTedDoc;

inline constexpr const char* kReversedPeriod = "Spodní hranice období nesmí být větší než horní !";
inline constexpr const char* kEmptyPeriod = "V zadaném rozsahu poznámky ani výklady nejsou !";

// A "Do:" date before the "Od:" date is refused with a message.
bool CheckPeriod(const Date& from, const Date& to, IUiServices& ui);

// The keys of the day records from `from` to `to`, both included, in date order.
std::vector<std::string> KeysInPeriod(const CTedDoc& doc, const Date& from, const Date& to);

// Removes the records of `keys`; a key that vanished meanwhile is a consistency failure ("Chyba
// konzistence", shown when `ui` is given) and stops the deletion there. Marks the calendar modified
// when anything was removed. Returns the number removed.
int RemoveDayRecords(CTedDoc& doc, const std::vector<std::string>& keys, IUiServices* ui);

// "Počet vymazaných dnů : N" and "Počet záznamů v kalendáři: N".
std::string DeletedDaysText(int count);
std::string RecordCountText(const CTedDoc& doc);

}  // namespace orv
