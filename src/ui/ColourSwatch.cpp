#include "ui/ColourSwatch.h"

#include <QPainter>
#include <QPixmap>

namespace orv {

QIcon ColourSwatch(uint32_t colour) {
  QPixmap pixmap(40, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.setBrush(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
  painter.drawRect(0, 2, 39, 11);
  return QIcon(pixmap);
}

}  // namespace orv
