#include "ui/GoToDateDialog.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ReadableColour.h"
#include "view/TypedDate.h"

namespace orv {

std::optional<Date> AskGoToDate(QWidget* parent, const Date& preset) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Jdi na datum"));
  auto* prompt = new QLabel(QStringLiteral("&Nastavte datum (15.3.2005 nebo 2005-03-15):"), &dialog);
  auto* field = new QLineEdit(CzechDateText(preset), &dialog);
  field->setObjectName(QStringLiteral("GoToDate"));
  field->selectAll();
  prompt->setBuddy(field);
  auto* calendar = new QCalendarWidget(&dialog);
  calendar->setObjectName(QStringLiteral("GoToCalendar"));
  calendar->setDateRange(QDate(MinYear(), 1, 1), QDate(MaxYear(), 12, 31));
  calendar->setSelectedDate(QDate(preset.year, preset.month, preset.day));
  calendar->setGridVisible(true);
  calendar->setFocusPolicy(Qt::ClickFocus);
  // Czech whatever the system's locale; the table numbers its weeks in its own way, so the picker
  // shows no week numbers that would contradict it.
  calendar->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  calendar->setFirstDayOfWeek(Qt::Monday);
  calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  auto* error = new QLabel(&dialog);
  error->setObjectName(QStringLiteral("GoToDateError"));
  SetTextColour(error, QColor(0xb0, 0, 0));
  error->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("&Ano"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("&Storno"), QDialogButtonBox::RejectRole);

  std::optional<Date> chosen;
  QObject::connect(calendar, &QCalendarWidget::clicked, &dialog, [field](const QDate& date) {
    field->setText(CzechDateText(Date{date.year(), date.month(), date.day()}));
  });
  QObject::connect(field, &QLineEdit::textEdited, error, &QLabel::clear);
  // The calendar follows a date as soon as it can be read from the field.
  QObject::connect(field, &QLineEdit::textEdited, calendar, [calendar](const QString& text) {
    if (const std::optional<Date> typed = ParseTypedDate(text).date)
      calendar->setSelectedDate(QDate(typed->year, typed->month, typed->day));
  });
  const auto accept = [&] {
    const STypedDate typed = ParseTypedDate(field->text());
    if (!typed.date) {
      error->setText(typed.error);
      field->setFocus();
      return;
    }
    chosen = typed.date;
    dialog.accept();
  };
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, accept);
  // A double click (or Enter) on a day of the calendar takes it at once.
  QObject::connect(calendar, &QCalendarWidget::activated, &dialog, [&](const QDate& date) {
    field->setText(CzechDateText(Date{date.year(), date.month(), date.day()}));
    accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(prompt);
  layout->addWidget(field);
  layout->addWidget(calendar);
  layout->addWidget(error);
  layout->addWidget(buttons);
  // Room for the whole title beside the title bar's buttons.
  const QFontMetrics metrics(dialog.font());
  dialog.setMinimumWidth(std::max(metrics.horizontalAdvance(prompt->text()) + 40,
                                  metrics.horizontalAdvance(dialog.windowTitle()) + 160));
  field->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return chosen;
}

}  // namespace orv
