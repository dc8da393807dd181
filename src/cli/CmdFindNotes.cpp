// orv find-notes FILE TEXT: the search in short notes; prints the dialog's list, date and note
// separated by a tab; with --export-rtf also the dialog's "Export do rtf" of the found days.

#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "cli/QtCommandModule.h"
#include "cli/SearchCommands.h"
#include "cli/TerminalText.h"
#include "core/Cp1250.h"
#include "search/NoteSearch.h"

namespace orv::cli {

int RunNoteSearchCommand(const std::vector<std::string>& words, CliContext& ctx, ResultRtfWriter writeRtf) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--export-rtf"}, {"--whole", "--case", "--no-accents", "--encrypt"}, error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a hledaný text.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv find-notes SOUBOR.orv TEXT [--whole] [--case] [--no-accents] "
               "[--export-rtf VÝSTUP.rtf [--encrypt]]\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  if (!SealExportsWhenAsked(args->Has("--encrypt"), calendar.Doc(), ctx)) return kExitError;
  CNoteSearch search;
  search.SetIgnoreAccents(args->Has("--no-accents"));
  const NoteSearchStatus status = search.Search(calendar.Doc(), Cp1250FromUtf8(args->Positional()[1]),
                                                args->Has("--whole"), args->Has("--case"), ctx.ui);
  if (status == NoteSearchStatus::Refused) return kExitError;
  if (status == NoteSearchStatus::NotFound) return kExitNotFound;
  for (const std::string& entry : search.Entries()) ctx.out << ShownText(Cp1250ToUtf8(entry), ctx) << '\n';
  const std::optional<std::string> path = args->Value("--export-rtf");
  if (!path || !writeRtf) return kExitOk;
  return writeRtf(calendar.Doc(), search.FoundKeys(), ERtfResultArea::Days, RtfResultSource::NoteSearch,
                  *path, ctx);
}

int CmdFindNotes(const std::vector<std::string>& words, CliContext& ctx) {
  if (WantsRtfExport(words)) return RunQtCommand("find-notes", words, ctx);
  return RunNoteSearchCommand(words, ctx, nullptr);
}

}  // namespace orv::cli
