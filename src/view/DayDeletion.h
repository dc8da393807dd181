#pragma once
// Deleting what the calendar holds for days: the selected day ("Smazat den"), every day of a period
// ("Smazat období") and the number of days with a record ("Počet záznamů"). Month commentaries are
// neither deleted nor counted. Questions and messages go through the document's IUiServices.
//
//   if (CheckPeriod(from, to, ui)) DeletePeriod(view, panes, doc, from, to);
//
// Both deletions mark the calendar modified; a deletion that found nothing to delete changes nothing.

#include <string>

#include "core/CalendarDates.h"

namespace orv {

class CCalendarViewModel;
class CTedDoc;
class ICalendarPanes;

inline constexpr const char* kDeleteDayQuestion = "Chcete opravdu tento den smazat ?";
inline constexpr const char* kDeletePeriodQuestion = "Chcete opravdu smazat zadané období ?";
inline constexpr const char* kReversedPeriod = "Spodní hranice období nesmí být větší než horní !";
inline constexpr const char* kEmptyPeriod = "V zadaném rozsahu poznámky ani výklady nejsou !";

// Empties the selected day's note and commentary after asking; nothing is asked for an empty day.
// True when the day was deleted.
bool DeleteSelectedDay(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc);

// The period dialog's check on OK: a "Do:" date before the "Od:" date is refused with a message and
// the dialog stays open.
bool CheckPeriod(const Date& from, const Date& to, IUiServices& ui);

// Deletes the record of every day from `from` to `to`, both included, without asking; the selected
// day is committed first and shown again afterwards (empty when it lay inside the period). Reports
// the number of deleted days, or that the period holds no records. Returns the number deleted.
int DeletePeriod(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc, const Date& from,
                 const Date& to);

// The same deletion on the document alone (orv): no view, no messages. Returns the number deleted.
int DeletePeriodRecords(CTedDoc& doc, const Date& from, const Date& to);

// "Počet záznamů v kalendáři: N".
std::string RecordCountText(const CTedDoc& doc);

}  // namespace orv
