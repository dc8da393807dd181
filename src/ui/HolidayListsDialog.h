#pragma once
// "Seznamy svátků": the category combo, an edit field that finds a typed name day, the list of the
// category (two columns, name and date or date and name) under a title in the category's colour,
// and OK. A double click on a line is OK on that line.

#include <optional>
#include <string>

class QWidget;

namespace orv {

class CNamesDatabase;

// The AnniversaryKey of the entry chosen on OK; nothing when no entry was chosen or on Esc.
std::optional<std::string> AskHolidayList(QWidget* parent, const CNamesDatabase& names);

}  // namespace orv
