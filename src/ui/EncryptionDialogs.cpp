#include "ui/EncryptionDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <string>

#include "document/EncryptedCalendar.h"

namespace orv {
namespace {

QLineEdit* PassphraseField(QDialog& dialog, const QString& name) {
  auto* field = new QLineEdit(&dialog);
  field->setObjectName(name);
  field->setEchoMode(QLineEdit::Password);
  return field;
}

QLabel* Label(QDialog& dialog, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), &dialog);
  label->setWordWrap(true);
  return label;
}

// OK runs `accept`, which tells whether the dialog may close; "Storno" closes it.
bool Run(QDialog& dialog, QVBoxLayout* layout, const std::function<bool()>& accept) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (accept()) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return dialog.exec() == QDialog::Accepted;
}

std::string Taken(QLineEdit* field) {
  std::string text = field->text().toStdString();
  field->clear();
  return text;
}

}  // namespace

bool RunEncryptDialog(QWidget* parent, CTedDoc& doc, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Zašifrovat"));
  QLineEdit* first = PassphraseField(dialog, QStringLiteral("Passphrase"));
  QLineEdit* again = PassphraseField(dialog, QStringLiteral("PassphraseAgain"));
  QLabel* strength = Label(dialog, "");
  strength->setObjectName(QStringLiteral("Strength"));
  QObject::connect(first, &QLineEdit::textChanged, strength, [strength](const QString& text) {
    strength->setText(text.isEmpty() ? QString()
                                     : QString::fromStdString(PassphraseStrength(text.toStdString())));
  });
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(Label(dialog, kNewPassphrasePrompt));
  layout->addWidget(first);
  layout->addWidget(strength);
  layout->addWidget(Label(dialog, kRepeatPassphrasePrompt));
  layout->addWidget(again);
  layout->addWidget(Label(dialog, kForgottenPassphrase));
  layout->addWidget(Label(dialog, "Kalendář se zašifruje, až jej uložíte."));
  first->setFocus();
  return Run(dialog, layout, [&] {
    std::string one = Taken(first), two = Taken(again);
    if (EncryptCalendar(doc, one, two, ui)) return true;
    first->setFocus();
    return false;
  });
}

bool RunDecryptDialog(QWidget* parent, CTedDoc& doc, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Zrušit šifrování"));
  QLineEdit* passphrase = PassphraseField(dialog, QStringLiteral("Passphrase"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(Label(dialog, "Zadejte heslo kalendáře :"));
  layout->addWidget(passphrase);
  layout->addWidget(Label(dialog, "Kalendář se uloží nezašifrovaný, až jej uložíte."));
  passphrase->setFocus();
  return Run(dialog, layout, [&] {
    std::string typed = Taken(passphrase);
    return RemoveEncryption(doc, typed, ui);
  });
}

}  // namespace orv
