// orv export-rtf FILE.orv OUT.rtf [options]: the calendar export "Export do rtf" as the period dialog
// would run it with those choices; --all lifts the limit of 365 day records. The count message goes
// to stderr.
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/qt/ExportOptions.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "export/RtfExport.h"

namespace orv::cli {

int CmdExportRtf(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, ExportValueOptions(), ExportFlagOptions(), error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a soubor exportu.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv export-rtf SOUBOR.orv VÝSTUP.rtf [--from RRRR-MM-DD] [--to RRRR-MM-DD] "
               "[--no-notes] [--no-day-commentaries] [--no-month-commentaries] [--month-style STYL] "
               "[--day-style STYL] [--all]\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  const auto choice = ExportChoiceFromArgs(*args, calendar.Doc(), ctx);
  if (!choice) return kExitError;
  if (!CanExportRtf(calendar.Doc(), ctx.ui)) return kExitNotFound;
  EnsureGuiApplication();
  const RtfExportStatus status =
      ExportRtf(calendar.Doc(), args->Positional()[1], *choice, ExportBaseFace(calendar.Doc()), ctx.ui);
  return status == RtfExportStatus::Written ? kExitOk : kExitError;
}

}  // namespace orv::cli
