#include "cli/CliCommand.h"
#include "cli/Commands.h"

namespace orv::cli {

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"names", "[--category N]", "jména a svátky nového kalendáře (kategorie 0–4, výchozí 0)", CmdNames},
      {"match", "VÝRAZ TEXT [--logical] [--mask] [--whole] [--case]",
       "vypíše 1, když text odpovídá hledanému výrazu, jinak 0", CmdMatch},
  };
  return commands;
}

}  // namespace orv::cli
