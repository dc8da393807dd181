#pragma once
// CTedView: the calendar pane of the main window. The month caption stands above the month table
// and the short-note field below it. The table is a read-only view of the view model's table
// document: its keys go to the model, a click selects the day under the pointer, a double click
// does nothing more and dragging selects nothing; a right click opens the calendar's context menu.
// Enter and Esc in the note field return to the table, and the table commits the day whenever it
// gains the focus. The note field keeps what the user puts in to one line of Windows-1250 text
// (view/NoteInput.h) and, in view-only mode, refuses the keys that would change it. A screen reader
// meets the table as a table of days, each read as a sentence (view/SpokenDay.h), not as the
// row's columns; the selected day's sentence is the table's description as well.
//
//   CTedView* view = new CTedView(parent);   view->Attach(model);
//   model.Execute(...);  view->Refresh();    shows what the model changed

#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace orv {

class CCalendarViewModel;

class CTedView : public QWidget {
 public:
  explicit CTedView(QWidget* parent = nullptr);

  // The table shows the model's table document from now on.
  void Attach(CCalendarViewModel& model);
  // Shows the model's caption and selected line (scrolled into view, fully to the left).
  void Refresh();

  QTextEdit* Table() const { return m_Table; }
  QLineEdit* NoteField() const { return m_Note; }
  // Shows a stored note as it is; only what the user puts in is checked.
  void SetNote(const QString& note);
  QLabel* Caption() const { return m_Caption; }
  void FocusTable();
  void FocusNote();
  // The note field has the focus, or had it when a menu or another window took it.
  bool IsNoteBeingEdited() const { return m_NoteEditing; }

  // The context menu's items in order; nullptr stands for a separator.
  void SetContextMenu(std::vector<QAction*> actions) { m_ContextMenu = std::move(actions); }
  // After the model moved on a key or a click (the window updates its commands).
  void SetOnMoved(std::function<void()> onMoved) { m_OnMoved = std::move(onMoved); }
  // After every change the user makes to the note's text.
  void SetOnNoteEdited(std::function<void()> onEdited) { m_OnNoteEdited = std::move(onEdited); }
  // When characters typed or pasted into the note were refused: the message for the status bar.
  void SetOnNoteRefused(std::function<void(const QString& message)> onRefused) {
    m_OnNoteRefused = std::move(onRefused);
  }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool TableKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
  void TableClicked(int line);
  void TableFocused();
  void ShowContextMenu(const QPoint& globalPos);
  void Moved();
  // The selected day as a screen reader says it, in the table's accessible description.
  void SpeakSelectedDay();
  // A day of the shown month as a screen reader says it (a line of the month table, from 0).
  QString SpokenRow(int row) const;

  CCalendarViewModel* m_Model = nullptr;
  QLabel* m_Caption = nullptr;
  QTextEdit* m_Table = nullptr;
  QLineEdit* m_Note = nullptr;
  bool m_NoteEditing = false;
  std::vector<QAction*> m_ContextMenu;
  std::function<void()> m_OnMoved;
  std::function<void()> m_OnNoteEdited;
  std::function<void(const QString&)> m_OnNoteRefused;
};

}  // namespace orv
