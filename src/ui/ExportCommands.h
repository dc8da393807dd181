#pragma once
// The export commands of the main window, from the command to the written file: the refusals, the
// file chooser, the period dialog, the export with a progress dialog over long walks, and the
// calendar's modified flag as it was before (storing the editors first must not make the calendar
// look changed).
//
//   SExportContext context{frame, doc, ui, baseFace, [&] { model.CommitDay(); }};
//   RunRtfExport(context);

#include <functional>
#include <string>
#include <string_view>

#include "export/RtfResultExport.h"

class QString;
class QWidget;

namespace orv {

class CSortedKeyList;
class CTedDoc;
class IUiServices;
struct RichContent;

struct SExportContext {
  QWidget* parent = nullptr;
  CTedDoc& doc;
  IUiServices& ui;
  std::string baseFace;                // Windows-1250
  std::function<void()> storeEditors;  // puts what the editors hold into the calendar
};

// "Export do rtf".
void RunRtfExport(const SExportContext& context);
// "Export do PDF ...": the same, on A4 pages, without the limit of 365 records.
void RunPdfExport(const SExportContext& context);
// "Tisk ..." and "Náhled tisku": the same content on the printer's pages; an unnamed calendar prints.
void RunPrint(const SExportContext& context);
void RunPrintPreview(const SExportContext& context);

// For the search windows: content they assembled (AssembleResultExport, without the limit) sent to
// the printer through the print dialog, or shown in the print preview.
void PrintContent(QWidget* parent, const RichContent& content, const QString& footerName, IUiServices& ui);
void PreviewContent(QWidget* parent, const RichContent& content, const QString& footerName);
// "Tisk ..." of a search window: every entry of the result (days, or months), through the print
// dialog; an empty result says "Výběr je prázdný".
void PrintResult(QWidget* parent, const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                 std::string_view baseFace, IUiServices& ui);

}  // namespace orv
