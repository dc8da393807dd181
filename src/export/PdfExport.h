#pragma once
// "Export do PDF": the calendar export of a period, with the same content and formats as the RTF
// export but without the limit of 365 records, laid out on A4 pages (PrintLayout.h) and written like
// the RTF file: whole, beside its final name, renamed over it.
//
//   if (CanExportRtf(doc, ui)) ExportPdf(doc, path, choice, baseFace, ui);

#include <string>
#include <string_view>

#include "export/PrintLayout.h"
#include "export/RtfExport.h"

namespace orv {

inline constexpr std::string_view kPdfChooserTitle = "Exportovat do souboru PDF";
inline constexpr std::string_view kPdfChooserFilter = "PDF (*.pdf)";

// The footer names the calendar: its file's name.
RtfExportStatus ExportPdf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress = {});
// The same telling the pages painted as well (the walk's days come first).
RtfExportStatus ExportPdf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress,
                          const PageProgress& pageProgress);
// A search result's days or months, all of them (CanExportResultRtf first).
RtfExportStatus ExportResultPdf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                const std::string& path, std::string_view baseFace, IUiServices& ui,
                                const PageProgress& pageProgress = {});

}  // namespace orv
