#pragma once
// "Zaheslovat": "Zadejte heslo :" with an empty field that has the focus, the notice that the file
// must be saved and the password kept safe, OK and "Storno".

#include <optional>
#include <string>

class QWidget;

namespace orv {

// The password as typed (Windows-1250; empty removes it) on OK, nothing on "Storno".
std::optional<std::string> AskNewOpenPassword(QWidget* parent);

}  // namespace orv
