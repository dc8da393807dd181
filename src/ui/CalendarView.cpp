#include "ui/CalendarView.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "ui/AccessibleRows.h"
#include "ui/ActionMenu.h"
#include "ui/KeyRules.h"
#include "ui/QtText.h"
#include "view/CalendarViewModel.h"
#include "view/NoteInput.h"
#include "view/SpokenDay.h"

namespace orv {
namespace {

// Keys the table takes before the window's shortcuts, so that F4 and F5 reach it with their
// auto-repeat flag and the arrows never move a text cursor.
bool IsTableKey(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) return false;
  switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
    case Qt::Key_F5:
      return true;
    default:
      return false;
  }
}

// The month table: a read-only text view whose keys, clicks and focus belong to the calendar view.
// A screen reader meets it as a table of days (ui/AccessibleRows.h), not as the text it shows.
class CMonthTable : public QTextEdit, public IAccessibleRows {
 public:
  std::function<bool(int key, Qt::KeyboardModifiers, bool autoRepeat)> onKey;
  std::function<void(int line)> onClick;
  std::function<void()> onFocus;
  std::function<void(const QPoint&)> onContextMenu;
  std::function<int()> rowCount;
  std::function<int()> currentRow;
  std::function<QString(int row)> spokenRow;

  int AccessibleRowCount() const override { return rowCount(); }
  QString SpokenRow(int row) const override { return spokenRow(row); }
  int CurrentRow() const override { return currentRow(); }
  bool MakeRowCurrent(int row) override {
    onClick(row);
    return true;
  }
  QRect RowRect(int row) const override {
    const QTextBlock block = document()->findBlockByNumber(row);
    if (!block.isValid()) return {};
    const QRectF box = document()->documentLayout()->blockBoundingRect(block).translated(
        -horizontalScrollBar()->value(), -verticalScrollBar()->value());
    return QRect(viewport()->mapTo(this, box.topLeft().toPoint()), box.size().toSize());
  }

  explicit CMonthTable(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("MonthTable"));
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    setLineWrapMode(QTextEdit::NoWrap);
    setTabChangesFocus(true);
    viewport()->setCursor(Qt::ArrowCursor);
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride && IsTableKey(*static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
    return QTextEdit::event(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (onKey(event->key(), event->modifiers(), IsHeld(*event))) {
      event->accept();
    } else if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
      QTextEdit::keyPressEvent(event);
    } else {
      event->ignore();  // Shift-selection and typing have no place in the table
    }
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    m_ReleasedKey = event->key();
    m_ReleaseTime = event->timestamp();
    QTextEdit::keyReleaseEvent(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton)
      onClick(cursorForPosition(event->position().toPoint()).blockNumber());
    event->accept();
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void contextMenuEvent(QContextMenuEvent* event) override { onContextMenu(event->globalPos()); }
  // Read-only as it is, a text edit would take the text an input method commits.
  void inputMethodEvent(QInputMethodEvent* event) override { event->ignore(); }
  void focusInEvent(QFocusEvent* event) override {
    QTextEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) onFocus();
  }

 private:
  // Under X11 a held key comes as releases and presses in pairs, and Qt marks them as repeated
  // only when the press is already queued behind its release (often not, and hardly ever with a
  // window manager). The X server stamps both of a pair with the same time, while a finger needs
  // tens of milliseconds between two presses.
  bool IsHeld(const QKeyEvent& event) const {
    if (event.isAutoRepeat()) return true;
    return m_ReleaseTime != 0 && event.key() == m_ReleasedKey && event.timestamp() - m_ReleaseTime <= 1;
  }

  int m_ReleasedKey = 0;
  quint64 m_ReleaseTime = 0;
};

// Keys that would change the text: a read-only field takes them from the window's shortcuts and
// drops them.
bool WritesText(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  return event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Paste) ||
         event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
         (mods == Qt::ShiftModifier && (event.key() == Qt::Key_Delete || event.key() == Qt::Key_Insert));
}

// The note's input rule on every change the user makes (typed, pasted, dropped, from an input
// method): a refused change is undone by the field itself, and `onRefused` says why.
class CNoteValidator : public QValidator {
 public:
  std::function<void(const QString& message)> onRefused;

  explicit CNoteValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& text, int& pos) const override {
    const SNoteInput input = CleanNoteInput(text, pos);
    if (!input.refused.isEmpty()) {
      if (onRefused) onRefused(RefusedNoteCharacters(input.refused));
      return Invalid;
    }
    if (input.changed) {
      text = input.text;
      pos = input.cursor;
    }
    return Acceptable;
  }
};

