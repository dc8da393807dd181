#pragma once
// "Jdi na datum": a date of the year range typed in a Czech or ISO form (view/TypedDate.h) or picked in
// the calendar below the field, preset to the selected day. A date that cannot be read keeps the
// dialog open with a message under the calendar.

#include <optional>

#include "core/CalendarDates.h"

class QWidget;

namespace orv {

// The chosen date on "Ano", nothing on "Storno".
std::optional<Date> AskGoToDate(QWidget* parent, const Date& preset);

}  // namespace orv
