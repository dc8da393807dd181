#pragma once
// The global options --password and --yes: a layer over the UI services that answers every password
// prompt with the given password and every yes/no question with "Ano", and passes the rest through.

#include <optional>
#include <string>

#include "core/UiServices.h"

namespace orv::cli {

class CPresetAnswersUi : public IUiServices {
 public:
  // password is Windows-1250, as the calendar compares it.
  CPresetAnswersUi(IUiServices& inner, std::optional<std::string> password, bool answerYes)
      : m_Inner(inner), m_Password(std::move(password)), m_AnswerYes(answerYes) {}

  void MessageDialog(std::string_view text) override { m_Inner.MessageDialog(text); }
  void MessageBox(std::string_view text, MessageIcon icon) override { m_Inner.MessageBox(text, icon); }
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskPassword(std::string_view prompt) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override {
    return m_Inner.ChooseFileToOpen(title, filter);
  }
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override {
    return m_Inner.ChooseFileToSave(title, filter, suggestedName);
  }
  void BeginWait() override { m_Inner.BeginWait(); }
  void EndWait() override { m_Inner.EndWait(); }

 private:
  IUiServices& m_Inner;
  std::optional<std::string> m_Password;
  bool m_AnswerYes;
};

}  // namespace orv::cli
