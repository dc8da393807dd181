#pragma once
// The one way logic talks to the user. Logic never opens a window: messages, questions, the password
// prompt, file choosers and the wait cursor go through IUiServices. The desktop application implements
// it with Qt dialogs, the orv tool with the terminal and its options, tests with a scripted fake.
//
// Message texts are UTF-8 (the program's Czech texts verbatim; calendar content converted from
// Windows-1250 by the caller). Passwords come back as Windows-1250 bytes, as the calendar stores them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class MessageIcon { Information, Warning, Error, Question };

class IUiServices {
 public:
  virtual ~IUiServices() = default;

  // The program's own message dialog: a modal box with a read-only multi-line text and OK.
  virtual void MessageDialog(std::string_view text) = 0;
  // The standard message box.
  virtual void MessageBox(std::string_view text, MessageIcon icon = MessageIcon::Warning) = 0;
  // The question dialog with "Ano" and "Ne"; true for "Ano".
  virtual bool AskYesNo(std::string_view text) = 0;
  // The same question with "Ne" as the default button, where "Ano" may cost the user data.
  virtual bool AskYesNoDefaultNo(std::string_view text) { return AskYesNo(text); }
  // A question answered by one of `buttons` (the first the default, the last the one Esc takes): the
  // index of the button chosen. Nullopt where no such choice can be offered (orv): the caller then
  // asks in yes and no.
  virtual std::optional<int> AskChoice(std::string_view /*text*/,
                                       const std::vector<std::string>& /*buttons*/) {
    return std::nullopt;
  }
  // The password prompt (title "Autentizace"); nullopt when the user cancels.
  virtual std::optional<std::string> AskPassword(std::string_view prompt) = 0;
  // The passphrase of an encrypted calendar, as typed (UTF-8, nothing converted); nullopt when the
  // user cancels or no one can be asked.
  virtual std::optional<std::string> AskPassphrase(std::string_view /*prompt*/) { return std::nullopt; }
  // File choosers; paths are UTF-8 file-system paths, nullopt when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) = 0;
  virtual std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                                      std::string_view suggestedName) = 0;
  // A folder chooser; nullopt when cancelled or no one can be asked.
  virtual std::optional<std::string> ChooseFolder(std::string_view /*title*/) { return std::nullopt; }
  // The wait cursor over long work; calls nest.
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
 public:
  explicit CWaitCursor(IUiServices& ui) : m_Ui(ui) { m_Ui.BeginWait(); }
  ~CWaitCursor() { m_Ui.EndWait(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  IUiServices& m_Ui;
};

}  // namespace orv
