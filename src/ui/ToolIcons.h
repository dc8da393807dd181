#pragma once
// The toolbar icons and the program's icon, drawn in code so that the program needs no image files
// and looks the same on every desktop.

#include <QIcon>
#include <string_view>

namespace orv {

// The icon of a command by its name in the command table; a blank icon for an unknown name.
QIcon ToolIcon(std::string_view name);
// The program's icon: a calendar sheet with the moon.
QIcon AppIcon();

}  // namespace orv
