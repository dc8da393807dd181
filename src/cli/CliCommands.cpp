#include "cli/CliCommand.h"
#include "cli/Commands.h"

namespace orv::cli {

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
  };
  return commands;
}

}  // namespace orv::cli
