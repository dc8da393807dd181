#pragma once
// The options that orv export-rtf and orv export-pdf share: what the period dialog would be given.
//
//   [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--no-notes] [--no-day-commentaries]
//   [--no-month-commentaries] [--month-style NAME] [--day-style NAME] [--all]

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "export/RtfCalendarExport.h"
#include "export/RtfExport.h"

namespace orv {
class CTedDoc;
}

namespace orv::cli {

struct CliContext;

std::set<std::string> ExportValueOptions();
std::set<std::string> ExportFlagOptions();

// The choice the options give, checked as the dialog checks it (and style names against the
// calendar); nullopt when the user was told what is wrong.
std::optional<SRtfExportChoice> ExportChoiceFromArgs(const CliArgs& args, const CTedDoc& doc,
                                                     CliContext& ctx);

// The calendar exports of orv: the calendar and the output file, the choices, the checks of the
// dialog, then `write`; the exit status. `usage` is the command's line of use.
using CalendarExportWriter = RtfExportStatus (*)(const CTedDoc&, const std::string&, const SRtfExportChoice&,
                                                 std::string_view, IUiServices&, const ExportProgress&);
int RunCalendarExport(const std::vector<std::string>& words, CliContext& ctx, std::string_view usage,
                      CalendarExportWriter write);

// The face of generated headings and notes: the calendar's "Standard1" face, as the window's base
// font gives it to a calendar, or a common face for a calendar never set up in the window.
std::string ExportBaseFace(const CTedDoc& doc);

}  // namespace orv::cli
