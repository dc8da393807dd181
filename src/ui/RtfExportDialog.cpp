#include "ui/RtfExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "export/RtfExportDialogModel.h"
#include "ui/QtText.h"

namespace orv {
namespace {

QDate ToQDate(const Date& date) {
  return QDate(date.year, date.month, date.day);
}

Date FromQDate(const QDate& date) {
  return Date{date.year(), date.month(), date.day()};
}

QDateEdit* Picker(const Date& date, const char* name, QWidget* parent) {
  auto* picker = new QDateEdit(ToQDate(date), parent);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setDateRange(ToQDate(CRtfExportDialogModel::FirstDate()),
                       ToQDate(CRtfExportDialogModel::LastDate()));
  picker->setDisplayFormat(QStringLiteral("d. M. yyyy"));
  picker->setCalendarPopup(true);
  return picker;
}

// The first entry, empty, is "no style": the fixed heading format.
QComboBox* StyleList(const CRtfExportDialogModel& model, const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->addItem(QString());
  for (const std::string& style : model.StyleNames()) list->addItem(FromCp1250(style));
  return list;
}

QCheckBox* Check(const char* text, bool on, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(text), parent);
  box->setChecked(on);
  return box;
}

}  // namespace

std::optional<SRtfExportChoice> AskExportChoice(QWidget* parent, const CTedDoc& doc, IUiServices& ui,
                                                const SExportDialogTexts& texts) {
  CRtfExportDialogModel model(doc);
  model.SetLimited(texts.limited);
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(texts.title.data(), static_cast<qsizetype>(texts.title.size())));

  auto* range = new QGroupBox(QStringLiteral("Rozsah :"), &dialog);
  auto* whole = new QRadioButton(QStringLiteral("Celý kalendář"), range);
  auto* fromTo = new QRadioButton(QStringLiteral("Od - do"), range);
  whole->setChecked(true);
  auto* from = Picker(model.From(), "ExportFrom", range);
  auto* to = Picker(model.To(), "ExportTo", range);
  auto* rangeLayout = new QFormLayout(range);
  rangeLayout->addRow(whole);
  rangeLayout->addRow(fromTo);
  rangeLayout->addRow(QStringLiteral("Od:"), from);
  rangeLayout->addRow(QStringLiteral("Do:"), to);
  QObject::connect(from, &QDateEdit::dateChanged, fromTo, [fromTo] { fromTo->setChecked(true); });
  QObject::connect(to, &QDateEdit::dateChanged, fromTo, [fromTo] { fromTo->setChecked(true); });

  auto* content = new QGroupBox(
      QString::fromUtf8(texts.contentGroup.data(), static_cast<qsizetype>(texts.contentGroup.size())),
      &dialog);
  auto* notes = Check("Poznámky", model.Notes(), content);
  auto* days = Check("Výklady dní", model.DayCommentaries(), content);
  auto* months = Check("Výklady měsíců", model.MonthCommentaries(), content);
  auto* contentLayout = new QVBoxLayout(content);
  for (QCheckBox* box : {notes, days, months}) contentLayout->addWidget(box);

  auto* headings = new QGroupBox(QStringLiteral("Formátování datumů :"), &dialog);
  auto* monthStyle = StyleList(model, "MonthHeadingStyle", headings);
  auto* dayStyle = StyleList(model, "DayHeadingStyle", headings);
  auto* headingsLayout = new QFormLayout(headings);
  headingsLayout->addRow(QStringLiteral("Styly pro nadpis měsíce"), monthStyle);
  headingsLayout->addRow(QStringLiteral("Styl pro nadpis dne"), dayStyle);

  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(&dialog);
  for (QWidget* part : {static_cast<QWidget*>(range), static_cast<QWidget*>(content),
                        static_cast<QWidget*>(headings), static_cast<QWidget*>(buttons)})
    layout->addWidget(part);

  std::optional<SRtfExportChoice> choice;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    model.SetFrom(FromQDate(from->date()));
    model.SetTo(FromQDate(to->date()));
    model.SetWholeCalendar(whole->isChecked());
    model.SetNotes(notes->isChecked());
    model.SetDayCommentaries(days->isChecked());
    model.SetMonthCommentaries(months->isChecked());
    model.SetMonthStyle(ToCp1250(monthStyle->currentText()));
    model.SetDayStyle(ToCp1250(dayStyle->currentText()));
    choice = model.Accept(ui);
    if (choice) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return choice;
}

}  // namespace orv
