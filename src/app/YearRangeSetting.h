#pragma once
// The year range the user chose in "Rozsah let", kept in the per-user settings (QSettings) so that
// the next start of the program, and orv, use it too.
//
//   SetYearRange(LoadYearRangeSetting());   at start-up, before the calendar is shown

#include "core/CalendarDates.h"
#include "core/YearRange.h"

namespace orv {

// The remembered range, kept as the user's choice even when it ends before today; the default range
// of `currentYear` (DefaultYearRange) when none is remembered or the one kept is unusable.
SYearRange LoadYearRangeSetting(int currentYear = Today().year);
void SaveYearRangeSetting(const SYearRange& range);

}  // namespace orv
