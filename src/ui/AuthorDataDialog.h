#pragma once
// "Změna autorských údajů": the five author fields, read-only while the author password locks them,
// "Změnit" (asks for the author password in "Heslo" and unlocks the fields), "Nové heslo" (the new
// author password twice, while the fields are unlocked), OK and "Storno".

class QWidget;

namespace orv {

class CAuthorDataModel;
class IUiServices;

// True on OK: the model then holds what to write into the calendar.
bool RunAuthorData(QWidget* parent, CAuthorDataModel& model, IUiServices& ui);

}  // namespace orv
