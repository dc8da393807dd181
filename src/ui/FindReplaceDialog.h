#pragma once
// "Najít výraz" and "Záměna výrazů": the find and the replace dialog of a commentary editor, over
// the editor's find and replace (editor/FindReplace.h). Both act on the editor they were opened for
// and leave their text, check boxes and area in the settings, where "Najít další" (F3) finds them
// after the dialog is closed. Before each search the editors' texts are stored into the calendar, as
// every command that reads the calendar does, so that a replacement starts from what was typed.

#include <QDialog>
#include <functional>

#include "editor/FindReplace.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace orv {

class CCommentaryEditor;

class CFindReplaceDialog : public QDialog {
 public:
  // `replacing` makes the replace dialog; `store` puts the editors' texts into the calendar; `changed`
  // runs after a replacement changed the text; `shown` after every search, for the editor's window to
  // show the selection while the dialog stays open.
  CFindReplaceDialog(QWidget* parent, bool replacing, FindSettings& settings, CCommentaryEditor& editor,
                     std::function<void()> store, std::function<void()> changed, std::function<void()> shown);

 private:
  void ShowSettings();
  // The controls into the settings, then their checks; false when the search cannot start. When it
  // can, the editors' texts are stored first.
  bool ReadSettings();
  void OnFindNext();
  void OnReplace();
  void OnReplaceAll();

  bool m_Replacing;
  FindSettings& m_Settings;
  CCommentaryEditor& m_Editor;
  std::function<void()> m_Store;
  std::function<void()> m_Changed;
  std::function<void()> m_Shown;
  QLineEdit* m_Find = nullptr;
  QLineEdit* m_Replacement = nullptr;
  QCheckBox* m_WholeWords = nullptr;
  QCheckBox* m_MatchCase = nullptr;
  QCheckBox* m_UseMask = nullptr;
  QCheckBox* m_IgnoreAccents = nullptr;
  QRadioButton* m_Areas[3] = {};
};

}  // namespace orv
