#include "ui/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace orv {

CPasswordDialog::CPasswordDialog(const QString& prompt, IUiServices& ui, QWidget* parent, EKind kind)
    : QDialog(parent), m_Ui(ui), m_Kind(kind) {
  setWindowTitle(QStringLiteral("Autentizace"));
  auto* promptField = new QPlainTextEdit(prompt, this);
  promptField->setReadOnly(true);
  promptField->setFocusPolicy(Qt::NoFocus);
  promptField->setMaximumHeight(promptField->fontMetrics().lineSpacing() * 5);
  m_Password = new QLineEdit(this);
  m_Password->setEchoMode(QLineEdit::Password);
  m_Password->setObjectName(QStringLiteral("Password"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Ok(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(promptField);
  layout->addWidget(m_Password);
  layout->addWidget(buttons);
  m_Password->setFocus();
}

void CPasswordDialog::Ok() {
  if (m_Kind == EKind::Passphrase || Cp1250OrRefuse(m_Password->text(), "do hesla", m_Ui)) {
    accept();
  } else {
    m_Password->selectAll();
    m_Password->setFocus();
  }
}

std::string CPasswordDialog::Password() const {
  return ToCp1250(m_Password->text());
}

std::string CPasswordDialog::Passphrase() const {
  return m_Password->text().toStdString();
}

}  // namespace orv
