#include "cli/CliCalendar.h"
#include "cli/Commands.h"

namespace orv::cli {

int CmdNew(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "new", 1, 1, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  calendar.Doc().OnNewDocument();
  // The program shows a new calendar at once, which enters Easter Monday of the year shown.
  calendar.Doc().m_Names.UpdateEasterMonday(StartDateFor(Today()).year);
  return calendar.SaveAs((*args)[0]) ? kExitOk : kExitError;
}

}  // namespace orv::cli
