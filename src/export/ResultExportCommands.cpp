#include "export/ResultExportCommands.h"

#include <optional>
#include <string>

#include "export/ExportChooser.h"
#include "export/PdfExport.h"

namespace orv {
namespace {

// The refusals and the chooser; the chosen path, or nothing.
std::optional<std::string> ChooseResultFile(const CTedDoc& doc, const CSortedKeyList& keys,
                                            RtfResultSource source, IUiServices& ui, std::string_view title,
                                            std::string_view filter, std::string_view extension) {
  if (!CanExportResultRtf(doc, keys, source, ui)) return std::nullopt;
  return ChooseExportFile(ui, title, filter, extension, doc);
}

}  // namespace

void OnExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                       RtfResultSource source, std::string_view baseFace, IUiServices& ui) {
  if (const auto path = ChooseResultFile(doc, keys, source, ui, kRtfChooserTitle, kRtfChooserFilter, ".rtf"))
    ExportResultRtf(doc, keys, area, *path, baseFace, ui);
}

void OnExportResultPdf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                       RtfResultSource source, std::string_view baseFace, IUiServices& ui,
                       const PageProgress& pageProgress) {
  if (const auto path = ChooseResultFile(doc, keys, source, ui, kPdfChooserTitle, kPdfChooserFilter, ".pdf"))
    ExportResultPdf(doc, keys, area, *path, baseFace, ui, pageProgress);
}

}  // namespace orv
