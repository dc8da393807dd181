#include "ui/SymbolDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Cp1250.h"
#include "editor/SymbolInsert.h"
#include "ui/QtText.h"

namespace orv {

void RunSymbolDialog(QWidget* parent, const std::vector<std::string>& faces, const std::string& preselected,
                     const std::function<void(int, const std::string&)>& insert) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("SymbolDialog"));
  dialog.setWindowTitle(QStringLiteral("Symboly"));
  auto* face = new QComboBox(&dialog);
  face->setObjectName(QStringLiteral("Face"));
  for (const std::string& f : faces) face->addItem(FromCp1250(f));
  face->setCurrentIndex(std::max(0, face->findText(FromCp1250(preselected))));
  auto* grid = new QListWidget(&dialog);
  grid->setObjectName(QStringLiteral("Characters"));
  grid->setViewMode(QListView::IconMode);
  grid->setGridSize(QSize(28, 28));
  grid->setMovement(QListView::Static);
  grid->setResizeMode(QListView::Adjust);
  for (int code : SymbolCodes()) {
    auto* item = new QListWidgetItem(QString(QChar(Cp1250ToUnicode(static_cast<unsigned char>(code)))), grid);
    item->setData(Qt::UserRole, code);
    item->setTextAlignment(Qt::AlignCenter);
  }
  auto* key = new QLineEdit(&dialog);
  key->setObjectName(QStringLiteral("Code"));
  key->setReadOnly(true);
  auto* preview = new QLabel(&dialog);
  preview->setMinimumSize(48, 48);
  preview->setAlignment(Qt::AlignCenter);
  const auto showFace = [&] {
    QFont font(face->currentText(), 14);
    grid->setFont(font);
    font.setPointSize(28);
    preview->setFont(font);
  };
  showFace();
  QObject::connect(face, &QComboBox::currentIndexChanged, &dialog, showFace);
  QObject::connect(grid, &QListWidget::currentItemChanged, &dialog, [&](QListWidgetItem* item) {
    if (!item) return;
    key->setText(QString::fromUtf8(SymbolKeyText(item->data(Qt::UserRole).toInt())));
    preview->setText(item->text());
  });
  auto* insertButton = new QPushButton(QStringLiteral("Vložit"), &dialog);
  auto* close = new QPushButton(QStringLiteral("Zavřít"), &dialog);
  QObject::connect(insertButton, &QPushButton::clicked, &dialog, [&] {
    if (QListWidgetItem* item = grid->currentItem())
      insert(item->data(Qt::UserRole).toInt(), ToCp1250(face->currentText()));
  });
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Písmo:"), face);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(grid);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Kód:"), &dialog));
  row->addWidget(key);
  row->addWidget(preview);
  row->addWidget(insertButton);
  row->addWidget(close);
  layout->addLayout(row);
  dialog.resize(560, 420);
  dialog.exec();
}

}  // namespace orv
