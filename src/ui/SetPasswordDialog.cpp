#include "ui/SetPasswordDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/FileProtection.h"
#include "ui/QtText.h"
#include "ui/QtUiServices.h"

namespace orv {
namespace {

QLineEdit* PasswordField(QDialog& dialog, const QString& name) {
  auto* field = new QLineEdit(&dialog);
  field->setObjectName(name);
  field->setEchoMode(QLineEdit::Password);
  return field;
}

}  // namespace

std::optional<std::string> AskNewOpenPassword(QWidget* parent, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Zaheslovat"));
  QLineEdit* password = PasswordField(dialog, QStringLiteral("Password"));
  QLineEdit* again = PasswordField(dialog, QStringLiteral("PasswordAgain"));
  auto* notice = new QPlainTextEdit(MessageText(kPasswordNotice), &dialog);
  notice->setReadOnly(true);
  notice->setFocusPolicy(Qt::NoFocus);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
  std::optional<std::string> chosen;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    chosen = CheckNewPassword(password->text().toStdString(), again->text().toStdString(), ui);
    if (chosen) {
      dialog.accept();
      return;
    }
    password->clear();
    again->clear();
    password->setFocus();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  // Each field's label is its buddy: a screen reader says it with the field.
  auto* passwordLabel = new QLabel(QStringLiteral("Zadejte heslo :"), &dialog);
  passwordLabel->setBuddy(password);
  auto* againLabel = new QLabel(QStringLiteral("Zadejte heslo znovu :"), &dialog);
  againLabel->setBuddy(again);
  layout->addWidget(passwordLabel);
  layout->addWidget(password);
  layout->addWidget(againLabel);
  layout->addWidget(again);
  layout->addWidget(notice);
  layout->addWidget(buttons);
  password->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return chosen;
}

}  // namespace orv
