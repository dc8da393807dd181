#include "ui/ExportCommands.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "export/ExportChooser.h"
#include "export/PdfExport.h"
#include "export/PrintLayout.h"
#include "export/RtfAssembly.h"
#include "export/RtfExport.h"
#include "search/SortedKeyList.h"
#include "ui/ExportProgress.h"
#include "ui/RtfExportDialog.h"

namespace orv {
namespace {

// Keeps the modified flag as it was when the command started.
class CModifiedFlagKeeper {
 public:
  explicit CModifiedFlagKeeper(CTedDoc& doc) : m_Doc(doc), m_WasModified(doc.IsModified()) {}
  ~CModifiedFlagKeeper() {
    if (!m_WasModified) m_Doc.SetModifiedFlag(false);
  }
  CModifiedFlagKeeper(const CModifiedFlagKeeper&) = delete;
  CModifiedFlagKeeper& operator=(const CModifiedFlagKeeper&) = delete;

 private:
  CTedDoc& m_Doc;
  bool m_WasModified;
};

// The period dialog and the assembled content for print and preview; false when there is nothing
// to print or the user cancelled.
bool AssembleForPrint(const SExportContext& context, std::string_view title, CRtfAssembly& out) {
  if (context.doc.m_DataTxt.empty() && context.doc.m_DataMesice.empty()) {
    context.ui.MessageBox("Kalendář je prázdný");
    return false;
  }
  CModifiedFlagKeeper keeper(context.doc);
  if (context.storeEditors) context.storeEditors();
  const auto choice = AskExportChoice(context.parent, context.doc, context.ui, {title, "Tisknout :", false});
  if (!choice) return false;
  CExportProgress progress(context.parent,
                           QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
  CWaitCursor wait(context.ui);
  out.LimitCommentaries(kMaxLaidOutCommentary);
  if (AssembleCalendarExport(context.doc, *choice, out, progress.Callback()).cancelled) return false;
  if (out.TooLarge() > 0) context.ui.MessageBox("Výklad je příliš velký");
  return true;
}

// A4 with margins unless the user picks otherwise in the print dialog.
void SetUpPrinter(QPrinter& printer) {
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter));
}

struct SExportRequest {
  std::string path;
  SRtfExportChoice choice;
};

// The refusals, the file chooser, the editors stored, the period dialog.
std::optional<SExportRequest> AskFileAndPeriod(const SExportContext& context, std::string_view chooserTitle,
                                               std::string_view filter, const char* extension,
                                               const SExportDialogTexts& texts) {
  if (!CanExportRtf(context.doc, context.ui)) return std::nullopt;
  const auto path =
      ChooseExportFile(context.ui, chooserTitle, filter, extension, context.doc);
  if (!path) return std::nullopt;
  if (context.storeEditors) context.storeEditors();
  const auto choice = AskExportChoice(context.parent, context.doc, context.ui, texts);
  if (!choice) return std::nullopt;
  return SExportRequest{*path, *choice};
}

}  // namespace

void RunRtfExport(const SExportContext& context) {
  CModifiedFlagKeeper keeper(context.doc);
  const auto request = AskFileAndPeriod(context, kRtfChooserTitle, kRtfChooserFilter, ".rtf", {});
  if (!request) return;
  CExportProgress progress(context.parent, QStringLiteral("Export do rtf"));
  ExportRtf(context.doc, request->path, request->choice, context.baseFace, context.ui, progress.Callback());
}

void RunPdfExport(const SExportContext& context) {
  CModifiedFlagKeeper keeper(context.doc);
  const auto request = AskFileAndPeriod(context, kPdfChooserTitle, kPdfChooserFilter, ".pdf",
                                        {"Export do PDF", "Do souboru PDF zařadit :", false});
  if (!request) return;
  CExportProgress progress(context.parent, QStringLiteral("Export do PDF"));
  ExportPdf(context.doc, request->path, request->choice, context.baseFace, context.ui, progress.Callback(),
            progress.PageCallback());
}

void RunPrint(const SExportContext& context) {
  CRtfAssembly out(context.baseFace);
  if (AssembleForPrint(context, "Tisk", out))
    PrintContent(context.parent, out.Content(), QString::fromStdString(context.doc.GetTitle()), context.ui);
}

void RunPrintPreview(const SExportContext& context) {
  CRtfAssembly out(context.baseFace);
  if (AssembleForPrint(context, "Náhled tisku", out))
    PreviewContent(context.parent, out.Content(), QString::fromStdString(context.doc.GetTitle()));
}

void PrintContent(QWidget* parent, const RichContent& content, const QString& footerName, IUiServices& ui) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Tisk"));
  if (dialog.exec() != QDialog::Accepted) return;
  CExportProgress progress(parent, QStringLiteral("Tisk"));
  CWaitCursor wait(ui);
  if (PrintExportContent(content, printer, footerName, progress.PageCallback()) == 0)
    ui.MessageBox("Tisk se nepodařilo spustit.");
}

void PreviewContent(QWidget* parent, const RichContent& content, const QString& footerName) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QStringLiteral("Náhled tisku"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&](QPrinter* target) { PrintExportContent(content, *target, footerName); });
  preview.exec();
}

void PrintResult(QWidget* parent, const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                 std::string_view baseFace, IUiServices& ui) {
  if (keys.IsEmpty()) {
    ui.MessageBox("Výběr je prázdný");
    return;
  }
  CRtfAssembly out(baseFace);
  {
    CWaitCursor wait(ui);
    if (!AssembleResultExport(doc, keys, area, out, ui, false)) return;
  }
  PrintContent(parent, out.Content(), QString::fromStdString(doc.GetTitle()), ui);
}

}  // namespace orv
