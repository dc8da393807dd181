#pragma once
// Exporting to an RTF file, started three ways:
//
//   calendar view, "Export do rtf":   CanExportRtf, the file chooser (kRtfChooserTitle), the period
//                                      dialog (CRtfExportDialogModel), then ExportRtf
//   full-text dialog, note search dialog, "Export do rtf":
//                                      CanExportResultRtf, the file chooser, then ExportResultRtf with
//                                      the dialog's exportArea (the note search: ERtfResultArea::Days)
//
// The content is assembled in memory (RtfAssembly.h) and written only when complete, beside its
// final name and renamed over it: a failed export says why and leaves an existing file as it was.
// The calendar is only read; its modified flag is the caller's to keep (a window that stores its
// editors first restores the flag afterwards). On success the count message is shown.
//
// The same content as PDF: PdfExport.h (ExportPdf, ExportResultPdf); on the printer and in the print
// preview: ui/ExportCommands.h (PrintContent, PreviewContent).

#include <string>
#include <string_view>

#include "export/ExportFile.h"
#include "export/RtfCalendarExport.h"
#include "export/RtfResultExport.h"

namespace orv {

class CSortedKeyList;
class CTedDoc;
class IUiServices;

inline constexpr std::string_view kRtfChooserTitle = "Exportovat do souboru rtf";
inline constexpr std::string_view kRtfChooserFilter = "RTF (*.rtf)";

enum class RtfExportStatus { Written, Failed, Cancelled };

// Which search dialog exports: it fixes the wording of the no-name refusal.
enum class RtfResultSource { Fulltext, NoteSearch };

// A calendar with a file name and with day or month records.
bool CanExportRtf(const CTedDoc& doc, IUiServices& ui);
// `baseFace` (Windows-1250) is the face of the generated headings and notes.
RtfExportStatus ExportRtf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress = {});

// A calendar with a file name and a result that is not empty.
bool CanExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, RtfResultSource source,
                        IUiServices& ui);
RtfExportStatus ExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                const std::string& path, std::string_view baseFace, IUiServices& ui);


}  // namespace orv
