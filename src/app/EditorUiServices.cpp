#include "app/EditorUiServices.h"

namespace orv {

void CEditorUiServices::BeginSetUp() {
  m_bSettingUp = true;
  m_Shown.clear();
}

void CEditorUiServices::EndSetUp() {
  m_bSettingUp = false;
  m_Shown.clear();
}

void CEditorUiServices::MessageBox(std::string_view text, MessageIcon icon) {
  if (m_bSettingUp && !m_Shown.emplace(text).second) return;
  Inner().MessageBox(text, icon);
}

}  // namespace orv
