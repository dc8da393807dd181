// orv delete FILE DATE | --from DATE --to DATE: deletes the notes and commentaries of a day or of a
// period (both ends included) without asking, and saves the calendar. Month commentaries stay.
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/UiServices.h"
#include "view/PeriodRecords.h"

namespace orv::cli {

int CmdDelete(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--from", "--to"}, {}, error);
  // A period needs both its ends: one left out must not turn into the end of the calendar's years
  // and delete far more than the user named.
  const bool period = args && (args->Value("--from") || args->Value("--to"));
  const bool wholePeriod = args && args->Value("--from") && args->Value("--to");
  if (args && (args->Positional().size() != (period ? 1u : 2u) || period != wholePeriod))
    error = "Zadejte soubor kalendáře a den, nebo období volbami --from a --to.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv delete SOUBOR.orv RRRR-MM-DD\n"
               "        orv delete SOUBOR.orv --from RRRR-MM-DD --to RRRR-MM-DD\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  Date from, to;
  const std::pair<const char*, Date*> ends[] = {{"--from", &from}, {"--to", &to}};
  for (const auto& [option, date] : ends) {
    const std::string value = period ? *args->Value(option) : args->Positional()[1];
    const std::optional<Date> parsed = ParseDateArgument(value, ctx);
    if (!parsed) return kExitError;
    *date = *parsed;
  }
  if (!CheckPeriod(from, to, ctx.ui)) return kExitError;

  const std::vector<std::string> keys = KeysInPeriod(calendar.Doc(), from, to);
  if (keys.empty()) {
    if (period)
      ctx.ui.MessageBox(kEmptyPeriod, MessageIcon::Information);
    else
      ctx.err << "Den " << args->Positional()[1] << " nemá poznámku ani výklad.\n";
    return kExitNotFound;
  }
  const int removed = RemoveDayRecords(calendar.Doc(), keys, &ctx.ui);
  if (!calendar.SaveIfModified()) return kExitError;
  ctx.out << DeletedDaysText(removed) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
