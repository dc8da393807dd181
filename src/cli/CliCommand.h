#pragma once
// The orv command set: every command is one row of a table (name, synopsis, what it does, handler).
// A handler gets the words after the command name and the terminal's UI services, prints UTF-8 on
// stdout and returns the exit status: 0 done, 1 nothing found, 2 error or refusal.

#include <iosfwd>
#include <string>
#include <vector>

#include "core/YearRange.h"

namespace orv {
class IUiServices;
}

namespace orv::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitError = 2;

struct CliContext {
  std::ostream& out;
  std::ostream& err;
  IUiServices& ui;
  // The year range of the run, as it stands when the context is made: the module orv-qt.so has a
  // calendar core of its own and takes the range from here.
  SYearRange years = YearRange();
  // Whether `out` is a terminal: calendar text is then shown with its control characters escaped.
  bool outIsTerminal = false;
};

using CliHandler = int (*)(const std::vector<std::string>& words, CliContext& ctx);

struct CliCommand {
  const char* name;
  const char* synopsis;  // the arguments, as --help shows them
  const char* summary;   // one line of Czech
  CliHandler handler;
};

// The table of commands, in the order --help lists them.
const std::vector<CliCommand>& CliCommands();

// An option every command takes (taken out before the command sees its words).
struct CliOption {
  std::string name;      // "--years"
  std::string argument;  // "OD-DO", empty for a switch
  std::string summary;   // one line of Czech
};

// The options of every command, in the order --help lists them.
const std::vector<CliOption>& CliGlobalOptions();

// The overview orv --help prints: every command and option of the tables above.
void PrintHelp(std::ostream& out);

// Runs orv with its arguments (without the program name).
int RunOrv(const std::vector<std::string>& args, CliContext& ctx);

}  // namespace orv::cli
