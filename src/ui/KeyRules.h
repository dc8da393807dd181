#pragma once
// Key rules shared by the text panes of the main window (the note field and both editors).
//
//   if (IsCommandCharacter(*event)) return event->ignore();   // Alt+3 types nothing
//   if (IsProgramShortcut(*event, window())) ...              // Ctrl+U is the program's, not the field's

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace orv {

// A key held with Alt or Meta (Ctrl+Alt too) is a command, whether its command is enabled, greyed
// or not there at all: its character never goes into the text. Qt's text fields type nothing with
// Ctrl alone, and keep their Ctrl keys (select all, word moves); AltGr comes without these modifiers.
inline bool IsCommandCharacter(const QKeyEvent& event) {
  if (!(event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))) return false;
  const QString text = event.text();
  return !text.isEmpty() && text[0].isPrint();
}

// A Ctrl or Alt key that one of the window's commands carries as its shortcut, other than the
// editing keys every text field keeps (cut, copy, paste, undo, redo, select all).
inline bool IsProgramShortcut(const QKeyEvent& event, const QWidget* window) {
  if (!window || !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  for (QKeySequence::StandardKey kept : {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                         QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll})
    if (event.matches(kept)) return false;
  const QKeySequence pressed(event.keyCombination());
  for (const QAction* action : window->actions())
    if (action->shortcut() == pressed) return true;
  return false;
}

}  // namespace orv
