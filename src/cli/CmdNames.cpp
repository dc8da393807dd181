// orv names [FILE.orv] [--category N]: the names and holidays of a calendar (a new one when no file
// is given), one entry a line. Name days (category 0) alphabetically as "name<TAB>24. června"; the
// other categories in calendar order as "24. června<TAB>name".
#include <algorithm>
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "names/NameLists.h"
#include "names/NamesDatabase.h"

namespace orv::cli {
namespace {

std::optional<int> ParseCategory(const std::string& text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '4') return std::nullopt;
  return text[0] - '0';
}

}  // namespace

int CmdNames(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const std::optional<CliArgs> args = CliArgs::Parse(words, {"--category"}, {}, error);
  if (!args) {
    ctx.err << error << '\n';
    return kExitError;
  }
  if (args->Positional().size() > 1) {
    ctx.err << "Nadbytečný argument \"" << args->Positional()[1] << "\".\n";
    return kExitError;
  }
  int category = kNameDays;
  if (const std::optional<std::string> value = args->Value("--category")) {
    const std::optional<int> parsed = ParseCategory(*value);
    if (!parsed) {
      ctx.err << "Neplatná kategorie \"" << *value
              << "\": zadejte 0 (jmenné svátky), 1 (státní svátky), 2 (ostatní svátky), 3 (soukromé svátky) "
                 "nebo 4 (významné dny).\n";
      return kExitError;
    }
    category = *parsed;
  }

  // The lists as the calendar shows them once opened: Easter Monday of the year it starts in.
  CCliCalendar calendar(ctx);
  if (args->Positional().empty())
    calendar.Doc().OnNewDocument();
  else if (!calendar.Open(args->Positional()[0]))
    return kExitError;
  CNamesDatabase& names = calendar.Doc().m_Names;
  names.UpdateEasterMonday(StartDateFor(Today()).year);

  const bool alphabetical = category == kNameDays;
  const std::vector<CNameListEntry> entries =
      alphabetical ? AlphabeticalNames(names, category) : ChronologicalNames(names, category);
  for (const CNameListEntry& e : entries) {
    const std::string name = Cp1250ToUtf8(e.name);
    const std::string date = Cp1250ToUtf8(FormatAnniversary(e.anniversaryKey));
    ctx.out << (alphabetical ? name : date) << '\t' << (alphabetical ? date : name) << '\n';
  }
  return entries.empty() ? kExitNotFound : kExitOk;
}

}  // namespace orv::cli
