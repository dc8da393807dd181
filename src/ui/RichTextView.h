#pragma once
// CRichTextView: the window of a commentary editor. It shows the editor's control and passes the
// moments the editor's rules need: focus in and out, the keys (Escape, Insert, Delete, typed
// characters), cut, copy and paste with the system clipboard, and the caret moving.
//
// While the view has the focus its cursor is the truth and the control's selection follows it;
// without the focus the control keeps the selection (formatting commands still act on it) and the
// view shows none, so only the focused editor paints a selection.

#include <QString>
#include <QTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class CCommentaryEditor;
class CTedDoc;
class IUiServices;

class CRichTextView : public QTextEdit {
 public:
  CRichTextView(CCommentaryEditor& editor, QWidget* parent = nullptr);
  // A view that owns its editor.
  CRichTextView(std::unique_ptr<CCommentaryEditor> editor, QWidget* parent = nullptr);
  ~CRichTextView() override;

  CCommentaryEditor& Editor() { return m_Editor; }

  // The calendar's current date key (asked at focus changes), Escape (back to the calendar), and
  // the focus coming and going (the formatting toolbar's lists are usable only meanwhile).
  void SetCurrentDateKey(std::function<std::string()> dateKey) { m_DateKey = std::move(dateKey); }
  void SetEscapeHandler(std::function<void()> handler) { m_Escape = std::move(handler); }
  void SetFocusHandler(std::function<void(bool focused)> handler) { m_FocusHandler = std::move(handler); }
  // The caret or the selection of the focused view moved, or the focus came (the formatting toolbar
  // follows the selection).
  void SetSelectionShownHandler(std::function<void()> handler) { m_SelectionShown = std::move(handler); }

  // The editor's own context menu: the window's actions in order, nullptr for a separator.
  void SetContextMenu(std::vector<QAction*> actions) { m_ContextMenu = std::move(actions); }
  // Items put before that menu for the document position under the mouse (or the caret, from the
  // keyboard); they belong to `owner`, which lives while the menu is shown.
  using MenuHead = std::function<std::vector<QAction*>(int position, QObject& owner)>;
  void SetContextMenuHead(MenuHead head) { m_MenuHead = std::move(head); }

  // A search selected an occurrence in the control, also while its dialog holds the focus: it is
  // shown selected and scrolled into view, the status bar gives its line and column, and it stays
  // selected when the focus comes back.
  void ShowFound();

  // The clipboard commands with the editor's rules; in view-only mode (read-only) cut and copy do
  // nothing.
  void Cut();
  void Copy();
  void Paste();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void ShowControlSelection();
  void OnCursorMoved();
  void TellSelectionShown();
  std::string DateKey() const { return m_DateKey ? m_DateKey() : std::string(); }

  std::unique_ptr<CCommentaryEditor> m_Owned;
  CCommentaryEditor& m_Editor;
  std::function<std::string()> m_DateKey;
  std::function<void()> m_Escape;
  std::function<void(bool)> m_FocusHandler;
  std::function<void()> m_SelectionShown;
  std::vector<QAction*> m_ContextMenu;
  MenuHead m_MenuHead;
  bool m_bFocused = false;
  bool m_bShowing = false;  // the view's cursor is being set from the control
};

// Makes the month or the day editor pane of the main window (SPaneFactories::monthEditor and
// dayEditor): a view owning its commentary editor, named `objectName`.
std::function<CRichTextView*(QWidget* parent)> RichTextViewFactory(CTedDoc& doc, IUiServices& ui,
                                                                   QString objectName);

}  // namespace orv
