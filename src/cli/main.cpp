#include <unistd.h>

#include <csignal>
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/TerminalUiServices.h"
#include "core/CalendarDates.h"
#include "core/YearRangeSetting.h"

int main(int argc, char** argv) {
  // A file-size limit then fails the write with EFBIG, reported like a full disk, instead of killing
  // orv half way through a save.
  std::signal(SIGXFSZ, SIG_IGN);
  // The year range the user chose in the program, without one that of the current year; --years
  // overrides it for one run.
  const auto years = orv::ReadYearRangeSetting(orv::UserSettingsPath());
  orv::SetYearRange(years.value_or(orv::DefaultYearRange(orv::Today().year)));
  orv::cli::TerminalUiServices ui(std::cin, std::cerr);
  orv::cli::CliContext ctx{std::cout, std::cerr, ui};
  ctx.outIsTerminal = isatty(STDOUT_FILENO) == 1;
  return orv::cli::RunOrv({argv + 1, argv + argc}, ctx);
}
