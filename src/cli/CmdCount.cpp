// orv count FILE: the number of days with a record, as "Počet záznamů" shows it.
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "view/PeriodRecords.h"

namespace orv::cli {

int CmdCount(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "count", 1, 1, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  ctx.out << RecordCountText(calendar.Doc()) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
