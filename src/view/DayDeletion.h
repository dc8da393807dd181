#pragma once
// Deleting what the calendar view shows: the selected day ("Smazat den") and every day of a period
// ("Smazat období"), with the view's questions and messages (through the document's IUiServices).
// Month commentaries are not deleted.
//
//   if (CheckPeriod(from, to, ui) && ui.AskYesNo(kDeletePeriodQuestion))
//     DeletePeriod(view, panes, doc, from, to);
//
// Both deletions mark the calendar modified; a deletion that found nothing to delete changes nothing.

#include "view/PeriodRecords.h"

namespace orv {

class CCalendarViewModel;
class ICalendarPanes;

inline constexpr const char* kDeleteDayQuestion = "Chcete opravdu tento den smazat ?";
inline constexpr const char* kDeletePeriodQuestion = "Chcete opravdu smazat zadané období ?";

// Empties the selected day's note and commentary after asking; nothing is asked for an empty day.
// True when the day was deleted.
bool DeleteSelectedDay(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc);

// Deletes the record of every day from `from` to `to`, both included, without asking; the selected
// day is committed first and shown again afterwards (empty when it lay inside the period). Reports
// the number of deleted days, or that the period holds no records. Returns the number deleted.
int DeletePeriod(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc, const Date& from,
                 const Date& to);

}  // namespace orv
