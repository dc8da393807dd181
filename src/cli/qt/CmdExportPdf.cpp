// orv export-pdf FILE.orv OUT.pdf [options]: the calendar export laid out on A4 pages with the
// calendar's name and page numbers in the footer; the options of export-rtf, without a limit of
// records. The count message goes to stderr.
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/qt/ExportOptions.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "export/PdfExport.h"

namespace orv::cli {

int CmdExportPdf(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, ExportValueOptions(), ExportFlagOptions(), error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a soubor exportu.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv export-pdf SOUBOR.orv VÝSTUP.pdf [--from RRRR-MM-DD] [--to RRRR-MM-DD] "
               "[--no-notes] [--no-day-commentaries] [--no-month-commentaries] [--month-style STYL] "
               "[--day-style STYL]\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  const auto choice = ExportChoiceFromArgs(*args, calendar.Doc(), ctx);
  if (!choice) return kExitError;
  if (!CanExportRtf(calendar.Doc(), ctx.ui)) return kExitNotFound;
  EnsureGuiApplication();
  const RtfExportStatus status =
      ExportPdf(calendar.Doc(), args->Positional()[1], *choice, ExportBaseFace(calendar.Doc()), ctx.ui);
  return status == RtfExportStatus::Written ? kExitOk : kExitError;
}

}  // namespace orv::cli
