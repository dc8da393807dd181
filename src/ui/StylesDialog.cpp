#include "ui/StylesDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace orv {

bool RunStylesDialog(QWidget* parent, const QString& title, const QString& label,
                     const SStylesDialogActions& actions) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("StylesDialog"));
  dialog.setWindowTitle(title);
  auto* name = new QLineEdit(&dialog);
  name->setObjectName(QStringLiteral("Name"));
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("Styles"));
  list->setAccessibleName(QStringLiteral("Styly"));
  const auto refresh = [&](const QString& select) {
    list->clear();
    for (const std::string& style : actions.names()) list->addItem(FromCp1250(style));
    const QList<QListWidgetItem*> found = list->findItems(select, Qt::MatchExactly);
    if (!found.isEmpty()) list->setCurrentItem(found.front());
  };
  refresh({});
  const auto chosen = [&] {
    return list->currentItem() ? ToCp1250(list->currentItem()->text()) : std::string();
  };
  auto* add = new QPushButton(QStringLiteral("Nový"), &dialog);
  auto* edit = new QPushButton(QStringLiteral("Upravit"), &dialog);
  auto* remove = new QPushButton(QStringLiteral("Smazat"), &dialog);
  QObject::connect(add, &QPushButton::clicked, &dialog, [&] {
    if (actions.add(ToCp1250(name->text()))) refresh(name->text());
  });
  QObject::connect(edit, &QPushButton::clicked, &dialog, [&] {
    const QString current = list->currentItem() ? list->currentItem()->text() : QString();
    if (actions.edit(chosen())) refresh(current);
  });
  QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
    if (actions.remove(chosen())) refresh({});
  });
  auto* layout = new QVBoxLayout(&dialog);
  auto* nameLabel = new QLabel(label, &dialog);
  nameLabel->setBuddy(name);
  layout->addWidget(nameLabel);
  layout->addWidget(name);
  auto* row = new QHBoxLayout;
  row->addWidget(list);
  auto* column = new QVBoxLayout;
  for (QPushButton* button : {add, edit, remove}) column->addWidget(button);
  column->addStretch();
  row->addLayout(column);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace orv
