#include "export/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

#include "richtext/RichEditCtrl.h"

namespace orv {

int PrintExportContent(const RichContent& content, QPagedPaintDevice& device, const QString& footerName) {
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
  const QSizeF body(area.width(), std::max(1.0, area.height() - footerHeight));

  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  document.setPageSize(body);
  const int pages = std::max(1, document.pageCount());
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    const QRectF view(0, page * body.height(), body.width(), body.height());
    painter.save();
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
  }
  painter.end();
  return pages;
}

}  // namespace orv
