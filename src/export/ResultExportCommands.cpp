#include "export/ResultExportCommands.h"

#include "export/ExportChooser.h"
#include "export/PdfExport.h"

namespace orv {
namespace {

using ResultWriter = RtfExportStatus (*)(const CTedDoc&, const CSortedKeyList&, ERtfResultArea,
                                         const std::string&, std::string_view, IUiServices&);

void ExportResult(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area, RtfResultSource source,
                  std::string_view baseFace, IUiServices& ui, std::string_view title, std::string_view filter,
                  std::string_view extension, ResultWriter write) {
  if (!CanExportResultRtf(doc, keys, source, ui)) return;
  if (const auto path = ChooseExportFile(ui, title, filter, extension))
    write(doc, keys, area, *path, baseFace, ui);
}

}  // namespace

void OnExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                       RtfResultSource source, std::string_view baseFace, IUiServices& ui) {
  ExportResult(doc, keys, area, source, baseFace, ui, kRtfChooserTitle, kRtfChooserFilter, ".rtf",
               ExportResultRtf);
}

void OnExportResultPdf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                       RtfResultSource source, std::string_view baseFace, IUiServices& ui) {
  ExportResult(doc, keys, area, source, baseFace, ui, kPdfChooserTitle, kPdfChooserFilter, ".pdf",
               ExportResultPdf);
}

}  // namespace orv
