#include "ui/BaseFontDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/UiServices.h"
#include "ui/QtText.h"

namespace orv {

CBaseFontDialog::CBaseFontDialog(const std::vector<std::string>& installed, IUiServices& ui, QWidget* parent)
    : QDialog(parent), m_Ui(ui) {
  setWindowTitle(QStringLiteral("Základní písmo"));
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  auto* label = new QLabel(QStringLiteral("Vyberte základní písmo pro výklad:"), this);
  m_Faces = new QComboBox(this);
  m_Faces->setObjectName(QStringLiteral("Faces"));
  m_Faces->setMaxVisibleItems(16);
  for (const std::string& face : installed)
    m_Faces->addItem(FromCp1250(face), QByteArray::fromStdString(face));
  m_Faces->setCurrentIndex(-1);
  label->setBuddy(m_Faces);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CBaseFontDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(m_Faces);
  layout->addWidget(buttons);
  if (installed.empty()) m_Ui.MessageBox("Seznam nainstalovaných písem je prázdný !");
}

void CBaseFontDialog::accept() {
  if (m_Faces->currentIndex() < 0) {
    m_Ui.MessageBox("Je nutno vybrat písmo !");
    return;
  }
  m_Face = m_Faces->currentData().toByteArray().toStdString();
  QDialog::accept();
}

void CBaseFontDialog::reject() {
  if (m_Faces->count() == 0) QDialog::reject();
}

}  // namespace orv
