#pragma once
// CCommentaryEditor: one commentary editor (the month's or the day's) without its window. It owns
// the rich edit control whose document the window shows, moves commentaries in and out of it, and
// carries the editor's rules: the style an empty commentary starts in, the selection kept while the
// user visits the calendar on the same date, the overwrite switch, the Delete and cut rules, the
// character and paragraph styles, and the status texts of the caret (pane 1) and overwrite (pane 5).
//
// The window calls the operations at the moments their names give and shows what the handlers say.
// The control's selection is the editor's; whenever an operation changes it (or the typing format),
// the selection handler tells the window to show it.

#include <functional>
#include <string>
#include <string_view>

#include "document/StyleRecords.h"
#include "richtext/RichEditCtrl.h"
#include "view/CalendarPanes.h"

namespace orv {

class CTedDoc;
class IUiServices;

// The format of the selection as the formatting toolbar shows it. A member that is not the same over
// the whole selection is left empty (face ""; points 0, also for a size of no whole points; charset
// -1); the style names are those whose formats the selection has, "" when none.
struct SSelectionFormat {
  std::string face;  // Windows-1250
  int points = 0;
  int charset = -1;
  std::string charStyle;
  std::string parStyle;
  bool operator==(const SSelectionFormat&) const = default;
};

class CCommentaryEditor {
 public:
  // Tells whether a face (Windows-1250) is installed.
  using FaceTest = std::function<bool(std::string_view face)>;

  CCommentaryEditor(CTedDoc& doc, IUiServices& ui);
  CCommentaryEditor(const CCommentaryEditor&) = delete;
  CCommentaryEditor& operator=(const CCommentaryEditor&) = delete;

  CRichEditCtrl& Control() { return m_Ctrl; }
  const CRichEditCtrl& Control() const { return m_Ctrl; }
  CTedDoc& Document() { return m_Doc; }
  IUiServices& Ui() { return m_Ui; }

  // Pane index and UTF-8 text of the status bar.
  void SetStatusHandler(std::function<void(int pane, std::string utf8)> handler);
  void SetSelectionHandler(std::function<void()> handler) { m_SelectionHandler = std::move(handler); }

  // Loads a commentary ("" leaves the editor empty); the caret goes to 0, nothing counts as changed.
  // One the control refuses (too large for memory or over its bound) leaves it empty, with a message,
  // and gives false.
  bool StreamInFromText(std::string_view rtf);
  // The commentary as the document stores it, the selection untouched. An editor without text gives
  // "" for the RTF as well, so an empty commentary never differs from a missing one.
  CCommentaryText StoreCommentary() const;
  void Clear() { StreamInFromText({}); }

  // First set-up for a new or opened calendar: the predefined styles missing from the document or
  // still without a face get their factory formats in the base face (when it is installed); the
  // editor's state starts afresh.
  void DoInitialUpdate(std::string_view baseFace);
  void DoInitialUpdate(std::string_view baseFace, const FaceTest& isInstalled);

  // The calendar's current date key at the moment the editor gains or loses the focus.
  void OnFocusGained(std::string_view currentDateKey);
  void OnFocusLost(std::string_view currentDateKey);
  // A find dialog moved the selection while it held the focus: the editor gets that selection back
  // with the focus, not the one it had when the dialog opened.
  void KeepSelection() { m_SavedSel = m_Ctrl.GetSel(); }
  // The formatting toolbar sets this before giving the focus back, so that a format chosen for an
  // empty commentary survives the next focus gain.
  void SetSkipEmptyStyle(bool skip) { m_bSkipEmptyStyle = skip; }
  bool SkipsEmptyStyle() const { return m_bSkipEmptyStyle; }

  // The Insert key; the new state.
  bool ToggleOverwrite();
  bool IsOverwrite() const { return m_bOverwrite; }
  // Before the Delete key: an empty editor gets "Standard1", so typing starts in it.
  void BeforeDelete();
  // Before a typed character: a face that exists as a symbol font types in the symbol set.
  void BeforeTypedCharacter();
  // After the control changed the text by a key, a paste or a drop: the calendar is modified.
  void AfterEdit();
  // After the control cut the selection: an emptied editor starts again in "Standard1".
  void AfterCut();

  // Pane 1 for the caret at `caret`: "\tř <line>,  s <column>", both from 1.
  std::string CaretStatusText(int caret) const;
  void UpdateCaretStatus(int caret);

  // The selection's character and paragraph format, for the formatting toolbar.
  SSelectionFormat SelectionFormat() const;

  // Style names are Windows-1250. False when the style cannot be applied (and the user was told).
  // Each application is one undo step.
  bool ApplyStyleByName(std::string_view name);
  bool ApplyParStyleByName(std::string_view name);

  // A format set on the selection (the members in its mask) as one undo step; the calendar is
  // modified and the window shows the selection again.
  void ApplyCharFormat(const CharFormat& format);
  void ApplyParaFormat(const ParaFormat& format);
  // The colour chosen last in this editor (its command number), for the colour menu's check mark.
  int LastColourId() const { return m_LastColourId; }
  void SetLastColourId(int id) { m_LastColourId = id; }
  // Tells the window that the control's selection or typing format changed.
  void ShowSelection() { NotifySelection(); }

 private:
  bool ApplyCharStyle(std::string_view name, bool markModified);
  bool ApplyParStyle(std::string_view name, bool markModified);
  void RestyleRange(const std::string& text, int from, int to, const CParFormat& newStyle);
  // A format was set: the calendar is modified, the window shows the selection again.
  void AfterFormatting();
  void SetStatus(int pane, std::string text);
  void NotifySelection();

  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CRichEditCtrl m_Ctrl;
  std::function<void(int, std::string)> m_StatusHandler;
  std::function<void()> m_SelectionHandler;
  std::string m_LastDateKey;
  CharRange m_SavedSel;
  bool m_bOverwrite = false;
  bool m_bSkipEmptyStyle = false;
  int m_LastColourId = 0;
};

}  // namespace orv
