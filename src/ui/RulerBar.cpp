#include "ui/RulerBar.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace orv {
namespace {

constexpr int kHeight = 17;
constexpr int kCentimetre = 567;  // twips

}  // namespace

CRuler::CRuler(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Ruler"));
  setFixedHeight(kHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CRuler::SetTarget(QAbstractScrollArea* editor, int documentMargin) {
  if (m_Target) {
    m_Target->removeEventFilter(this);
    m_Target->viewport()->removeEventFilter(this);
  }
  m_Target = editor;
  m_Margin = documentMargin;
  if (editor) {
    editor->installEventFilter(this);
    editor->viewport()->installEventFilter(this);
  }
  update();
}

int CRuler::Origin() const {
  if (!m_Target) return m_Margin;
  const QWidget* viewport = m_Target->viewport();
  const int scroll = m_Target->horizontalScrollBar() ? m_Target->horizontalScrollBar()->value() : 0;
  return viewport->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x() + m_Margin - scroll;
}

int CRuler::TextWidth() const {
  if (!m_Target) return width() - 2 * m_Margin;
  return m_Target->viewport()->width() - 2 * m_Margin;
}

bool CRuler::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) update();
  return QWidget::eventFilter(watched, event);
}

void CRuler::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.button());
  const int origin = Origin();
  const int right = origin + std::max(0, TextWidth());
  const QRect band(origin, 2, right - origin, kHeight - 5);
  p.fillRect(band, pal.base());
  p.setPen(pal.color(QPalette::Dark));
  p.drawLine(band.topLeft(), band.topRight());
  p.drawLine(band.topLeft(), band.bottomLeft());
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(band.bottomLeft(), band.bottomRight());
  p.drawLine(band.topRight(), band.bottomRight());

  const double dpi = logicalDpiX();
  const auto toPixels = [dpi](double twips) { return static_cast<int>(twips * dpi / 1440.0 + 0.5); };
  QFont numbers = font();
  numbers.setPixelSize(8);
  p.setFont(numbers);
  p.setPen(pal.color(QPalette::WindowText));
  const int middle = band.center().y();
  // Quarter centimetres: every fourth carries the number, every second a larger tick.
  for (int quarter = 1;; ++quarter) {
    const int x = origin + toPixels(quarter * kCentimetre / 4);
    if (x >= right) break;
    if (quarter % 4 == 0)
      p.drawText(QRect(x - 10, band.top(), 20, band.height()), Qt::AlignCenter, QString::number(quarter / 4));
    else if (quarter % 2 == 0)
      p.drawLine(x, middle - 2, x, middle + 2);
    else
      p.drawLine(x, middle - 1, x, middle);
  }
}

CRulerBar::CRulerBar(QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("RulerBar"));
  setWindowTitle(QStringLiteral("Pravítko"));
  setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  setMovable(true);
  m_Ruler = new CRuler(this);
  addWidget(m_Ruler);
}

}  // namespace orv
