// orv search FILE EXPR: the full-text search over a calendar's commentaries and notes, as the search
// dialog runs it, with every day and month found rather than the dialog's fifty; with --export-rtf
// also the dialog's "Export do rtf" of the days (or, with --area, of the day commentaries or months).

#include <algorithm>
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "cli/QtCommandModule.h"
#include "cli/SearchCommands.h"
#include "cli/TerminalText.h"
#include "core/Cp1250.h"
#include "search/FulltextSearch.h"
#include "search/MaskWholeWords.h"
#include "search/ResultListTexts.h"

namespace orv::cli {

bool WantsRtfExport(const std::vector<std::string>& words) {
  return std::find(words.begin(), words.end(), "--export-rtf") != words.end();
}

std::optional<ERtfResultArea> ExportAreaFromArgs(const CliArgs& args) {
  const std::optional<std::string> area = args.Value("--area");
  if (!area || *area == "days") return ERtfResultArea::Days;
  if (*area == "day-commentaries") return ERtfResultArea::DayCommentaries;
  if (*area == "months") return ERtfResultArea::Months;
  return std::nullopt;
}

int RunFulltextSearchCommand(const std::vector<std::string>& words, CliContext& ctx,
                             ResultRtfWriter writeRtf) {
  std::string error;
  const auto args = CliArgs::Parse(
      words, {"--export-rtf", "--area"},
      {"--logical", "--mask", "--whole", "--case", "--commentaries-only", "--keys", "--no-accents", "--encrypt"},
      error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a hledaný výraz.";
  if (args && error.empty() && !ExportAreaFromArgs(*args))
    error = "Oblast exportu --area je days, day-commentaries nebo months.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv search SOUBOR.orv VÝRAZ [--logical] [--mask] [--whole] [--case] "
               "[--commentaries-only] [--keys] [--no-accents] [--export-rtf VÝSTUP.rtf [--area "
               "days|day-commentaries|months] [--encrypt]]\n";
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
  if (!SealExportsWhenAsked(args->Has("--encrypt"), calendar.Doc(), ctx)) return kExitError;
  CFulltextSearch search;
  const FulltextOutcome outcome = search.OnButHledat(calendar.Doc(), request, ctx.ui);
  if (outcome.status == FulltextStatus::Refused) return kExitError;
  if (outcome.status == FulltextStatus::NotFound) return kExitNotFound;
  const bool keys = args->Has("--keys");
  for (const std::string& key : search.FoundDays())
    ctx.out << ShownText(keys ? key : Cp1250ToUtf8(FoundDayText(key)), ctx) << '\n';
  for (const std::string& key : search.FoundMonths())
    ctx.out << ShownText(keys ? key : Cp1250ToUtf8(FoundMonthText(key)), ctx) << '\n';
  const std::optional<std::string> path = args->Value("--export-rtf");
  if (!path || !writeRtf) return kExitOk;
  const ERtfResultArea area = *ExportAreaFromArgs(*args);
  return writeRtf(calendar.Doc(), area == ERtfResultArea::Months ? search.FoundMonths() : search.FoundDays(),
                  area, RtfResultSource::Fulltext, *path, ctx);
}

int CmdSearch(const std::vector<std::string>& words, CliContext& ctx) {
  if (WantsRtfExport(words)) return RunQtCommand("search", words, ctx);
  return RunFulltextSearchCommand(words, ctx, nullptr);
}

}  // namespace orv::cli
