// orv search … --export-rtf and orv find-notes … --export-rtf: the searches of orv with the result
// export "Export do rtf" of the search windows written afterwards. The count message goes to stderr.
#include "cli/SearchCommands.h"
#include "cli/qt/ExportOptions.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"

namespace orv::cli {
namespace {

int WriteResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                   RtfResultSource source, const std::string& path, CliContext& ctx) {
  if (!CanExportResultRtf(doc, keys, source, ctx.ui)) return kExitNotFound;
  EnsureGuiApplication();
  const RtfExportStatus status = ExportResultRtf(doc, keys, area, path, ExportBaseFace(doc), ctx.ui);
  return status == RtfExportStatus::Written ? kExitOk : kExitError;
}

}  // namespace

int CmdSearchExportRtf(const std::vector<std::string>& words, CliContext& ctx) {
  return RunFulltextSearchCommand(words, ctx, WriteResultRtf);
}

int CmdFindNotesExportRtf(const std::vector<std::string>& words, CliContext& ctx) {
  return RunNoteSearchCommand(words, ctx, WriteResultRtf);
}

}  // namespace orv::cli
