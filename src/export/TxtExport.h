#pragma once
// Exporting short notes to a plain-text file (layout in TxtExportFormat.h), started three ways:
//
//   calendar view, "Export do txt":       CanExportNotesTxt, then file chooser and period dialog,
//                                         then ExportNotesTxt with the period, separator and option
//   full-text dialog and note search dialog, "Export poznámek do txt":
//                                         CanExportResultTxt, then file chooser, then ExportResultTxt
//
// The file is written in one piece beside its final name and renamed over it, so a failed export
// never leaves a half-written file or costs an existing one.

#include <string>
#include <string_view>

#include "core/CalendarDates.h"

namespace orv {

class CTedDoc;
class CSortedKeyList;
class IUiServices;

// An inclusive period; the default is the whole calendar ("Celý kalendář").
struct TxtExportPeriod {
  Date from{MinYear(), 1, 1};
  Date to{MaxYear(), 12, 31};
};

enum class TxtExportStatus {
  Written,
  NothingToExport,  // no note in the period, or none among the result's days
  Failed,           // the file could not be written
};

// Which dialog exports its result: it fixes the separator and the wording of the no-name refusal.
enum class TxtResultSource { Fulltext, NoteSearch };

// The period dialog's check on OK ("Spodní hranice období nesmí být větší než horní !").
bool CheckExportPeriod(const TxtExportPeriod& period, IUiServices& ui);

// What the calendar export requires before anything is asked: a calendar with a file name and with
// day records.
bool CanExportNotesTxt(const CTedDoc& doc, IUiServices& ui);
// The notes of the period's days, separator (Windows-1250) between date and note, a blank line after
// every day when blankLines. An empty period writes no lines: a new file is created empty, an
// existing one is left alone.
TxtExportStatus ExportNotesTxt(const CTedDoc& doc, const std::string& path, const TxtExportPeriod& period,
                               std::string_view separator, bool blankLines, IUiServices& ui);

bool CanExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                        IUiServices& ui);
// The notes of the result's days that have one.
TxtExportStatus ExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                                const std::string& path, IUiServices& ui);

}  // namespace orv
