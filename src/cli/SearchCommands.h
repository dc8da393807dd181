#pragma once
// orv search and orv find-notes, shared by the commands of orv and their --export-rtf forms in the
// module orv-qt.so (writing RTF needs Qt): the words checked, the calendar opened and searched, the
// found entries printed, then, when the module passes its writer, the result export written.
//
//   if (WantsRtfExport(words)) return RunQtCommand("search", words, ctx);   // in orv
//   return RunFulltextSearchCommand(words, ctx, nullptr);
//   RunFulltextSearchCommand(words, ctx, WriteResultRtf);                   // in the module

#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "export/RtfExport.h"

namespace orv::cli {

class CliArgs;

// Writes the result export of `keys` to `path` and says the count; the exit status.
using ResultRtfWriter = int (*)(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                RtfResultSource source, const std::string& path, CliContext& ctx);

// The words ask for --export-rtf.
bool WantsRtfExport(const std::vector<std::string>& words);

// --area days|day-commentaries|months (days when absent); nullopt for another value.
std::optional<ERtfResultArea> ExportAreaFromArgs(const CliArgs& args);

int RunFulltextSearchCommand(const std::vector<std::string>& words, CliContext& ctx,
                             ResultRtfWriter writeRtf);
int RunNoteSearchCommand(const std::vector<std::string>& words, CliContext& ctx, ResultRtfWriter writeRtf);

}  // namespace orv::cli
