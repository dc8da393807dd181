#include "cli/CliCalendar.h"
#include "cli/Commands.h"

namespace orv::cli {

int CmdNew(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "new", 1, 1, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  calendar.Doc().OnNewDocument();
  return calendar.SaveAs((*args)[0]) ? kExitOk : kExitError;
}

}  // namespace orv::cli
