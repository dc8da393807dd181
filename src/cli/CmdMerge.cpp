// orv merge FILE COPY [--base BASE] [--keep]: merges another version of the calendar (a conflict
// copy a sync tool left) into FILE, saves FILE, moves COPY to the Trash (kept with --keep) and
// prints the days and months that both sides had changed and that were joined. With BASE, the
// version both started from, a change made on one side only wins, deletions included; without it
// the merge is the union. A copy that cannot be opened is refused as any calendar is, FILE stays
// unchanged and the copy stays where it is. Commentaries are joined without a document, so the
// command runs without Qt.
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/CalendarDates.h"
#include "document/merge/AppendCommand.h"
#include "document/merge/MergeCalendars.h"
#include "document/merge/Trash.h"
#include "editor/ContentJoin.h"

namespace orv::cli {
namespace {

constexpr const char* kUsage = "Použití: orv merge SOUBOR.orv KOPIE.orv [--base ZÁKLAD.orv] [--keep]";

// "2026/12/11" -> "2026-12-11", as dates are given to orv.
std::string ArgumentForm(std::string key) {
  for (char& c : key)
    if (c == '/') c = '-';
  return key;
}

void PrintJoined(const SMergeResult& result, CliContext& ctx) {
  if (result.joinedDays.empty() && result.joinedMonths.empty()) return;
  ctx.out << "Změny z obou stran byly spojeny: " << result.joinedDays.size() << " dnů, "
          << result.joinedMonths.size() << " měsíců.\n";
  for (const std::string& day : result.joinedDays) ctx.out << ArgumentForm(day) << '\n';
  for (const std::string& month : result.joinedMonths) ctx.out << ArgumentForm(month) << '\n';
}

}  // namespace

int CmdMerge(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--base"}, {"--keep"}, error);
  if (!args || args->Positional().size() != 2) {
    ctx.err << (args ? std::string(kUsage) : error) << '\n';
    return kExitError;
  }
  const std::string& path = args->Positional()[0];
  const std::string& copyPath = args->Positional()[1];
  if (IsSameFile(path, copyPath)) {
    ctx.err << "Kalendář a kopie jsou týž soubor; nic nebylo sloučeno.\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(path)) return kExitError;
  CCliCalendar copy(ctx);
  if (!copy.Open(copyPath)) return kExitError;
  std::optional<CCliCalendar> base;
  if (const std::optional<std::string> basePath = args->Value("--base")) {
    base.emplace(ctx);
    if (!base->Open(*basePath)) return kExitError;
  }

  CContentJoin joiner;
  const SMergeResult result =
      MergeCalendars(calendar.Doc(), copy.Doc(), base ? &base->Doc() : nullptr, joiner);
  if (result.tooLarge) {
    ctx.err << "Výklad je příliš velký\nKalendář " << path << " se nezměnil, kopie zůstala na svém místě.\n";
    return kExitError;
  }
  if (result.Changed()) calendar.Doc().SetModifiedFlag();
  if (!calendar.SaveIfModified()) return kExitError;
  ctx.out << "Kopie " << copyPath << " je sloučena do kalendáře " << path << ".\n";
  PrintJoined(result, ctx);
  if (args->Has("--keep")) return kExitOk;
  const STrashed trashed = MoveToTrash(copyPath);
  if (!trashed.error.empty()) {
    ctx.err << "Kopie zůstala na svém místě: " << trashed.error << ".\n";
    return kExitError;
  }
  ctx.out << "Kopie je v koši: " << trashed.path << '\n';
  return kExitOk;
}

}  // namespace orv::cli
