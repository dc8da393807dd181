#pragma once
// "Symboly": the characters 33 to 255 of a chosen face that the face draws, in a grid; a click shows
// the character with its name and code, "Vložit" inserts it, "Zavřít" closes the dialog.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace orv {

// `faces` (Windows-1250) in the list's order; `insert` gets the code and the face.
// "LATIN SMALL LETTER E WITH ACUTE, U+00E9": the character's name and code, whatever the keyboard.
QString CharacterDescription(char32_t character);

void RunSymbolDialog(QWidget* parent, const std::vector<std::string>& faces, const std::string& preselected,
                     const std::function<void(int code, const std::string& face)>& insert);

}  // namespace orv
