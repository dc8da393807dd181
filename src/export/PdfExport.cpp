#include "export/PdfExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <optional>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "export/PrintLayout.h"
#include "export/RtfAssembly.h"
#include "export/RtfExportTexts.h"

namespace orv {
namespace {

// The PDF of assembled content: A4 pages with margins, the calendar's name in the footer; nothing when
// `progress` stopped it.
std::optional<QByteArray> PdfOf(const CTedDoc& doc, const CRtfAssembly& out,
                                const PageProgress& progress = {}) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  const QString name = QString::fromStdString(doc.GetTitle());
  pdf.setTitle(name);
  pdf.setCreator(QStringLiteral("Orvella 2"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 20, 15),
                                QPageLayout::Millimeter));
  if (PrintExportContent(out.Content(), pdf, name, progress) < 0) return std::nullopt;
  return bytes;
}

constexpr const char* kTooLarge = "Výklad je příliš velký";

bool WritePdf(const CTedDoc& doc, const std::string& path, const QByteArray& bytes, IUiServices& ui) {
  return WriteExportFile(doc, path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                         ui);
}

}  // namespace

RtfExportStatus ExportPdf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress) {
  return ExportPdf(doc, path, choice, baseFace, ui, progress, {});
}

RtfExportStatus ExportPdf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress,
                          const PageProgress& pageProgress) {
  SRtfExportChoice unlimited = choice;
  unlimited.limited = false;
  CRtfAssembly out(baseFace);
  out.LimitCommentaries(kMaxLaidOutCommentary);
  QByteArray bytes;
  SExportWalk walk;
  {
    CWaitCursor wait(ui);
    walk = AssembleCalendarExport(doc, unlimited, out, progress);
    if (walk.cancelled) return RtfExportStatus::Cancelled;
    if (out.TooLarge() > 0) ui.MessageBox(kTooLarge);
    std::optional<QByteArray> pdf = PdfOf(doc, out, pageProgress);
    if (!pdf) return RtfExportStatus::Cancelled;
    bytes = std::move(*pdf);
  }
  if (!WritePdf(doc, path, bytes, ui)) return RtfExportStatus::Failed;
  ui.MessageBox(CalendarExportCountText(walk.items, ExportFullPath(path)), MessageIcon::Information);
  return RtfExportStatus::Written;
}

RtfExportStatus ExportResultPdf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                const std::string& path, std::string_view baseFace, IUiServices& ui,
                                const PageProgress& pageProgress) {
  CRtfAssembly out(baseFace);
  out.LimitCommentaries(kMaxLaidOutCommentary);
  std::optional<int> written;
  QByteArray bytes;
  {
    CWaitCursor wait(ui);
    written = AssembleResultExport(doc, keys, area, out, ui, false);
    if (out.TooLarge() > 0) ui.MessageBox(kTooLarge);
    if (written) {
      std::optional<QByteArray> pdf = PdfOf(doc, out, pageProgress);
      if (!pdf) return RtfExportStatus::Cancelled;
      bytes = std::move(*pdf);
    }
  }
  if (!written || !WritePdf(doc, path, bytes, ui)) return RtfExportStatus::Failed;
  ui.MessageBox(ResultExportCountText(*written, ExportFullPath(path)), MessageIcon::Information);
  return RtfExportStatus::Written;
}

}  // namespace orv
