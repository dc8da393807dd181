#include "export/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "richtext/RichEditCtrl.h"

namespace orv {

namespace {

// The content is laid out at screen resolution in design metrics and painted scaled to the device's
// own: laid out at a printer's 1200 dpi, a whole calendar (thousands of pages) is taller than the text
// layout's fixed-point coordinates reach, and it came out as a single page.
constexpr int kLayoutDpi = 96;

// One line of the laid-out text, in layout coordinates.
struct SLine {
  const QTextLayout* layout;
  int index;
  double top;
  double bottom;
  bool keepWithNext;  // the last line of a paragraph that stays with the next one
};

// A page's lines [first, end) of the layout's.
struct SPageSlice {
  size_t first;
  size_t end;
};

std::vector<SLine> LinesOf(const QTextDocument& document, const RichContent& content) {
  std::vector<SLine> lines;
  size_t paragraph = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++paragraph) {
    const QTextLayout* layout = block.layout();
    const bool keep = paragraph < content.paragraphs.size() && content.paragraphs[paragraph].keepWithNext;
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      const double top = layout->position().y() + line.y();
      lines.push_back({layout, i, top, top + line.height(), keep && i == layout->lineCount() - 1});
    }
  }
  return lines;
}

// Pages break between lines, never through one, and never right after a heading's last line: the
// heading goes over to the next page with what it heads (unless it would leave its page empty).
std::vector<SPageSlice> Paginate(const std::vector<SLine>& lines, double pageHeight) {
  std::vector<SPageSlice> pages;
  size_t first = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].bottom - lines[first].top <= pageHeight) continue;
    size_t next = i;
    while (next > first + 1 && lines[next - 1].keepWithNext) --next;
    if (lines[next - 1].keepWithNext) next = i;
    pages.push_back({first, next});
    first = next;
  }
  pages.push_back({first, lines.size()});
  return pages;
}

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
  document.setTextWidth(body.width());        // one long page: the breaks are made below, between lines
  document.documentLayout()->documentSize();  // the whole layout now, not as painting asks for it
  const std::vector<SLine> lines = LinesOf(document, content);
  const std::vector<SPageSlice> slices = Paginate(lines, body.height());
  const int pages = static_cast<int>(slices.size());
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    const SPageSlice& slice = slices[static_cast<size_t>(page)];
    painter.save();
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, body.width(), body.height()));
    painter.setPen(Qt::black);  // text without a colour of its own
    // Line by line: drawn a paragraph at a time, a paragraph on two pages would bring the lines of
    // the other page along, clipped out of sight but in a PDF's text all the same.
    if (slice.first < slice.end) {
      const double top = lines[slice.first].top;
      for (size_t i = slice.first; i < slice.end; ++i)
        lines[i].layout->lineAt(lines[i].index).draw(&painter, lines[i].layout->position() - QPointF(0, top));
    }
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
