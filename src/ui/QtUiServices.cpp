#include "ui/QtUiServices.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "ui/MessageDialog.h"
#include "ui/OpenFileDialog.h"
#include "ui/PasswordDialog.h"

namespace orv {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::Warning;
}

}  // namespace

QString MessageText(std::string_view utf8) {
  QString text = Utf8(utf8);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  text.remove(QLatin1Char('\r'));
  // The messages write " !" as Czech typing has it; a wrapped line must not begin with the mark.
  text.replace(QStringLiteral(" !"), QStringLiteral("\u00A0!"));
  return text;
}

bool CQtUiServices::Log(std::string_view text) const {
  if (!m_NonInteractive) return false;
  const QString line = MessageText(text).replace(QChar(0xA0), QLatin1Char(' '));
  std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  return true;
}

void CQtUiServices::MessageDialog(std::string_view text) {
  if (Log(text)) return;
  CMessageDialog dialog(MessageText(text), m_Parent);
  dialog.exec();
}

void CQtUiServices::MessageBox(std::string_view text, MessageIcon icon) {
  if (Log(text)) return;
  QMessageBox box(BoxIcon(icon), QStringLiteral("Orvella 2"), MessageText(text), QMessageBox::Ok, m_Parent);
  box.exec();
}

QuestionAnswer AskQuestion(QWidget* parent, const QString& text, bool withCancel, bool defaultYes) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Orvella 2"), text, QMessageBox::NoButton, parent);
  QPushButton* yes = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
  QPushButton* cancel =
      withCancel ? box.addButton(QStringLiteral("&Storno"), QMessageBox::RejectRole) : nullptr;
  box.setDefaultButton(defaultYes ? yes : no);
  box.setEscapeButton(cancel ? cancel : no);
  box.exec();
  if (box.clickedButton() == yes) return QuestionAnswer::Yes;
  if (box.clickedButton() == no || !cancel) return QuestionAnswer::No;
  return QuestionAnswer::Cancel;
}

bool CQtUiServices::AskYesNo(std::string_view text) {
  return Ask(text, true);
}

bool CQtUiServices::AskYesNoDefaultNo(std::string_view text) {
  return Ask(text, false);
}

bool CQtUiServices::Ask(std::string_view text, bool defaultYes) {
  if (Log(text)) return false;
  return AskQuestion(m_Parent, MessageText(text), false, defaultYes) == QuestionAnswer::Yes;
}

std::optional<int> CQtUiServices::AskChoice(std::string_view text, const std::vector<std::string>& buttons) {
  const int last = static_cast<int>(buttons.size()) - 1;
  if (Log(text)) return last;
  QMessageBox box(QMessageBox::Question, QStringLiteral("Orvella 2"), MessageText(text),
                  QMessageBox::NoButton, m_Parent);
  std::vector<QPushButton*> pushButtons;
  for (const std::string& button : buttons)
    pushButtons.push_back(box.addButton(QString::fromStdString(button), QMessageBox::AcceptRole));
  box.setDefaultButton(pushButtons.front());
  box.setEscapeButton(pushButtons.back());
  box.exec();
  const auto chosen = std::find(pushButtons.begin(), pushButtons.end(), box.clickedButton());
  return chosen == pushButtons.end() ? last : static_cast<int>(chosen - pushButtons.begin());
}

std::optional<std::string> CQtUiServices::AskPassword(std::string_view prompt) {
  if (Log(prompt)) return std::nullopt;
  CPasswordDialog dialog(MessageText(prompt), *this, m_Parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Password();
}

std::optional<std::string> CQtUiServices::AskPassphrase(std::string_view prompt) {
  if (Log(prompt)) return std::nullopt;
  CPasswordDialog dialog(MessageText(prompt), *this, m_Parent, CPasswordDialog::EKind::Passphrase);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Passphrase();
}

std::optional<std::string> CQtUiServices::ChooseFileToOpen(std::string_view title, std::string_view filter) {
  if (m_NonInteractive) return std::nullopt;
  const std::optional<QString> path = orv::ChooseFileToOpen(m_Parent, Utf8(title), Utf8(filter));
  if (!path || path->isEmpty()) return std::nullopt;
  return path->toStdString();
}

std::optional<std::string> CQtUiServices::ChooseFolder(std::string_view title) {
  if (m_NonInteractive) return std::nullopt;
  const QString path = QFileDialog::getExistingDirectory(m_Parent, Utf8(title));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> CQtUiServices::ChooseFileToSave(std::string_view title, std::string_view filter,
                                                           std::string_view suggestedName) {
  if (m_NonInteractive) return std::nullopt;
  const QString path = QFileDialog::getSaveFileName(m_Parent, Utf8(title), Utf8(suggestedName), Utf8(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

void CQtUiServices::BeginWait() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUiServices::EndWait() {
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace orv
