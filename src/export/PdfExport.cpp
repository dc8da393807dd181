#include "export/PdfExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "export/PrintLayout.h"
#include "export/RtfAssembly.h"
#include "export/RtfExportTexts.h"

namespace orv {

RtfExportStatus ExportPdf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress) {
  SRtfExportChoice unlimited = choice;
  unlimited.limited = false;
  CRtfAssembly out(baseFace);
  QByteArray bytes;
  SExportWalk walk;
  {
    CWaitCursor wait(ui);
    walk = AssembleCalendarExport(doc, unlimited, out, progress);
    if (walk.cancelled) return RtfExportStatus::Cancelled;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QString::fromStdString(doc.GetTitle()));
    pdf.setCreator(QStringLiteral("Orvella 2"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 20, 15),
                                  QPageLayout::Millimeter));
    PrintExportContent(out.Content(), pdf, QString::fromStdString(doc.GetTitle()));
  }
  if (!WriteExportFile(doc, path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), ui))
    return RtfExportStatus::Failed;
  ui.MessageBox(CalendarExportCountText(walk.items, ExportFullPath(path)), MessageIcon::Information);
  return RtfExportStatus::Written;
}

}  // namespace orv
