#include "export/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

#include "richtext/RichEditCtrl.h"

namespace orv {

namespace {

// The content is laid out at screen resolution in design metrics and painted scaled to the device's
// own: laid out at a printer's 1200 dpi, a whole calendar (thousands of pages) is taller than the text
// layout's fixed-point coordinates reach, and it came out as a single page.
constexpr int kLayoutDpi = 96;

}  // namespace

int PrintExportContent(const RichContent& content, QPagedPaintDevice& device, const QString& footerName,
                       const PageProgress& progress) {
  CRichEditCtrl ctrl;
  ctrl.InsertAtCaret(content);
  QTextDocument& document = *ctrl.Document();

  QPainter painter;
  if (!painter.begin(&device)) return 0;
  // The painter's origin is the top left corner of the page's printable area.
  const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiY());
  QFont footerFont(QStringLiteral("DejaVu Sans"));
  footerFont.setPointSizeF(8);
  const double footerHeight = 2.5 * QFontMetricsF(footerFont, &device).height();

  QImage layoutDevice(1, 1, QImage::Format_RGB32);
  layoutDevice.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
  layoutDevice.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
  const double scale = double(device.logicalDpiY()) / layoutDevice.logicalDpiY();
  const QSizeF body(area.width() / scale, std::max(1.0, (area.height() - footerHeight) / scale));
  document.setUseDesignMetrics(true);
  document.documentLayout()->setPaintDevice(&layoutDevice);
  document.setDocumentMargin(0);
  document.setPageSize(body);
  const int pages = std::max(1, document.pageCount());
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    const QRectF view(0, page * body.height(), body.width(), body.height());
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(footerFont);
    painter.setPen(Qt::black);
    const QRectF footer(0, area.height() - footerHeight / 2, area.width(), footerHeight / 2);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, footerName);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Strana %1 z %2").arg(page + 1).arg(pages));
    if (progress && !progress(page + 1, pages)) {
      painter.end();
      return -1;
    }
  }
  painter.end();
  return pages;
}

}  // namespace orv
