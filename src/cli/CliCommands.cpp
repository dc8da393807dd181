#include "cli/CliCommand.h"
#include "cli/Commands.h"

namespace orv::cli {

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"match", "VÝRAZ TEXT [--logical] [--mask] [--whole] [--case]",
       "vypíše 1, když text odpovídá hledanému výrazu, jinak 0", CmdMatch},
  };
  return commands;
}

}  // namespace orv::cli
