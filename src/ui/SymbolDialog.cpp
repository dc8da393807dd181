#include "ui/SymbolDialog.h"

#include <unicode/uchar.h>

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRawFont>
#include <QVBoxLayout>

#include "core/Cp1250.h"
#include "editor/SymbolInsert.h"
#include "ui/QtText.h"

namespace orv {
namespace {

// The grid offers only what the face itself draws: a character it lacks would come from another
// face, or as an empty box.
void HideMissingCharacters(QListWidget* grid, const QFont& font) {
  const QRawFont face = QRawFont::fromFont(font);
  for (int row = 0; row < grid->count(); ++row) {
    QListWidgetItem* item = grid->item(row);
    item->setHidden(!face.supportsCharacter(item->text().at(0)));
  }
}

}  // namespace

QString CharacterDescription(char32_t character) {
  char name[256];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length =
      u_charName(static_cast<UChar32>(character), U_UNICODE_CHAR_NAME, name, sizeof name, &status);
  const QString code =
      QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
  if (U_FAILURE(status) || length <= 0) return code;
  return QString::fromLatin1(name, length) + QStringLiteral(", ") + code;
}

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
  grid->setAccessibleName(QStringLiteral("Znaky"));
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
    HideMissingCharacters(grid, font);
    font.setPointSize(28);
    preview->setFont(font);
  };
  showFace();
  QObject::connect(face, &QComboBox::currentIndexChanged, &dialog, showFace);
  QObject::connect(grid, &QListWidget::currentItemChanged, &dialog, [&](QListWidgetItem* item) {
    if (!item) return;
    key->setText(CharacterDescription(item->text().at(0).unicode()));
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
  auto* keyLabel = new QLabel(QStringLiteral("Znak:"), &dialog);
  keyLabel->setBuddy(key);
  row->addWidget(keyLabel);
  row->addWidget(key);
  row->addWidget(preview);
  row->addWidget(insertButton);
  row->addWidget(close);
  layout->addLayout(row);
  dialog.resize(560, 420);
  dialog.exec();
}

}  // namespace orv
