#include "ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace orv {
namespace {

const QColor kInk(0x34, 0x40, 0x4e);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kGold(0xe0, 0xa8, 0x20);

using Painter = std::function<void(QPainter&)>;

void Pen(QPainter& p, const QColor& c, qreal w = 1.0) {
  p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A sheet of paper with a folded corner.
void Sheet(QPainter& p, qreal x = 3, qreal y = 1.5, qreal w = 10, qreal h = 13) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + w - 3, y);
  path.lineTo(x + w, y + 3);
  path.lineTo(x + w, y + h);
  path.lineTo(x, y + h);
  path.closeSubpath();
  Pen(p, kInk);
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(x + w - 3, y), QPointF(x + w - 3, y + 3));
  p.drawLine(QPointF(x + w - 3, y + 3), QPointF(x + w, y + 3));
}

void TextLines(QPainter& p, qreal x, qreal y, qreal w, int n, qreal step = 2) {
  Pen(p, QColor(0x8a, 0x96, 0xa3));
  for (int i = 0; i < n; ++i) p.drawLine(QPointF(x, y + i * step), QPointF(x + w, y + i * step));
}

// A small calendar sheet with a coloured header.
void CalendarSheet(QPainter& p, const QColor& header) {
  Pen(p, kInk);
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.5, 1.5);
  p.setBrush(header);
  p.drawRect(QRectF(1.5, 2.5, 13, 3.5));
  Pen(p, kInk, 1.2);
  p.drawLine(QPointF(5, 1), QPointF(5, 4));
  p.drawLine(QPointF(11, 1), QPointF(11, 4));
}

void Letter(QPainter& p, const QString& text, bool bold, bool italic, bool underline,
            const QColor& colour = kInk) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(13);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void Magnifier(QPainter& p, qreal cx, qreal cy, qreal r) {
  Pen(p, kInk, 1.4);
  p.setBrush(QColor(0xd8, 0xe8, 0xf8));
  p.drawEllipse(QPointF(cx, cy), r, r);
  Pen(p, kInk, 2.2);
  p.drawLine(QPointF(cx + r * 0.7, cy + r * 0.7), QPointF(cx + r * 1.7, cy + r * 1.7));
}

void Arrow(QPainter& p, bool right, const QColor& colour) {
  QPainterPath path;
  const qreal d = right ? 1 : -1;
  path.moveTo(8 - 5 * d, 6.5);
  path.lineTo(8 + 1 * d, 6.5);
  path.lineTo(8 + 1 * d, 3.5);
  path.lineTo(8 + 6 * d, 8);
  path.lineTo(8 + 1 * d, 12.5);
  path.lineTo(8 + 1 * d, 9.5);
  path.lineTo(8 - 5 * d, 9.5);
  path.closeSubpath();
  Pen(p, colour.darker(140));
  p.setBrush(colour);
  p.drawPath(path);
}

void AlignLines(QPainter& p, int mode) {
  Pen(p, kInk, 1.3);
  const qreal widths[] = {12, 8, 12, 6, 10};
  for (int i = 0; i < 5; ++i) {
    const qreal w = widths[i];
    const qreal x = mode == 0 ? 2 : mode == 1 ? 8 - w / 2 : 14 - w;
    p.drawLine(QPointF(x, 3 + i * 2.5), QPointF(x + w, 3 + i * 2.5));
  }
}

void Moon(QPainter& p, QPointF centre, qreal r, const QColor& colour) {
  QPainterPath disc;
  disc.addEllipse(centre, r, r);
  QPainterPath bite;
  bite.addEllipse(centre + QPointF(r * 0.55, -r * 0.25), r * 0.9, r * 0.9);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(disc.subtracted(bite));
}

