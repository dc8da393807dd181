#include "ui/RichTextView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "core/UiServices.h"
#include "editor/CommentaryEditor.h"
#include "richtext/RichDocument.h"
#include "ui/ActionMenu.h"
#include "ui/KeyRules.h"

namespace orv {
namespace {

// A key that types a character (and so goes through the typing-format rule).
bool TypesCharacter(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && (text[0].isPrint() || text[0] == QLatin1Char('\t'));
}

}  // namespace

CRichTextView::CRichTextView(CCommentaryEditor& editor, QWidget* parent)
    : QTextEdit(parent), m_Editor(editor) {
  setDocument(editor.Control().Document());
  connect(this, &QTextEdit::cursorPositionChanged, this, [this] { OnCursorMoved(); });
  connect(this, &QTextEdit::selectionChanged, this, [this] { OnCursorMoved(); });
  editor.SetSelectionHandler([this] { ShowControlSelection(); });
  editor.Control().SetRedrawHandler([this](bool on) {
    viewport()->setUpdatesEnabled(on);
    if (on) viewport()->update();
  });
}

CRichTextView::CRichTextView(std::unique_ptr<CCommentaryEditor> editor, QWidget* parent)
    : CRichTextView(*editor, parent) {
  m_Owned = std::move(editor);
}

CRichTextView::~CRichTextView() {
  disconnect(this, nullptr, this, nullptr);
  m_Editor.SetSelectionHandler({});
  m_Editor.Control().SetRedrawHandler({});
  // The document belongs to the control, which may go before the text edit is done with it.
  setDocument(new QTextDocument(this));
}

// The control's selection (and typing format) becomes the view's cursor; an unfocused view shows
// the caret only.
void CRichTextView::ShowControlSelection() {
  const CRichEditCtrl& ctrl = m_Editor.Control();
  const CharRange sel = ctrl.GetSel();
  QTextCursor cursor(document());
  cursor.setPosition(m_bFocused ? sel.min : sel.max);
  cursor.setPosition(sel.max, QTextCursor::KeepAnchor);
  if (sel.min == sel.max) {
    const RunFormat typing = ToRunFormat(ctrl.GetSelectionCharFormat());
    if (RunFormatOf(cursor.charFormat()) != typing) cursor.setCharFormat(ToQtCharFormat(typing));
  }
  m_bShowing = true;
  setTextCursor(cursor);
  m_bShowing = false;
  TellSelectionShown();
}

void CRichTextView::ShowFound() {
  m_Editor.KeepSelection();
  const CharRange sel = m_Editor.Control().GetSel();
  QTextCursor cursor(document());
  cursor.setPosition(sel.min);
  cursor.setPosition(sel.max, QTextCursor::KeepAnchor);
  m_bShowing = true;
  setTextCursor(cursor);
  m_bShowing = false;
  ensureCursorVisible();
  m_Editor.UpdateCaretStatus(sel.max);
  TellSelectionShown();
}

void CRichTextView::OnCursorMoved() {
  if (m_bShowing || !m_bFocused) return;
  const QTextCursor cursor = textCursor();
  m_Editor.Control().SetSel(cursor.selectionStart(), cursor.selectionEnd());
  m_Editor.UpdateCaretStatus(cursor.position());
  TellSelectionShown();
}

void CRichTextView::TellSelectionShown() {
  if (m_bFocused && m_SelectionShown) m_SelectionShown();
}

void CRichTextView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
    if (m_Escape) m_Escape();
    return;
  }
  if (event->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
    setOverwriteMode(m_Editor.ToggleOverwrite());
    return;
  }
  if (event == QKeySequence::Cut || (event->key() == Qt::Key_Delete && mods == Qt::ShiftModifier))
    return Cut();
  if (event == QKeySequence::Copy || (event->key() == Qt::Key_Insert && mods == Qt::ControlModifier))
    return Copy();
  if (event == QKeySequence::Paste || (event->key() == Qt::Key_Insert && mods == Qt::ShiftModifier))
    return Paste();

  if (IsCommandCharacter(*event)) return event->ignore();

  setOverwriteMode(m_Editor.IsOverwrite());  // a set-up may have switched overwrite off
  if (!isReadOnly()) {
    if (event->key() == Qt::Key_Delete) m_Editor.BeforeDelete();
    if (TypesCharacter(event)) m_Editor.BeforeTypedCharacter();
  }
  QTextEdit::keyPressEvent(event);
  m_Editor.AfterEdit();
}

// A read-only text edit still takes the text an input method commits.
void CRichTextView::inputMethodEvent(QInputMethodEvent* event) {
  if (isReadOnly()) return event->ignore();
  QTextEdit::inputMethodEvent(event);
  m_Editor.AfterEdit();
}

// The editor's own menu in place of the text edit's stock one; its commands act on this editor.
void CRichTextView::contextMenuEvent(QContextMenuEvent* event) {
  QObject owner;
  std::vector<QAction*> actions;
  if (m_MenuHead) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    actions = m_MenuHead(fromKeyboard ? textCursor().position() : cursorForPosition(event->pos()).position(),
                         owner);
  }
  actions.insert(actions.end(), m_ContextMenu.begin(), m_ContextMenu.end());
  ExecActionMenu(this, actions, event->globalPos());
  m_Editor.AfterEdit();
}

void CRichTextView::Cut() {
  if (isReadOnly() || !textCursor().hasSelection()) return;
  QTextEdit::cut();
  m_Editor.AfterCut();
}

void CRichTextView::Copy() {
  if (isReadOnly()) return;
  QTextEdit::copy();
}

void CRichTextView::Paste() {
  if (isReadOnly()) return;
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  if (!clipboard) return;
  if (!clipboard->hasText()) {
    m_Editor.Ui().MessageBox("ve Schránce neni text");
    return;
  }
  if (canPaste()) QTextEdit::paste();
}

// Every paste and drop comes through here; QTextEdit::paste() does not ask whether the text is
// read-only.
void CRichTextView::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly()) return;
  QTextEdit::insertFromMimeData(source);
  m_Editor.AfterEdit();
}

void CRichTextView::focusInEvent(QFocusEvent* event) {
  QTextEdit::focusInEvent(event);
  if (event->reason() == Qt::PopupFocusReason || m_bFocused) return;  // a context menu closed
  m_bFocused = true;
  m_Editor.OnFocusGained(DateKey());
  ShowControlSelection();
  m_Editor.UpdateCaretStatus(textCursor().position());
  if (m_FocusHandler) m_FocusHandler(true);
}

void CRichTextView::focusOutEvent(QFocusEvent* event) {
  // A menu, also one opened from the keyboard through the menu bar, only borrows the focus.
  const bool borrowed = event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason;
  if (!borrowed && m_bFocused) {
    m_Editor.OnFocusLost(DateKey());
    m_bFocused = false;
    ShowControlSelection();
    if (m_FocusHandler) m_FocusHandler(false);
  }
  QTextEdit::focusOutEvent(event);
}

std::function<CRichTextView*(QWidget*)> RichTextViewFactory(CTedDoc& doc, IUiServices& ui,
                                                            QString objectName) {
  return [&doc, &ui, objectName](QWidget* parent) {
    auto* view = new CRichTextView(std::make_unique<CCommentaryEditor>(doc, ui), parent);
    view->setObjectName(objectName);
    return view;
  };
}

}  // namespace orv
