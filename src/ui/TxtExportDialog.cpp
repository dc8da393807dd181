#include "ui/TxtExportDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/QtText.h"

namespace orv {
namespace {

QDateEdit* Picker(QDialog* dialog, const Date& date, const char* name) {
  auto* picker = new QDateEdit(QDate(date.year, date.month, date.day), dialog);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setDateRange(QDate(MinYear(), 1, 1), QDate(MaxYear(), 12, 31));
  picker->setDisplayFormat(QStringLiteral("d. M. yyyy"));
  picker->setCalendarPopup(true);
  return picker;
}

Date FromQDate(const QDate& date) {
  return {date.year(), date.month(), date.day()};
}

}  // namespace

std::optional<TxtExportChoice> AskTxtExportChoice(QWidget* parent, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Export poznámek"));
  const TxtExportChoice defaults;
  auto* whole = new QRadioButton(QStringLiteral("Celý kalendář"), &dialog);
  auto* range = new QRadioButton(QStringLiteral("Rozsah"), &dialog);
  whole->setChecked(true);
  QDateEdit* from = Picker(&dialog, defaults.range.from, "ExportFrom");
  QDateEdit* to = Picker(&dialog, defaults.range.to, "ExportTo");
  auto* blank = new QCheckBox(QStringLiteral("Prokládat prázdným řádkem"), &dialog);
  auto* separator = new QLineEdit(FromCp1250(defaults.separator), &dialog);
  separator->setObjectName(QStringLiteral("ExportSeparator"));
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);

  auto* layout = new QFormLayout(&dialog);
  layout->addRow(whole);
  layout->addRow(range);
  layout->addRow(QStringLiteral("Od:"), from);
  layout->addRow(QStringLiteral("Do:"), to);
  layout->addRow(blank);
  layout->addRow(QStringLiteral("Oddělovací znak:"), separator);
  layout->addRow(buttons);

  for (QDateEdit* picker : {from, to})
    QObject::connect(picker, &QDateEdit::dateChanged, range, [range] { range->setChecked(true); });
  TxtExportChoice choice;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    choice.wholeCalendar = whole->isChecked();
    choice.range = {FromQDate(from->date()), FromQDate(to->date())};
    choice.blankLines = blank->isChecked();
    choice.separator = ToCp1250(separator->text());
    if (ChosenPeriod(choice, ui)) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return choice;
}

}  // namespace orv
