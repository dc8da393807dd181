#pragma once
// The commentary editors' way to the user. Everything goes on to the window's services, except that
// during the editors' set-up for a calendar a message already shown is not shown again: both
// editors check the same predefined styles of the same calendar, and all four styles name the same
// base face, so a missing face would otherwise be reported eight times.
//
//   CEditorUiServices editorUi(ui);
//   editorUi.BeginSetUp();  month.DoInitialUpdate(face);  day.DoInitialUpdate(face);  editorUi.EndSetUp();

#include <set>
#include <string>

#include "core/UiServices.h"

namespace orv {

class CEditorUiServices : public IUiServices {
 public:
  explicit CEditorUiServices(IUiServices& ui) : m_Ui(ui) {}

  void BeginSetUp();
  void EndSetUp();

  void MessageDialog(std::string_view text) override { m_Ui.MessageDialog(text); }
  void MessageBox(std::string_view text, MessageIcon icon = MessageIcon::Warning) override;
  bool AskYesNo(std::string_view text) override { return m_Ui.AskYesNo(text); }
  std::optional<std::string> AskPassword(std::string_view prompt) override {
    return m_Ui.AskPassword(prompt);
  }
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override {
    return m_Ui.ChooseFileToOpen(title, filter);
  }
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override {
    return m_Ui.ChooseFileToSave(title, filter, suggestedName);
  }
  void BeginWait() override { m_Ui.BeginWait(); }
  void EndWait() override { m_Ui.EndWait(); }

 private:
  IUiServices& m_Ui;
  bool m_bSettingUp = false;
  std::set<std::string, std::less<>> m_Shown;
};

}  // namespace orv
