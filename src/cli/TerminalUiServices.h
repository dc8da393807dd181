#pragma once
// IUiServices on a terminal: messages go to stderr as lines, questions are answered "Ne", the
// password is asked for by a hidden prompt when stdin is a terminal. The options --yes and
// --password answer instead (CPresetAnswersUi).
// There are no file choosers on the command line: paths are arguments.

#include <iosfwd>
#include <optional>
#include <string>

#include "core/UiServices.h"

namespace orv::cli {

class TerminalUiServices : public IUiServices {
 public:
  TerminalUiServices(std::istream& in, std::ostream& err);

  void MessageDialog(std::string_view text) override;
  void MessageBox(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskPassword(std::string_view prompt) override;
  // Never waits: without a terminal on stdin there is no one to ask.
  std::optional<std::string> AskPassphrase(std::string_view prompt) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override;
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override;
  void BeginWait() override {}
  void EndWait() override {}

 private:
  void PrintMessage(std::string_view text);

  std::istream& m_In;
  std::ostream& m_Err;
};

}  // namespace orv::cli
