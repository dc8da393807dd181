#pragma once
// A date the user types: the Czech forms "15.3.2005", "15. 3. 2005", "15.03.2005" and ISO
// "2005-03-15", with spaces around the parts allowed. Either a day of the year range or the
// Czech message that says what is wrong.
//
//   const STypedDate typed = ParseTypedDate(u"15. 3. 2005");   typed.date == Date{2005, 3, 15}

#include <QString>
#include <optional>

#include "core/CalendarDates.h"

namespace orv {

struct STypedDate {
  std::optional<Date> date;
  QString error;  // set when there is no date
};

STypedDate ParseTypedDate(const QString& text);

// The Czech form the dialogs show: "15. 3. 2005".
QString CzechDateText(const Date& date);

}  // namespace orv
