#pragma once
// Handlers of the orv commands, one file each (Cmd<Name>.cpp); the table is in CliCommands.cpp.

#include "cli/CliCommand.h"

namespace orv::cli {

int CmdRtf2Txt(const std::vector<std::string>& words, CliContext& ctx);

}  // namespace orv::cli
