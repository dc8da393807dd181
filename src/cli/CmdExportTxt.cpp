// orv export-txt FILE OUT: the short notes of a period (the whole calendar by default) into a text
// file, as "Export do txt" writes it; the count of days goes to stderr.

#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "export/TxtExport.h"

namespace orv::cli {

int CmdExportTxt(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--from", "--to", "--sep"}, {"--blank", "--encrypt"}, error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a soubor exportu.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv export-txt SOUBOR.orv VÝSTUP.txt [--from RRRR-MM-DD] [--to RRRR-MM-DD] "
               "[--sep TEXT] [--blank] [--encrypt]\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  if (!SealExportsWhenAsked(args->Has("--encrypt"), calendar.Doc(), ctx)) return kExitError;
  TxtExportPeriod period;
  for (const auto& [option, date] : {std::pair{"--from", &period.from}, std::pair{"--to", &period.to}}) {
    if (const auto value = args->Value(option)) {
      const auto parsed = ParseDateArgument(*value, ctx);
      if (!parsed) return kExitError;
      *date = *parsed;
    }
  }
  if (!CheckExportPeriod(period, ctx.ui)) return kExitError;

  if (!CanExportNotesTxt(calendar.Doc(), ctx.ui)) return kExitNotFound;
  const std::string separator = Cp1250FromUtf8(args->Value("--sep").value_or(":"));
  switch (ExportNotesTxt(calendar.Doc(), args->Positional()[1], period, separator, args->Has("--blank"),
                         ctx.ui)) {
    case TxtExportStatus::Written:
      return kExitOk;
    case TxtExportStatus::NothingToExport:
      return kExitNotFound;
    case TxtExportStatus::Failed:
      break;
  }
  return kExitError;
}

}  // namespace orv::cli
