#pragma once
// "Symboly": the characters 33 to 255 of a chosen face in a grid; a click shows the character and
// how it is typed ("Alt + 0233"), "Vložit" inserts it, "Zavřít" closes the dialog.

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace orv {

// `faces` (Windows-1250) in the list's order; `insert` gets the code and the face.
void RunSymbolDialog(QWidget* parent, const std::vector<std::string>& faces, const std::string& preselected,
                     const std::function<void(int code, const std::string& face)>& insert);

}  // namespace orv
