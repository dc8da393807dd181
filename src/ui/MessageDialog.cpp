#include "ui/MessageDialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

CMessageDialog::CMessageDialog(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Orvella 2"));
  m_Text = new QPlainTextEdit(text, this);
  m_Text->setReadOnly(true);
  m_Text->setObjectName(QStringLiteral("MessageText"));
  const QFontMetrics metrics(m_Text->font());
  m_Text->setMinimumSize(metrics.averageCharWidth() * 52, metrics.lineSpacing() * 7);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_Text);
  layout->addWidget(buttons);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
}

QString CMessageDialog::Text() const {
  return m_Text->toPlainText();
}

}  // namespace orv
