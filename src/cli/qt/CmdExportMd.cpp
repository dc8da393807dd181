// orv export-md FILE.orv FOLDER [--from RRRR-MM-DD] [--to RRRR-MM-DD]: the calendar's days and month
// commentaries as Markdown daily notes, FOLDER/YYYY/YYYY-MM-DD.md and FOLDER/YYYY/YYYY-MM.md. Files
// there with other content are replaced only when the user agrees (--yes).
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "exchange/MarkdownExport.h"

namespace orv::cli {

int CmdExportMd(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--from", "--to"}, {}, error);
  if (!args || args->Positional().size() != 2) {
    ctx.err << (args ? "Použití: orv export-md SOUBOR.orv SLOŽKA [--from RRRR-MM-DD] [--to RRRR-MM-DD]"
                     : error)
            << '\n';
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  Date from{1, 1, 1}, to{9999, 12, 31};
  for (const auto& [option, day] : {std::pair{"--from", &from}, std::pair{"--to", &to}}) {
    const auto text = args->Value(option);
    if (!text) continue;
    const auto date = ParseDateArgument(*text, ctx);
    if (!date) return kExitError;
    *day = *date;
  }
  EnsureGuiApplication();
  const SMarkdownExport result = ExportMarkdown(calendar.Doc(), args->Positional()[1], from, to, ctx.ui);
  if (!result.completed) return kExitError;
  ctx.out << MarkdownExportText(result) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
