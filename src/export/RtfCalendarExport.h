#pragma once
// The content of the calendar export ("Export do rtf", print and PDF): a walk over the dates of a
// period, one day at a time, writing for every month that has content of a chosen kind its heading
// and its commentary, and for every day its heading, its note and its commentary.
//
//   SRtfExportChoice choice;  choice.notes = false;            // what the period dialog gave
//   CRtfAssembly out(baseFace);
//   const auto walked = AssembleCalendarExport(doc, choice, out);  // walked.items for the message
//
// With the limit the walk stops after the 365th day that has a record (days without one do not
// count); it never goes past 31 December of the last year. A month is in the period when its key lies
// between the months of the first and the last day, a day when its key lies between theirs.

#include <functional>
#include <string>

#include "core/CalendarDates.h"

namespace orv {

class CRtfAssembly;
class CTedDoc;

struct SRtfExportChoice {
  Date from{MinYear(), 1, 1};
  Date to{MaxYear(), 12, 31};
  bool notes = true;              // "Poznámky"
  bool dayCommentaries = true;    // "Výklady dní"
  bool monthCommentaries = true;  // "Výklady měsíců"
  std::string monthStyle;         // paragraph style of month headings (Windows-1250); "" the fixed format
  std::string dayStyle;           // of day headings
  bool limited = true;            // at most 365 day records (the RTF dialog); print and PDF have none
};

struct SExportWalk {
  int items = 0;           // month commentaries and days written
  int daysWalked = 0;      // dates visited
  bool cancelled = false;  // the progress callback asked to stop
};

// Told every so often how many dates of how many are done; false stops the walk.
using ExportProgress = std::function<bool(int done, int total)>;

// The number of dates the walk visits at most (for a progress bar).
int ExportWalkLength(const SRtfExportChoice& choice);

SExportWalk AssembleCalendarExport(const CTedDoc& doc, const SRtfExportChoice& choice, CRtfAssembly& out,
                                   const ExportProgress& progress = {});

}  // namespace orv
