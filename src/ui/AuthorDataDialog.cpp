#include "ui/AuthorDataDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "document/FileProtection.h"
#include "ui/QtText.h"

namespace orv {
namespace {

// "Heslo": a prompt, one password field, OK and "Storno". OK refuses characters Windows-1250 lacks.
std::optional<std::string> AskHeslo(QWidget* parent, const QString& prompt, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Heslo"));
  auto* promptLine = new QLineEdit(prompt, &dialog);
  promptLine->setReadOnly(true);
  promptLine->setFocusPolicy(Qt::NoFocus);
  auto* password = new QLineEdit(&dialog);
  password->setObjectName(QStringLiteral("Password"));
  password->setEchoMode(QLineEdit::Password);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
  std::optional<std::string> typed;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if ((typed = Cp1250OrRefuse(password->text(), "do hesla", ui))) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(promptLine);
  layout->addWidget(password);
  layout->addWidget(buttons);
  password->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return typed;
}

class CAuthorDataDialog : public QDialog {
 public:
  CAuthorDataDialog(QWidget* parent, CAuthorDataModel& model, IUiServices& ui)
      : QDialog(parent), m_Model(model), m_Ui(ui) {
    setWindowTitle(QStringLiteral("Změna autorských údajů"));
    auto* form = new QFormLayout;
    for (size_t i = 0; i < m_Fields.size(); ++i) {
      m_Fields[i] = new QLineEdit(FromCp1250(model.Fields()[i]), this);
      m_Fields[i]->setObjectName(QStringLiteral("Field%1").arg(i));
      form->addRow(QString::fromUtf8(kAuthorFieldLabels[i]), m_Fields[i]);
    }
    auto* buttons = new QDialogButtonBox(this);
    m_Unlock = buttons->addButton(QStringLiteral("Změnit"), QDialogButtonBox::ActionRole);
    m_NewPassword = buttons->addButton(QStringLiteral("Nové heslo"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    connect(m_Unlock, &QPushButton::clicked, this, [this] { Unlock(); });
    connect(m_NewPassword, &QPushButton::clicked, this, [this] { NewPassword(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Ok(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    ShowLock();
  }

 private:
  void ShowLock() {
    for (QLineEdit* field : m_Fields) field->setReadOnly(m_Model.IsLocked());
    m_Unlock->setEnabled(m_Model.IsLocked());
    m_NewPassword->setEnabled(m_Model.CanSetNewPassword());
  }
  void Unlock() {
    if (const std::optional<std::string> typed = AskHeslo(this, QStringLiteral("Zadejte heslo :"), m_Ui)) {
      m_Model.Unlock(*typed);
      ShowLock();
    }
  }
  // An empty first entry removes the author password without asking again.
  void NewPassword() {
    const std::optional<std::string> first = AskHeslo(this, QString::fromUtf8(kNewPasswordPrompt), m_Ui);
    if (!first) return;
    const std::optional<std::string> second =
        first->empty() ? first : AskHeslo(this, QString::fromUtf8(kRepeatPasswordPrompt), m_Ui);
    if (second) m_Model.SetNewPassword(*first, *second, m_Ui);
  }
  void Ok() {
    for (size_t i = 0; i < m_Fields.size(); ++i) m_Model.Fields()[i] = ToCp1250(m_Fields[i]->text());
    accept();
  }

  CAuthorDataModel& m_Model;
  IUiServices& m_Ui;
  std::array<QLineEdit*, 5> m_Fields{};
  QPushButton* m_Unlock;
  QPushButton* m_NewPassword;
};

}  // namespace

bool RunAuthorData(QWidget* parent, CAuthorDataModel& model, IUiServices& ui) {
  CAuthorDataDialog dialog(parent, model, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace orv
