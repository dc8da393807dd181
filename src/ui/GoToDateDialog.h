#pragma once
// "Jdi na datum": a date of 2000-2020 chosen with a date picker, preset to the selected day.

#include <optional>

#include "core/CalendarDates.h"

class QWidget;

namespace orv {

// The chosen date on "Ano", nothing on "Storno".
std::optional<Date> AskGoToDate(QWidget* parent, const Date& preset);

}  // namespace orv
