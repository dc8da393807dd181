#pragma once
// The formatting commands of the main window bound to the two commentary editors: the effect,
// colour and alignment commands, the style commands and the user-style items of the "Písmo" and
// "Odstavec" menus, the five lists of the formatting toolbar, the editors' context menu and the
// formatting dialogs. Every command acts on the active editor: the focused one, or the one that had
// the focus last. Whether a command is enabled is CommandState's business; the binding describes
// the active editor's selection for its check marks.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

namespace orv {

class CMainFrame;
class IUiServices;
struct SStyleEdits;
class CRichTextView;
class CTedDoc;
struct SFrameState;

class CFormattingBinding : public QObject {
 public:
  CFormattingBinding(CMainFrame& frame, CTedDoc& doc, IUiServices& ui, CRichTextView& month,
                     CRichTextView& day);

  CRichTextView& ActiveEditor() const { return *m_Active; }
  // The check marks of the formatting commands, from the focused editor's selection.
  void Describe(SFrameState& state) const;
  // Around re-formatting the stored commentaries after a style dialog's OK: the shown commentaries are
  // stored first and shown again afterwards.
  void SetReformatHooks(std::function<void()> before, std::function<void()> after) {
    m_BeforeReformat = std::move(before);
    m_AfterReformat = std::move(after);
  }
  // The style lists of the formatting toolbar and the user-style menu items, after the style sets
  // of the calendar changed.
  void RefreshStyleLists();

 private:
  void AddEffectCommands();
  void AddStyleCommands();
  void AddDialogCommands();
  void FontDialog();
  void ParagraphDialog();
  void TabStopsDialog();
  void CharStylesDialog();
  void ParStylesDialog();
  void SymbolDialog();
  // After a style dialog's OK: the lists, and the stored commentaries when styles were edited.
  void StylesChanged(const SStyleEdits& edits);
  void BindStyleBar();
  void SetContextMenus();
  // The list has given its choice; the focus goes back to the editor, keeping a format chosen for
  // an empty commentary.
  void BackToEditor();
  void RebuildUserStyleItems(int firstId, int afterId, const std::vector<std::string>& names);
  CRichTextView* FocusedEditor() const;

  CMainFrame& m_Frame;
  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  std::function<void()> m_BeforeReformat;
  std::function<void()> m_AfterReformat;
  CRichTextView* m_Month;
  CRichTextView* m_Day;
  CRichTextView* m_Active;
};

}  // namespace orv
