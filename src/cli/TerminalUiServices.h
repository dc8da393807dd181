#pragma once
// IUiServices on a terminal: messages go to stderr as lines, questions are answered "Ne" unless
// --yes was given, the password comes from --password or, on a terminal, from a hidden prompt.
// There are no file choosers on the command line: paths are arguments.

#include <iosfwd>
#include <optional>
#include <string>

#include "core/UiServices.h"

namespace orv::cli {

class TerminalUiServices : public IUiServices {
 public:
  TerminalUiServices(std::istream& in, std::ostream& err);

  // A password given on the command line (UTF-8); it answers every password prompt.
  void SetPresetPassword(std::optional<std::string> utf8Password);
  void SetAnswerYes(bool yes) { m_AnswerYes = yes; }

  void MessageDialog(std::string_view text) override;
  void MessageBox(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskPassword(std::string_view prompt) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override;
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override;
  void BeginWait() override {}
  void EndWait() override {}

 private:
  void PrintMessage(std::string_view text);

  std::istream& m_In;
  std::ostream& m_Err;
  std::optional<std::string> m_PresetPassword;
  bool m_AnswerYes = false;
};

}  // namespace orv::cli