// The short-note field: Up and Down do nothing, Esc leaves for the table, and the caret starts at the
// beginning whenever the field is entered. What the user puts in follows CNoteValidator; a note
// loaded from the calendar is shown as it is stored.
class CNoteField : public QLineEdit {
 public:
  std::function<void()> onLeave;
  std::function<void(bool editing)> onEditing;
  CNoteValidator* validator = nullptr;

  explicit CNoteField(QWidget* parent) : QLineEdit(parent), validator(new CNoteValidator(this)) {
    setObjectName(QStringLiteral("NoteField"));
    setValidator(validator);
  }
  void SetStoredText(const QString& text) {
    setValidator(nullptr);
    setText(text);
    setValidator(validator);
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (isReadOnly() && WritesText(key)) {
        event->accept();
        return true;
      }
      // The line edit would keep Ctrl+U, Ctrl+K, Ctrl+E ... for itself; the program's keys win.
      if (IsProgramShortcut(key, window())) {
        event->ignore();
        return true;
      }
    }
    return QLineEdit::event(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (IsCommandCharacter(*event) || IsProgramShortcut(*event, window())) {
      event->ignore();  // a greyed command's key does nothing here either
    } else if (isReadOnly() && WritesText(*event)) {
      event->accept();
    } else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
      event->accept();
    } else if (event->key() == Qt::Key_Escape) {
      event->accept();
      onLeave();
    } else {
      QLineEdit::keyPressEvent(event);
    }
  }
  // A read-only line edit still takes the text an input method commits.
  void inputMethodEvent(QInputMethodEvent* event) override {
    if (isReadOnly()) return event->ignore();
    QLineEdit::inputMethodEvent(event);
  }
  // The field's own menu in Czech; in view-only mode only what reads the note stays enabled.
  void contextMenuEvent(QContextMenuEvent* event) override {
    const bool writable = !isReadOnly();
    const bool selected = hasSelectedText();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    QObject owner;
    const auto entry = [&](const QString& text, QKeySequence::StandardKey key, bool enabled, auto slot) {
      auto* action = new QAction(text, &owner);
      action->setShortcut(key);
      action->setShortcutVisibleInContextMenu(true);
      action->setEnabled(enabled);
      QObject::connect(action, &QAction::triggered, this, slot);
      return action;
    };
    const std::vector<QAction*> entries{
        entry(QStringLiteral("&Zpět"), QKeySequence::Undo, writable && isUndoAvailable(), &QLineEdit::undo),
        nullptr,
        entry(QStringLiteral("Vyj&mout"), QKeySequence::Cut, writable && selected, &QLineEdit::cut),
        entry(QStringLiteral("&Zkopírovat"), QKeySequence::Copy, selected, &QLineEdit::copy),
        entry(QStringLiteral("&Vložit"), QKeySequence::Paste, writable && clip && clip->hasText(),
              &QLineEdit::paste),
        entry(QStringLiteral("&Odstranit"), QKeySequence::Delete, writable && selected, &QLineEdit::del),
        nullptr,
        entry(QStringLiteral("Vybrat &vše"), QKeySequence::SelectAll, !text().isEmpty(),
              &QLineEdit::selectAll)};
    ExecActionMenu(this, entries, event->globalPos());
  }
  // Gaining the focus puts the caret at the start. A menu only lends the focus: back from one (its
  // own one included, whose entries act on the selection) the note is as it was left.
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::MenuBarFocusReason) {
      deselect();
      setCursorPosition(0);
    }
    onEditing(true);
  }
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    // A menu or another window borrows the focus; the note is still being written.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::MenuBarFocusReason)
      onEditing(false);
  }
};

}  // namespace

