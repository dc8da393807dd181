// orv search FILE EXPR: the full-text search over a calendar's commentaries and notes, as the search
// dialog runs it, with every day and month found rather than the dialog's fifty.

#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "search/FulltextSearch.h"
#include "search/MaskWholeWords.h"
#include "search/ResultListTexts.h"

namespace orv::cli {

int CmdSearch(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(
      words, {},
      {"--logical", "--mask", "--whole", "--case", "--commentaries-only", "--keys", "--no-accents"}, error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a hledaný výraz.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv search SOUBOR.orv VÝRAZ [--logical] [--mask] [--whole] [--case] "
               "[--commentaries-only] [--keys] [--no-accents]\n";
    return kExitError;
  }
  FulltextRequest request;
  request.input = Cp1250FromUtf8(args->Positional()[1]);
  request.options.logical = args->Has("--logical");

  request.options.matchCase = args->Has("--case");
  request.options.ignoreAccents = args->Has("--no-accents");
  // "Celá slova" is ticked while the mask is, as the dialog does it.
  MaskWholeWords boxes;
  boxes.SetWholeWords(args->Has("--whole"));
  boxes.SetMask(args->Has("--mask"));
  request.options.useMask = boxes.useMask;
  request.options.wholeWords = boxes.wholeWords;
  request.userWholeWords = boxes.userWholeWords;
  request.commentariesOnly = args->Has("--commentaries-only");

  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  CFulltextSearch search;
  const FulltextOutcome outcome = search.OnButHledat(calendar.Doc(), request, ctx.ui);
  if (outcome.status == FulltextStatus::Refused) return kExitError;
  if (outcome.status == FulltextStatus::NotFound) return kExitNotFound;
  const bool keys = args->Has("--keys");
  for (const std::string& key : search.FoundDays())
    ctx.out << (keys ? key : Cp1250ToUtf8(FoundDayText(key))) << '\n';
  for (const std::string& key : search.FoundMonths())
    ctx.out << (keys ? key : Cp1250ToUtf8(FoundMonthText(key))) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
