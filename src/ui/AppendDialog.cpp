#include "ui/AppendDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/merge/AppendDialogModel.h"

namespace orv {
namespace {

QDate ToQDate(const Date& date) {
  return QDate(date.year, date.month, date.day);
}

Date FromQDate(const QDate& date) {
  return {date.year(), date.month(), date.day()};
}

QDateEdit* Picker(const Date& preset, const char* name, QWidget* parent) {
  auto* picker = new QDateEdit(ToQDate(preset), parent);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setDateRange(ToQDate(CAppendDialogModel::FirstDay()), ToQDate(CAppendDialogModel::LastDay()));
  picker->setDisplayFormat(QStringLiteral("d. M. yyyy"));
  picker->setCalendarPopup(true);
  return picker;
}

}  // namespace

std::optional<SAppendOptions> AskAppendOptions(QWidget* parent, IUiServices& ui) {
  CAppendDialogModel model;
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("AppendDialog"));
  dialog.setWindowTitle(QStringLiteral("Připojit"));
  auto* whole = new QRadioButton(QStringLiteral("Celý kalendář"), &dialog);
  whole->setObjectName(QStringLiteral("WholeCalendar"));
  auto* range = new QRadioButton(QStringLiteral("Rozsah"), &dialog);
  range->setObjectName(QStringLiteral("Range"));
  whole->setChecked(model.m_bWholeCalendar);
  QDateEdit* from = Picker(model.m_From, "From", &dialog);
  QDateEdit* to = Picker(model.m_To, "To", &dialog);
  auto* overwrite = new QCheckBox(QStringLiteral("Styly v cílovém souboru přepsat"), &dialog);
  overwrite->setObjectName(QStringLiteral("OverwriteStyles"));
  const auto showPickers = [&] {
    model.m_bWholeCalendar = whole->isChecked();
    from->setEnabled(model.PickersEnabled());
    to->setEnabled(model.PickersEnabled());
  };
  QObject::connect(whole, &QRadioButton::toggled, &dialog, showPickers);
  showPickers();

  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  std::optional<SAppendOptions> options;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    model.m_From = FromQDate(from->date());
    model.m_To = FromQDate(to->date());
    model.m_bOverwriteStyles = overwrite->isChecked();
    options = model.Accept(ui);
    if (options) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* dates = new QFormLayout;
  dates->addRow(QStringLiteral("Od:"), from);
  dates->addRow(QStringLiteral("Do:"), to);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(whole);
  layout->addWidget(range);
  layout->addLayout(dates);
  layout->addWidget(overwrite);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return options;
}

}  // namespace orv
