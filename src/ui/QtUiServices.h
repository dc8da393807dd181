#pragma once
// IUiServices with Qt dialogs, parented to the main window (or to nothing before it exists).

#include <QPointer>
#include <QWidget>

#include "core/UiServices.h"

namespace orv {

class CQtUiServices : public IUiServices {
 public:
  void SetParent(QWidget* parent) { m_Parent = parent; }
  // Without a user to answer (automated runs): messages go to stderr, questions are answered "Ne",
  // prompts and choosers are cancelled.
  void SetNonInteractive(bool nonInteractive) { m_NonInteractive = nonInteractive; }

  void MessageDialog(std::string_view text) override;
  void MessageBox(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoDefaultNo(std::string_view text) override;
  std::optional<int> AskChoice(std::string_view text, const std::vector<std::string>& buttons) override;
  std::optional<std::string> AskPassword(std::string_view prompt) override;
  std::optional<std::string> AskPassphrase(std::string_view prompt) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view title, std::string_view filter) override;
  std::optional<std::string> ChooseFolder(std::string_view title) override;
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view filter,
                                              std::string_view suggestedName) override;
  void BeginWait() override;
  void EndWait() override;

 private:
  bool Log(std::string_view text) const;
  bool Ask(std::string_view text, bool defaultYes);

  QPointer<QWidget> m_Parent;
  bool m_NonInteractive = false;
};

// A question box with "&Ano", "&Ne" (and "&Storno"): the underlined letter alone answers, Enter
// takes "Ano" (or "Ne" when defaultYes is false), Esc "Storno" (or "Ne" without it).
enum class QuestionAnswer { Yes, No, Cancel };
QuestionAnswer AskQuestion(QWidget* parent, const QString& text, bool withCancel, bool defaultYes = true);

// Program texts are UTF-8; the "\r\n" of the program's messages becomes a plain line break, and a
// " !" stays on the line of its word.
QString MessageText(std::string_view utf8);

}  // namespace orv
