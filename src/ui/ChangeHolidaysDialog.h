#pragma once
// "Změnit svátky": the month's day list (Left/Right change the month), the category combo, the new
// entry field, the entries of the chosen day and the buttons "Přidat", "Odstranit", "Přejmenovat",
// OK and "Storno". Every change goes into the model's private copy of the names database.

class QWidget;

namespace orv {

class CChangeHolidaysModel;

// True on OK: the model then holds what to write back into the calendar.
bool RunChangeHolidays(QWidget* parent, CChangeHolidaysModel& model);

}  // namespace orv
