#pragma once
// "Zaheslovat": "Zadejte heslo :" with an empty field that has the focus, "Zadejte heslo znovu :",
// the notice that the file must be saved and the password kept safe, OK and "Storno". OK refuses two
// different entries and characters Windows-1250 lacks, with a message, and keeps the dialog open.

#include <optional>
#include <string>

class QWidget;

namespace orv {

class IUiServices;

// The password as typed (Windows-1250; empty removes it) on OK, nothing on "Storno".
std::optional<std::string> AskNewOpenPassword(QWidget* parent, IUiServices& ui);

}  // namespace orv
