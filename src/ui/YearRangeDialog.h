#pragma once
// "Rozsah let": two spin boxes "Od roku:" and "Do roku:" (1900-2100), preset to the range in force.
// OK with "Od roku:" after "Do roku:" tells the user so and keeps the dialog open.

#include <optional>

#include "core/YearRange.h"

class QWidget;

namespace orv {

class IUiServices;

// The chosen range, or nullopt when the dialog was cancelled.
std::optional<SYearRange> AskYearRange(QWidget* parent, IUiServices& ui);

}  // namespace orv
