#include "ui/FileInfoDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "document/EncryptedCalendar.h"
#include "document/FileProtection.h"
#include "ui/QtText.h"

namespace orv {

void ShowFileInfo(QWidget* parent, const CTedDoc& doc) {
  const std::array<std::string, 5> texts = FileInfoTexts(doc);
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("O souboru"));
  auto* title = new QPlainTextEdit(FromCp1250(texts[kAuthorTitle]), &dialog);
  title->setObjectName(QStringLiteral("Field0"));
  title->setAccessibleName(QStringLiteral("Název"));
  title->setReadOnly(true);
  title->setMaximumHeight(title->fontMetrics().lineSpacing() * 4);
  auto* form = new QFormLayout;
  const std::pair<EAuthorField, const char*> rows[] = {{kAuthorVersion, "Verze:"},
                                                       {kAuthorName, "Autor:"},
                                                       {kAuthorCompany, "Firma:"},
                                                       {kAuthorDate, "Datum:"}};
  for (const auto& [field, label] : rows) {
    auto* line = new QLineEdit(FromCp1250(texts[field]), &dialog);
    line->setObjectName(QStringLiteral("Field%1").arg(field));
    line->setReadOnly(true);
    form->addRow(QString::fromUtf8(label), line);
  }
  // What guards the file, by its right name: the old password only keeps out a curious eye.
  if (const std::string protection = ProtectionText(doc); !protection.empty()) {
    auto* line = new QLineEdit(QString::fromStdString(protection), &dialog);
    line->setObjectName(QStringLiteral("Protection"));
    line->setReadOnly(true);
    form->addRow(QStringLiteral("Ochrana:"), line);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(title);
  layout->addLayout(form);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace orv
