#pragma once
// The commands that lay out rich text need Qt Gui, whose libraries take longer to load than most
// commands take to run. They live in the module orv-qt.so, which orv loads the first time one of them
// runs, so orv itself links no Qt. The module is looked for beside the executable, then in
// ../lib/orvella/ relative to it (an installed orv).

#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace orv::cli {

// The module's entry: runs the command of that name with the words after it.
using QtCommandEntry = int (*)(const char* name, const std::vector<std::string>& words, CliContext& ctx);

// The name under which the module exports its entry (extern "C").
inline constexpr const char* kQtCommandEntrySymbol = "orv_qt_command";
inline constexpr const char* kQtModuleFile = "orv-qt.so";

// Runs a command of the module, loading it on first use; exit 2 with a message when it cannot be loaded.
int RunQtCommand(const char* name, const std::vector<std::string>& words, CliContext& ctx);

// Uses this entry instead of loading the module (for a program that links the commands itself).
void SetQtCommandEntry(QtCommandEntry entry);

}  // namespace orv::cli
