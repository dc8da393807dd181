#pragma once
// A scripted IUiServices for tests: records every message in order and answers questions, password
// prompts and file choosers from queues. An empty queue answers "no" / cancel.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/UiServices.h"

namespace orv::test {

class FakeUiServices : public IUiServices {
 public:
  enum class Kind {
    MessageDialog,
    MessageBox,
    Question,
    PasswordPrompt,
    OpenChooser,
    SaveChooser,
    PassphrasePrompt,
    FolderChooser
  };
  struct Event {
    Kind kind;
    std::string text;
    bool defaultNo = false;  // a question whose default button is "Ne"
  };

  std::vector<Event> events;
  std::deque<bool> yesNoAnswers;
  std::deque<std::optional<std::string>> passwordAnswers;
  std::deque<std::optional<std::string>> passphraseAnswers;  // UTF-8
  std::deque<std::optional<std::string>> fileAnswers;
  // The buttons chosen in AskChoice; with none left the fake offers no choice (as orv does), and
  // records nothing.
  std::deque<int> choiceAnswers;
  std::vector<std::string> choiceButtons;   // the buttons of the last choice offered
  std::vector<std::string> suggestedNames;  // what each save chooser proposed
  int waitDepth = 0;
  int waitCount = 0;

  // The texts of every message shown (both message forms, and questions), in order.
  std::vector<std::string> Messages() const;
  // Forgets what was recorded so far.
  void Clear() { events.clear(); }

  void MessageDialog(std::string_view text) override;
  void MessageBox(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoDefaultNo(std::string_view text) override;
  std::optional<int> AskChoice(std::string_view text, const std::vector<std::string>& buttons) override;
  std::optional<std::string> AskPassword(std::string_view prompt) override;
  std::optional<std::string> AskPassphrase(std::string_view prompt) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override;
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override;
  // Answered from fileAnswers as the file choosers are.
  std::optional<std::string> ChooseFolder(std::string_view title) override;
  void BeginWait() override;
  void EndWait() override;
};

}  // namespace orv::test
