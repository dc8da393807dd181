#pragma once
// A layer over other UI services: every call goes on to the inner services unless a subclass
// overrides it. The command-line options, the message counting of orv and the editors' set-up each
// change one or two calls and keep the rest.

#include "core/UiServices.h"

namespace orv {

class CForwardingUiServices : public IUiServices {
 public:
  explicit CForwardingUiServices(IUiServices& inner) : m_Inner(inner) {}

  void MessageDialog(std::string_view text) override { m_Inner.MessageDialog(text); }
  void MessageBox(std::string_view text, MessageIcon icon = MessageIcon::Warning) override {
    m_Inner.MessageBox(text, icon);
  }
  bool AskYesNo(std::string_view text) override { return m_Inner.AskYesNo(text); }
  bool AskYesNoDefaultNo(std::string_view text) override { return m_Inner.AskYesNoDefaultNo(text); }
  std::optional<int> AskChoice(std::string_view text, const std::vector<std::string>& buttons) override {
    return m_Inner.AskChoice(text, buttons);
  }
  std::optional<std::string> AskPassword(std::string_view prompt) override {
    return m_Inner.AskPassword(prompt);
  }
  std::optional<std::string> AskPassphrase(std::string_view prompt) override {
    return m_Inner.AskPassphrase(prompt);
  }
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override {
    return m_Inner.ChooseFileToOpen(title, filter);
  }
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override {
    return m_Inner.ChooseFileToSave(title, filter, suggestedName);
  }
  std::optional<std::string> ChooseFolder(std::string_view title) override { return m_Inner.ChooseFolder(title); }
  void BeginWait() override { m_Inner.BeginWait(); }
  void EndWait() override { m_Inner.EndWait(); }

 protected:
  IUiServices& Inner() const { return m_Inner; }

 private:
  IUiServices& m_Inner;
};

}  // namespace orv
