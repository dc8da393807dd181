#pragma once
// Handlers of the orv commands, one file each (Cmd<Name>.cpp); the table is in CliCommands.cpp.

#include "cli/CliCommand.h"

namespace orv::cli {

int CmdNames(const std::vector<std::string>& words, CliContext& ctx);
int CmdMatch(const std::vector<std::string>& words, CliContext& ctx);
int CmdNew(const std::vector<std::string>& words, CliContext& ctx);
int CmdInfo(const std::vector<std::string>& words, CliContext& ctx);
int CmdDump(const std::vector<std::string>& words, CliContext& ctx);
int CmdNote(const std::vector<std::string>& words, CliContext& ctx);
int CmdDay(const std::vector<std::string>& words, CliContext& ctx);
int CmdConvert(const std::vector<std::string>& words, CliContext& ctx);
int CmdPassword(const std::vector<std::string>& words, CliContext& ctx);
int CmdSearch(const std::vector<std::string>& words, CliContext& ctx);
int CmdFindNotes(const std::vector<std::string>& words, CliContext& ctx);
int CmdExportTxt(const std::vector<std::string>& words, CliContext& ctx);
int CmdMonth(const std::vector<std::string>& words, CliContext& ctx);
int CmdRtf2Txt(const std::vector<std::string>& words, CliContext& ctx);
int CmdHoliday(const std::vector<std::string>& words, CliContext& ctx);
int CmdDelete(const std::vector<std::string>& words, CliContext& ctx);
int CmdCount(const std::vector<std::string>& words, CliContext& ctx);
int CmdAuthor(const std::vector<std::string>& words, CliContext& ctx);
int CmdSpell(const std::vector<std::string>& words, CliContext& ctx);
int CmdOnThisDay(const std::vector<std::string>& words, CliContext& ctx);
int CmdConflicts(const std::vector<std::string>& words, CliContext& ctx);
int CmdEncrypt(const std::vector<std::string>& words, CliContext& ctx);
int CmdDecrypt(const std::vector<std::string>& words, CliContext& ctx);
int CmdMerge(const std::vector<std::string>& words, CliContext& ctx);

}  // namespace orv::cli
