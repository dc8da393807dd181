#include "FakeUiServices.h"

namespace orv::test {

namespace {
template <typename T>
T Pop(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}
}  // namespace

std::vector<std::string> FakeUiServices::Messages() const {
  std::vector<std::string> out;
  for (const Event& e : events)
    if (e.kind == Kind::MessageDialog || e.kind == Kind::MessageBox || e.kind == Kind::Question)
      out.push_back(e.text);
  return out;
}

void FakeUiServices::MessageDialog(std::string_view text) {
  events.push_back({Kind::MessageDialog, std::string(text)});
}

void FakeUiServices::MessageBox(std::string_view text, MessageIcon) {
  events.push_back({Kind::MessageBox, std::string(text)});
}

bool FakeUiServices::AskYesNo(std::string_view text) {
  events.push_back({Kind::Question, std::string(text)});
  return Pop(yesNoAnswers, false);
}

bool FakeUiServices::AskYesNoDefaultNo(std::string_view text) {
  events.push_back({Kind::Question, std::string(text), true});
  return Pop(yesNoAnswers, false);
}

std::optional<int> FakeUiServices::AskChoice(std::string_view text, const std::vector<std::string>& buttons) {
  if (choiceAnswers.empty()) return std::nullopt;
  events.push_back({Kind::Question, std::string(text)});
  choiceButtons = buttons;
  const int answer = choiceAnswers.front();
  choiceAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakeUiServices::AskPassword(std::string_view prompt) {
  events.push_back({Kind::PasswordPrompt, std::string(prompt)});
  return Pop(passwordAnswers, std::optional<std::string>{});
}

std::optional<std::string> FakeUiServices::AskPassphrase(std::string_view prompt) {
  events.push_back({Kind::PassphrasePrompt, std::string(prompt)});
  return Pop(passphraseAnswers, std::optional<std::string>{});
}

std::optional<std::string> FakeUiServices::ChooseFileToOpen(std::string_view title, std::string_view) {
  events.push_back({Kind::OpenChooser, std::string(title)});
  return Pop(fileAnswers, std::optional<std::string>{});
}

std::optional<std::string> FakeUiServices::ChooseFolder(std::string_view title) {
  events.push_back({Kind::FolderChooser, std::string(title)});
  return Pop(fileAnswers, std::optional<std::string>{});
}

std::optional<std::string> FakeUiServices::ChooseFileToSave(std::string_view title, std::string_view,
                                                            std::string_view suggestedName) {
  events.push_back({Kind::SaveChooser, std::string(title)});
  suggestedNames.emplace_back(suggestedName);
  return Pop(fileAnswers, std::optional<std::string>{});
}

void FakeUiServices::BeginWait() {
  ++waitDepth;
  ++waitCount;
}

void FakeUiServices::EndWait() {
  --waitDepth;
}

}  // namespace orv::test
