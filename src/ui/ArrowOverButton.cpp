#include "ui/ArrowOverButton.h"

#include <QAbstractButton>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

namespace orv {

CArrowOverButton::CArrowOverButton(QAbstractButton* button) : QObject(button), m_Button(button) {
  button->installEventFilter(this);
}

bool CArrowOverButton::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
      ShowArrow(true);
      break;
    case QEvent::Leave:
    case QEvent::Hide:
      ShowArrow(false);
      break;
    case QEvent::EnabledChange:  // a wait that begins with the mouse already over the button
      ShowArrow(m_Button->underMouse());
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void CArrowOverButton::ShowArrow(bool arrow) {
  const QCursor* shown = QGuiApplication::overrideCursor();
  if (arrow && m_Button->isEnabled()) {
    if (!shown || shown->shape() != Qt::WaitCursor) return;
    QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
    m_ShowsArrow = true;
    return;
  }
  // The wait may have ended meanwhile, taking its cursor (our arrow) with it.
  if (m_ShowsArrow && shown && shown->shape() == Qt::ArrowCursor)
    QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
  m_ShowsArrow = false;
}

}  // namespace orv
