#pragma once
// "Smazat poznámky dní v období": two date pickers "Od:" and "Do:" limited to the year range and preset
// to its ends. OK with "Do:" before "Od:" tells the user so and keeps the dialog open.

#include <optional>

#include "core/CalendarDates.h"

class QWidget;

namespace orv {

struct SPeriod {
  Date from;
  Date to;
};

// The chosen period on OK, nothing on "Storno".
std::optional<SPeriod> AskDeletePeriod(QWidget* parent, IUiServices& ui);

}  // namespace orv
