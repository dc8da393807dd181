#pragma once
// The orv commands that need Qt Gui. They are built into the module orv-qt.so (Module.cpp), which orv
// loads when one of them runs (cli/QtCommandModule.h); their rows stay in the table of CliCommands.cpp.

#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace orv::cli {

int CmdCommentary(const std::vector<std::string>& words, CliContext& ctx);
int CmdAppend(const std::vector<std::string>& words, CliContext& ctx);

// Runs the command of the module named so (a QtCommandEntry).
int RunQtModuleCommand(const char* name, const std::vector<std::string>& words, CliContext& ctx);

}  // namespace orv::cli