CTedView::CTedView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CalendarPane"));
  m_Caption = new QLabel(this);
  m_Caption->setObjectName(QStringLiteral("MonthCaption"));
  m_Caption->setAlignment(Qt::AlignCenter);
  QFont captionFont = m_Caption->font();
  captionFont.setBold(true);
  captionFont.setPointSizeF(captionFont.pointSizeF() * 1.2);
  m_Caption->setFont(captionFont);
  m_Caption->setContentsMargins(4, 3, 4, 3);

  auto* table = new CMonthTable(this);
  table->onKey = [this](int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    return TableKey(key, modifiers, autoRepeat);
  };
  table->onClick = [this](int line) { TableClicked(line); };
  table->onFocus = [this] { TableFocused(); };
  table->onContextMenu = [this](const QPoint& pos) { ShowContextMenu(pos); };
  table->rowCount = [this] { return m_Model ? static_cast<int>(m_Model->Rows().size()) : 0; };
  table->currentRow = [this] { return m_Model ? m_Model->SelectedDay() - 1 : -1; };
  table->spokenRow = [this](int row) { return SpokenRow(row); };
  InstallAccessibleRows();
  m_Table = table;

  auto* note = new CNoteField(this);
  note->onLeave = [this] { FocusTable(); };
  note->onEditing = [this](bool editing) { m_NoteEditing = editing; };
  // Enter in the note is the form's hidden default button: back to the table.
  QObject::connect(note, &QLineEdit::returnPressed, this, [this] { FocusTable(); });
  QObject::connect(note, &QLineEdit::textEdited, this, [this] {
    if (m_OnNoteEdited) m_OnNoteEdited();
  });
  note->validator->onRefused = [this](const QString& message) {
    if (m_OnNoteRefused) m_OnNoteRefused(message);
  };
  m_Note = note;
  m_Caption->setAccessibleName(QStringLiteral("Měsíc"));
  m_Note->setAccessibleName(QStringLiteral("Poznámka dne"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(m_Caption);
  layout->addWidget(m_Table, 1);
  layout->addWidget(m_Note);
}

void CTedView::Attach(CCalendarViewModel& model) {
  m_Model = &model;
  m_Table->setDocument(model.Table().Document());
  Refresh();
}

// The selected day's note is the note field's, also while it is being written; another day's is
// the one its row shows.
QString CTedView::SpokenRow(int row) const {
  if (!m_Model || row < 0 || row >= static_cast<int>(m_Model->Rows().size())) return {};
  const CMonthRow& monthRow = m_Model->Rows().at(static_cast<std::size_t>(row));
  const int textColumn = m_Model->Switches().moon ? kTextColumnWithMoon : kTextColumnWithoutMoon;
  const Date date{m_Model->DisplayedYear(), m_Model->DisplayedMonth(), row + 1};
  const std::string note =
      row == m_Model->SelectedDay() - 1 ? ToCp1250(m_Note->text()) : std::string(NoteOfRow(monthRow));
  return FromCp1250(SpokenDay(date, monthRow, textColumn, note));
}

void CTedView::SpeakSelectedDay() {
  if (!m_Model || m_Model->Rows().empty()) return;
  const QString spoken = SpokenRow(m_Model->SelectedDay() - 1);
  if (spoken == m_Table->accessibleDescription()) return;
  m_Table->setAccessibleDescription(spoken);
  if (QAccessible::isActive()) {
    QAccessibleEvent event(m_Table, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
  AnnounceCurrentRow(m_Table);
}

void CTedView::Refresh() {
  if (!m_Model) return;
  m_Caption->setText(FromCp1250(m_Model->Caption()));
  const CharRange selection = m_Model->Table().GetSel();
  QTextCursor cursor(m_Table->document());
  cursor.setPosition(selection.min);
  cursor.setPosition(selection.max, QTextCursor::KeepAnchor);
  m_Table->setTextCursor(cursor);
  m_Table->ensureCursorVisible();
  m_Table->horizontalScrollBar()->setValue(0);
  m_Table->setAccessibleName(QStringLiteral("Kalendář, ") + m_Caption->text().simplified());
  SpeakSelectedDay();
}

void CTedView::SetNote(const QString& note) {
  static_cast<CNoteField*>(m_Note)->SetStoredText(note);
  m_Note->setCursorPosition(0);
  SpeakSelectedDay();
}

void CTedView::FocusTable() {
  m_Table->setFocus(Qt::OtherFocusReason);
}

void CTedView::FocusNote() {
  m_Note->setFocus(Qt::OtherFocusReason);
}

bool CTedView::TableKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  if (!m_Model || !m_Model->HandleTableKey(key, modifiers, autoRepeat)) return false;
  Moved();
  return true;
}

void CTedView::TableClicked(int line) {
  if (!m_Model || m_Model->Rows().empty()) return;
  m_Model->SelectDay(std::clamp(line, 0, static_cast<int>(m_Model->Rows().size()) - 1));
  Moved();
}

// Coming back to the table stores what was written in the note field and the commentaries.
void CTedView::TableFocused() {
  if (!m_Model) return;
  m_Model->CommitDay();
  Moved();
}

void CTedView::Moved() {
  Refresh();
  if (m_OnMoved) m_OnMoved();
}

void CTedView::contextMenuEvent(QContextMenuEvent* event) {
  ShowContextMenu(event->globalPos());
}

void CTedView::ShowContextMenu(const QPoint& globalPos) {
  ExecActionMenu(this, m_ContextMenu, globalPos);
}

}  // namespace orv
