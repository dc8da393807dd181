#include "cli/CliCommand.h"
#include "cli/Commands.h"

namespace orv::cli {

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"rtf2txt", "SOUBOR.rtf", "vypíše prostý text souboru RTF", CmdRtf2Txt},
  };
  return commands;
}

}  // namespace orv::cli
