#include "cli/CliCalendar.h"
#include "cli/Commands.h"

namespace orv::cli {

// Reads a calendar of any version and writes it as the current version under another name.
int CmdConvert(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "convert", 2, 2, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  return calendar.SaveAs((*args)[1]) ? kExitOk : kExitError;
}

}  // namespace orv::cli
