#include "cli/qt/QtCommands.h"

#include <cstring>
#include <ostream>

namespace orv::cli {

int RunQtModuleCommand(const char* name, const std::vector<std::string>& words, CliContext& ctx) {
  static constexpr struct {
    const char* name;
    CliHandler handler;
  } kCommands[] = {
      {"commentary", CmdCommentary}, {"append", CmdAppend},          {"styles", CmdStyles},
      {"style", CmdStyle},           {"replace", CmdReplace},        {"export-rtf", CmdExportRtf},
      {"export-pdf", CmdExportPdf},  {"search", CmdSearchExportRtf}, {"find-notes", CmdFindNotesExportRtf},
      {"import-rednotebook", CmdImportRedNotebook},
      {"import-md", CmdImportMd},
      {"export-md", CmdExportMd}};
  for (const auto& command : kCommands)
    if (std::strcmp(name, command.name) == 0) return command.handler(words, ctx);
  // An orv and a module from different builds.
  ctx.err << "Modul orv-qt.so neobsahuje příkaz \"" << name
          << "\"; orv a modul nejsou ze stejného sestavení.\n";
  return kExitError;
}

}  // namespace orv::cli
