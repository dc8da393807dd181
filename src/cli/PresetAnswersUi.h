#pragma once
// The global options --password and --yes: a layer over the UI services that answers every password
// prompt with the given password and every yes/no question with "Ano", and passes the rest through.

#include <optional>
#include <string>

#include "core/ForwardingUiServices.h"

namespace orv::cli {

class CPresetAnswersUi : public CForwardingUiServices {
 public:
  // password is Windows-1250, as the calendar compares it.
  CPresetAnswersUi(IUiServices& inner, std::optional<std::string> password, bool answerYes)
      : CForwardingUiServices(inner), m_Password(std::move(password)), m_AnswerYes(answerYes) {}

  bool AskYesNo(std::string_view text) override;
  bool AskYesNoDefaultNo(std::string_view text) override;
  std::optional<std::string> AskPassword(std::string_view prompt) override;

 private:
  std::optional<std::string> m_Password;
  bool m_AnswerYes;
};

}  // namespace orv::cli
