#pragma once
// Keys and text as the user types them, for the tests that drive the real window: a key goes where
// the focus is, text goes into a widget character by character (QTest's own typing knows only
// ASCII, and the program is typed in Czech); the mouse moves onto a widget through its window, as
// the windowing system moves it, so the widgets it leaves and enters hear of it. Usable from inside
// a dialog's callback as well.
//
//   Key(Qt::Key_W, Qt::ControlModifier);            the day commentary, as Ctrl+W does it
//   Type(window->View().NoteField(), QStringLiteral("Dort"));   typed into the note field
//   MoveMouseTo(button);                                         the mouse over a button

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>

namespace orv::test {

inline void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

inline void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}

// QTest's own mouse move over a widget only places the cursor, which tells no widget it was entered;
// and the window the mouse comes into hears of it first, as from the windowing system.
inline void MoveMouseTo(QWidget* widget) {
  QWidget* top = widget->window();
  const QPoint at = widget->mapTo(top, widget->rect().center());
  if (!top->underMouse()) {
    QEnterEvent enter(at, at, top->mapToGlobal(at));
    QCoreApplication::sendEvent(top->windowHandle(), &enter);
  }
  QTest::mouseMove(top->windowHandle(), at);
}

}  // namespace orv::test
