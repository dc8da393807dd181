// orv export-pdf FILE.orv OUT.pdf [options]: the calendar export laid out on A4 pages with the
// calendar's name and page numbers in the footer; the options of export-rtf, without a limit of
// records. The count message goes to stderr.
#include "cli/qt/ExportOptions.h"
#include "cli/qt/QtCommands.h"
#include "export/PdfExport.h"

namespace orv::cli {

int CmdExportPdf(const std::vector<std::string>& words, CliContext& ctx) {
  return RunCalendarExport(
      words, ctx,
      "orv export-pdf SOUBOR.orv VÝSTUP.pdf [--from RRRR-MM-DD] [--to RRRR-MM-DD] "
      "[--no-notes] [--no-day-commentaries] [--no-month-commentaries] [--month-style STYL] "
      "[--day-style STYL] [--encrypt]",
      ExportPdf);
}

}  // namespace orv::cli
