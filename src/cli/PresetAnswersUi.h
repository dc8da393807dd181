#pragma once
// The global options --password, --password-file and --yes: a layer over the UI services that
// answers every password prompt with the given password and every yes/no question with "Ano", and
// passes the rest through. An encrypted calendar's passphrase is taken from --password-file only:
// a command line is visible to every user of the machine, so --password is refused for it, with
// the reason.

#include <optional>
#include <string>

#include "core/ForwardingUiServices.h"

namespace orv::cli {

struct SGivenPassword {
  std::string utf8;       // as given
  bool fromFile = false;  // --password-file rather than --password
};

class CPresetAnswersUi : public CForwardingUiServices {
 public:
  CPresetAnswersUi(IUiServices& inner, std::optional<SGivenPassword> password, bool answerYes)
      : CForwardingUiServices(inner), m_Password(std::move(password)), m_AnswerYes(answerYes) {}

  bool AskYesNo(std::string_view text) override;
  bool AskYesNoDefaultNo(std::string_view text) override;
  // The old password, as the calendar compares it (Windows-1250); one with a character the code
  // page lacks is refused with a message.
  std::optional<std::string> AskPassword(std::string_view prompt) override;
  std::optional<std::string> AskPassphrase(std::string_view prompt) override;

 private:
  std::optional<SGivenPassword> m_Password;
  bool m_AnswerYes;
};

inline constexpr const char* kPassphraseOnCommandLine =
    "Heslo šifrovaného kalendáře nelze zadat volbou --password: příkazový řádek mohou číst ostatní "
    "uživatelé počítače. Zadejte heslo souborem (--password-file SOUBOR) nebo na terminálu.";

}  // namespace orv::cli