const std::map<std::string_view, Painter>& Painters() {
  static const std::map<std::string_view, Painter> painters{
      {"new",
       [](QPainter& p) {
         Sheet(p);
         Pen(p, kGold, 1.6);
         p.drawLine(QPointF(12, 9), QPointF(12, 15));
         p.drawLine(QPointF(9, 12), QPointF(15, 12));
       }},
      {"open",
       [](QPainter& p) {
         Pen(p, QColor(0x9a, 0x74, 0x1c));
         p.setBrush(QColor(0xf2, 0xc9, 0x4c));
         p.drawRect(QRectF(1.5, 4.5, 12, 9));
         p.drawRect(QRectF(1.5, 3, 5, 2));
         p.setBrush(QColor(0xf8, 0xdc, 0x7a));
         QPolygonF front{{1.5, 13.5}, {4, 7.5}, {15, 7.5}, {13.5, 13.5}};
         p.drawPolygon(front);
       }},
      {"save",
       [](QPainter& p) {
         Pen(p, kInk);
         p.setBrush(kBlue);
         p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
         p.setBrush(kPaper);
         p.drawRect(QRectF(4, 1.5, 8, 5));
         p.setBrush(QColor(0xdd, 0xe4, 0xec));
         p.drawRect(QRectF(4, 9.5, 8, 5));
       }},
      {"rtf",
       [](QPainter& p) {
         Sheet(p);
         Pen(p, kRed, 1.6);
         p.drawLine(QPointF(5, 6), QPointF(11, 6));
         Pen(p, kBlue, 1.3);
         p.drawLine(QPointF(5, 9), QPointF(10, 9));
         Pen(p, kGreen, 1.3);
         p.drawLine(QPointF(5, 12), QPointF(11, 12));
       }},
      {"append",
       [](QPainter& p) {
         CalendarSheet(p, kBlue);
         Arrow(p, true, kGreen);
       }},
      {"lock",
       [](QPainter& p) {
         Pen(p, kInk, 1.6);
         p.setBrush(Qt::NoBrush);
         p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
         p.drawLine(QPointF(4.5, 6), QPointF(4.5, 7.5));
         p.drawLine(QPointF(11.5, 6), QPointF(11.5, 7.5));
         Pen(p, QColor(0x9a, 0x74, 0x1c));
         p.setBrush(kGold);
         p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1, 1);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(8, 10.5), 1, 1);
       }},
      {"cut",
       [](QPainter& p) {
         Pen(p, kInk, 1.3);
         p.drawLine(QPointF(4, 1.5), QPointF(10.5, 11));
         p.drawLine(QPointF(12, 1.5), QPointF(5.5, 11));
         p.setBrush(kPaper);
         Pen(p, kRed, 1.5);
         p.drawEllipse(QPointF(4.5, 12.5), 2.2, 2.2);
         p.drawEllipse(QPointF(11.5, 12.5), 2.2, 2.2);
       }},
      {"copy",
       [](QPainter& p) {
         Sheet(p, 1.5, 1, 8, 10);
         Sheet(p, 6.5, 5, 8, 10);
         TextLines(p, 8.5, 9, 4, 3);
       }},
      {"paste",
       [](QPainter& p) {
         Pen(p, QColor(0x7a, 0x55, 0x20));
         p.setBrush(QColor(0xc8, 0x93, 0x4a));
         p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
         p.setBrush(QColor(0xbb, 0xbb, 0xbb));
         p.drawRect(QRectF(4, 1, 5, 3));
         Sheet(p, 6.5, 5.5, 8, 9.5);
         TextLines(p, 8.5, 9.5, 4, 3);
       }},
      {"today",
       [](QPainter& p) {
         CalendarSheet(p, kRed);
         QFont font(QStringLiteral("DejaVu Sans"));
         font.setPixelSize(7);
         font.setBold(true);
         p.setFont(font);
         p.setPen(kInk);
         p.drawText(QRectF(1.5, 6, 13, 8.5), Qt::AlignCenter, QStringLiteral("31"));
       }},
      {"onthisday",
       [](QPainter& p) {
         CalendarSheet(p, kGold);
         Arrow(p, false, kBlue);
       }},
      {"goto",
       [](QPainter& p) {
         CalendarSheet(p, kBlue);
         Arrow(p, true, kGold);
       }},
      {"prevrec",
       [](QPainter& p) {
         Arrow(p, false, kBlue);
         Pen(p, kInk, 1.5);
         p.drawLine(QPointF(1.5, 3), QPointF(1.5, 13));
       }},
      {"nextrec",
       [](QPainter& p) {
         Arrow(p, true, kBlue);
         Pen(p, kInk, 1.5);
         p.drawLine(QPointF(14.5, 3), QPointF(14.5, 13));
       }},
      {"find", [](QPainter& p) { Magnifier(p, 6.5, 6.5, 4.5); }},
      {"notesearch",
       [](QPainter& p) {
         Sheet(p, 1.5, 1, 9, 12);
         TextLines(p, 3.5, 5, 4, 3);
         Magnifier(p, 10, 9.5, 3.2);
       }},
      {"fulltext",
       [](QPainter& p) {
         Sheet(p, 1.5, 1, 9, 12);
         Pen(p, kRed, 1.3);
         p.drawLine(QPointF(3.5, 5), QPointF(8, 5));
         TextLines(p, 3.5, 7, 4, 2);
         Magnifier(p, 10, 9.5, 3.2);
       }},
      {"deleteday",
       [](QPainter& p) {
         CalendarSheet(p, kBlue);
         Pen(p, kRed, 2.2);
         p.drawLine(QPointF(5, 7.5), QPointF(11, 13.5));
         p.drawLine(QPointF(11, 7.5), QPointF(5, 13.5));
       }},
      {"holidays",
       [](QPainter& p) {
         CalendarSheet(p, kGreen);
         TextLines(p, 4, 8, 8, 3, 2.2);
       }},
      {"changeholidays",
       [](QPainter& p) {
         CalendarSheet(p, kGreen);
         Pen(p, QColor(0x9a, 0x74, 0x1c), 2.4);
         p.drawLine(QPointF(6, 13.5), QPointF(13.5, 6));
         Pen(p, kInk, 1);
         p.drawLine(QPointF(4.8, 14.7), QPointF(6, 13.5));
       }},
      {"about",
       [](QPainter& p) {
         Pen(p, kBlue.darker(130));
         p.setBrush(kBlue);
         p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
         QFont font(QStringLiteral("DejaVu Serif"));
         font.setPixelSize(10);
         font.setBold(true);
         p.setFont(font);
         p.setPen(Qt::white);
         p.drawText(QRectF(0, 0.5, 16, 16), Qt::AlignCenter, QStringLiteral("i"));
       }},
      {"bold", [](QPainter& p) { Letter(p, QStringLiteral("B"), true, false, false); }},
      {"italic", [](QPainter& p) { Letter(p, QStringLiteral("I"), false, true, false); }},
      {"underline", [](QPainter& p) { Letter(p, QStringLiteral("U"), false, false, true); }},
      {"colours",
       [](QPainter& p) {
         Letter(p, QStringLiteral("A"), true, false, false);
         p.setPen(Qt::NoPen);
         p.setBrush(kRed);
         p.drawRect(QRectF(2, 13, 12, 2.5));
       }},
      {"alignleft", [](QPainter& p) { AlignLines(p, 0); }},
      {"aligncentre", [](QPainter& p) { AlignLines(p, 1); }},
      {"alignright", [](QPainter& p) { AlignLines(p, 2); }},
  };
  return painters;
}

QPixmap Render(const Painter& paint, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size / 16.0, size / 16.0);
  paint(p);
  return pixmap;
}

}  // namespace

QIcon ToolIcon(std::string_view name) {
  const auto& painters = Painters();
  const auto it = painters.find(name);
  if (it == painters.end()) return {};
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(Render(it->second, size));
  return icon;
}

QIcon AppIcon() {
  const Painter paint = [](QPainter& p) {
    Pen(p, QColor(0x1f, 0x3a, 0x5f), 0.8);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(1, 2, 14, 13), 2, 2);
    p.setBrush(QColor(0x1f, 0x3a, 0x5f));
    p.drawRoundedRect(QRectF(1, 2, 14, 4.5), 2, 2);
    p.drawRect(QRectF(1, 4, 14, 2.5));
    Moon(p, QPointF(8, 10.8), 3.3, kGold.darker(110));
    Pen(p, QColor(0x1f, 0x3a, 0x5f), 1.2);
    p.drawLine(QPointF(4.5, 0.8), QPointF(4.5, 3.5));
    p.drawLine(QPointF(11.5, 0.8), QPointF(11.5, 3.5));
  };
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) icon.addPixmap(Render(paint, size));
  return icon;
}

}  // namespace orv
