#pragma once
// The orv commands that need Qt Gui. They are built into the module orv-qt.so (Module.cpp), which orv
// loads when one of them runs (cli/QtCommandModule.h); their rows stay in the table of CliCommands.cpp.

#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace orv::cli {

int CmdCommentary(const std::vector<std::string>& words, CliContext& ctx);
int CmdAppend(const std::vector<std::string>& words, CliContext& ctx);
int CmdStyles(const std::vector<std::string>& words, CliContext& ctx);
int CmdStyle(const std::vector<std::string>& words, CliContext& ctx);
int CmdReplace(const std::vector<std::string>& words, CliContext& ctx);
int CmdExportRtf(const std::vector<std::string>& words, CliContext& ctx);
int CmdExportPdf(const std::vector<std::string>& words, CliContext& ctx);
int CmdImportRedNotebook(const std::vector<std::string>& words, CliContext& ctx);
int CmdImportMd(const std::vector<std::string>& words, CliContext& ctx);
int CmdExportMd(const std::vector<std::string>& words, CliContext& ctx);
// orv search and orv find-notes with --export-rtf (cli/SearchCommands.h).
int CmdSearchExportRtf(const std::vector<std::string>& words, CliContext& ctx);
int CmdFindNotesExportRtf(const std::vector<std::string>& words, CliContext& ctx);

// Runs the command of the module named so (a QtCommandEntry).
int RunQtModuleCommand(const char* name, const std::vector<std::string>& words, CliContext& ctx);

}  // namespace orv::cli
