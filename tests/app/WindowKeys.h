#pragma once
// Keys and text as the user types them, for the tests that drive the real window: a key goes where
// the focus is, text goes into a widget character by character (QTest's own typing knows only
// ASCII, and the program is typed in Czech). Usable from inside a dialog's callback as well.
//
//   Key(Qt::Key_W, Qt::ControlModifier);            the day commentary, as Ctrl+W does it
//   Type(window->View().NoteField(), QStringLiteral("Dort"));   typed into the note field

#include <QApplication>
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

}  // namespace orv::test
