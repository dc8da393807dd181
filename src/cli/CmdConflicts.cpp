// orv conflicts FILE: the conflict copies that sync tools left beside the calendar, one path a line.
// Exits 1 when there are none.
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "document/merge/ConflictCopies.h"

namespace orv::cli {

int CmdConflicts(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "conflicts", 1, 1, ctx);
  if (!args) return kExitError;
  const std::vector<std::string> copies = FindConflictCopies((*args)[0]);
  for (const std::string& copy : copies) ctx.out << copy << '\n';
  return copies.empty() ? kExitNotFound : kExitOk;
}

}  // namespace orv::cli
