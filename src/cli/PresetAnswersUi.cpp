#include "cli/PresetAnswersUi.h"

#include "document/FileProtection.h"

namespace orv::cli {

bool CPresetAnswersUi::AskYesNo(std::string_view text) {
  return m_AnswerYes || Inner().AskYesNo(text);
}

bool CPresetAnswersUi::AskYesNoDefaultNo(std::string_view text) {
  return m_AnswerYes || Inner().AskYesNoDefaultNo(text);
}

std::optional<std::string> CPresetAnswersUi::AskPassword(std::string_view prompt) {
  if (m_Password) return CheckPassword(m_Password->utf8, *this);
  return Inner().AskPassword(prompt);
}

std::optional<std::string> CPresetAnswersUi::AskPassphrase(std::string_view prompt) {
  if (!m_Password) return Inner().AskPassphrase(prompt);
  if (m_Password->fromFile) return m_Password->utf8;
  MessageBox(kPassphraseOnCommandLine);
  return std::nullopt;
}

}  // namespace orv::cli
