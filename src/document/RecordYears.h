#pragma once
// The years a calendar's records fall in, and the run's year range widened to them. A calendar
// written where the range was wider (1990-2040 on another computer) keeps records the range of this
// run would leave out of reach; opening it widens the range so that navigation, searches, exports,
// counts and deletions reach them, without changing the user's setting or anything in the file.
//
//   const std::string told = WidenYearRangeToRecords(doc);   after the calendar was opened
//   if (!told.empty()) statusBar->showMessage(told);          "Kalendář obsahuje záznamy z let ..."
//
// Keys that are not dates ("2005/13/40", "abc") are not records of any year and take no part.

#include <optional>
#include <string>
#include <string_view>

#include "core/YearRange.h"

namespace orv {

class CTedDoc;

// The first and last year of the day and month records whose keys are dates, kept within the years
// a range may span; nullopt when there is none.
std::optional<SYearRange> RecordYears(const CTedDoc& doc);

// Widens the process's range to cover RecordYears; never narrows it. The Czech status text when it
// grew (UTF-8), otherwise empty.
std::string WidenYearRangeToRecords(const CTedDoc& doc);

}  // namespace orv
