#include "ui/GoToDateDialog.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace orv {

std::optional<Date> AskGoToDate(QWidget* parent, const Date& preset) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Jdi na datum"));
  auto* picker = new QDateEdit(QDate(preset.year, preset.month, preset.day), &dialog);
  picker->setObjectName(QStringLiteral("GoToDate"));
  picker->setDateRange(QDate(MinYear, 1, 1), QDate(MaxYear, 12, 31));
  picker->setDisplayFormat(QStringLiteral("d. M. yyyy"));
  picker->setCalendarPopup(true);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("Ano"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QFormLayout(&dialog);
  layout->addRow(QStringLiteral("Nastavte datum:"), picker);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QDate chosen = picker->date();
  return Date{chosen.year(), chosen.month(), chosen.day()};
}

}  // namespace orv
