#include "ui/DeletePeriodDialog.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "view/DayDeletion.h"

namespace orv {
namespace {

QDateEdit* Picker(QDialog& dialog, const QDate& preset, const QString& name) {
  auto* picker = new QDateEdit(preset, &dialog);
  picker->setObjectName(name);
  picker->setDateRange(QDate(MinYear(), 1, 1), QDate(MaxYear(), 12, 31));
  picker->setDisplayFormat(QStringLiteral("d. M. yyyy"));
  picker->setCalendarPopup(true);
  return picker;
}

Date ToDate(const QDate& date) {
  return {date.year(), date.month(), date.day()};
}

}  // namespace

std::optional<SPeriod> AskDeletePeriod(QWidget* parent, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Smazat poznámky dní v období"));
  QDateEdit* from = Picker(dialog, QDate(MinYear(), 1, 1), QStringLiteral("From"));
  QDateEdit* to = Picker(dialog, QDate(MaxYear(), 12, 31), QStringLiteral("To"));
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (CheckPeriod(ToDate(from->date()), ToDate(to->date()), ui)) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QFormLayout(&dialog);
  layout->addRow(new QLabel(QStringLiteral("Smazat poznámky a výklady dní v období :"), &dialog));
  layout->addRow(QStringLiteral("Od:"), from);
  layout->addRow(QStringLiteral("Do:"), to);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return SPeriod{ToDate(from->date()), ToDate(to->date())};
}

}  // namespace orv
