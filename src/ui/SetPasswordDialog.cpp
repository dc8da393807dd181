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

std::optional<std::string> AskNewOpenPassword(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Zaheslovat"));
  auto* password = new QLineEdit(&dialog);
  password->setObjectName(QStringLiteral("Password"));
  password->setEchoMode(QLineEdit::Password);
  auto* notice = new QPlainTextEdit(MessageText(kPasswordNotice), &dialog);
  notice->setReadOnly(true);
  notice->setFocusPolicy(Qt::NoFocus);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("Zadejte heslo :"), &dialog));
  layout->addWidget(password);
  layout->addWidget(notice);
  layout->addWidget(buttons);
  password->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToCp1250(password->text());
}

}  // namespace orv
