#include "cli/PresetAnswersUi.h"

namespace orv::cli {

bool CPresetAnswersUi::AskYesNo(std::string_view text) {
  return m_AnswerYes || Inner().AskYesNo(text);
}

bool CPresetAnswersUi::AskYesNoDefaultNo(std::string_view text) {
  return m_AnswerYes || Inner().AskYesNoDefaultNo(text);
}

std::optional<std::string> CPresetAnswersUi::AskPassword(std::string_view prompt) {
  if (m_Password) return m_Password;
  return Inner().AskPassword(prompt);
}

}  // namespace orv::cli
