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

#include "core/ForwardingUiServices.h"

namespace orv {

class CEditorUiServices : public CForwardingUiServices {
 public:
  explicit CEditorUiServices(IUiServices& ui) : CForwardingUiServices(ui) {}

  void BeginSetUp();
  void EndSetUp();

  void MessageBox(std::string_view text, MessageIcon icon = MessageIcon::Warning) override;

 private:
  bool m_bSettingUp = false;
  std::set<std::string, std::less<>> m_Shown;
};

}  // namespace orv
