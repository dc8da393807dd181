#include "view/TypedDate.h"

#include <QRegularExpression>

namespace orv {

STypedDate ParseTypedDate(const QString& text) {
  static const QRegularExpression czech(
      QStringLiteral("^\\s*(\\d{1,2})\\s*\\.\\s*(\\d{1,2})\\s*\\.\\s*(\\d{4})\\s*$"));
  static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
  int year = 0, month = 0, day = 0;
  if (const QRegularExpressionMatch m = czech.match(text); m.hasMatch()) {
    day = m.captured(1).toInt();
    month = m.captured(2).toInt();
    year = m.captured(3).toInt();
  } else if (const QRegularExpressionMatch m = iso.match(text); m.hasMatch()) {
    year = m.captured(1).toInt();
    month = m.captured(2).toInt();
    day = m.captured(3).toInt();
  } else {
    return {std::nullopt, QStringLiteral("Zadejte datum ve tvaru 15.3.2005 nebo 2005-03-15.")};
  }
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return {std::nullopt, QStringLiteral("Takové datum neexistuje.")};
  if (year < MinYear() || year > MaxYear())
    return {std::nullopt, QStringLiteral("Kalendář zná jen roky %1 až %2.").arg(MinYear()).arg(MaxYear())};
  return {Date{year, month, day}, {}};
}

QString CzechDateText(const Date& date) {
  return QStringLiteral("%1. %2. %3").arg(date.day).arg(date.month).arg(date.year);
}

}  // namespace orv
