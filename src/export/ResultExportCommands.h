#pragma once
// "Export do rtf" and "Export do PDF ..." of the search windows, from the button to the written file:
// the refusals (no file name, an empty result), the file chooser ("Exportovat do souboru rtf", the
// calendar's name with ".rtf"; the PDF's likewise), then the export with its count message. The RTF takes at most 365
// entries, the PDF all of them.
//
//   OnExportResultRtf(doc, search.FoundDays(), ERtfResultArea::Days, RtfResultSource::NoteSearch,
//                     baseFace, ui);
//
// `keys` are the found days, or for ERtfResultArea::Months the found months.

#include <string_view>

#include "export/PrintLayout.h"
#include "export/RtfExport.h"

namespace orv {

void OnExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                       RtfResultSource source, std::string_view baseFace, IUiServices& ui);
// `pageProgress` is told the pages painted and may stop the export (nothing is written then).
void OnExportResultPdf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                       RtfResultSource source, std::string_view baseFace, IUiServices& ui,
                       const PageProgress& pageProgress = {});

}  // namespace orv
