// orv export-rtf FILE.orv OUT.rtf [options]: the calendar export "Export do rtf" as the period dialog
// would run it with those choices; --all lifts the limit of 365 day records. The count message goes
// to stderr.
#include "cli/qt/ExportOptions.h"
#include "cli/qt/QtCommands.h"
#include "export/RtfExport.h"

namespace orv::cli {

int CmdExportRtf(const std::vector<std::string>& words, CliContext& ctx) {
  return RunCalendarExport(
      words, ctx,
      "orv export-rtf SOUBOR.orv VÝSTUP.rtf [--from RRRR-MM-DD] [--to RRRR-MM-DD] "
      "[--no-notes] [--no-day-commentaries] [--no-month-commentaries] [--month-style STYL] "
      "[--day-style STYL] [--all] [--encrypt]",
      ExportRtf);
}

}  // namespace orv::cli
