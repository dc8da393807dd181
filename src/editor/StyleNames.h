#pragma once
// The style names a calendar offers in its menus and lists: the user styles (not predefined) in
// Czech order for the "Písmo" and "Odstavec" menus, and every name for the toolbar's lists.

#include <string>
#include <vector>

namespace orv {

class CTedDoc;

std::vector<std::string> UserCharStyleNames(const CTedDoc& doc);
std::vector<std::string> UserParStyleNames(const CTedDoc& doc);
std::vector<std::string> AllCharStyleNames(const CTedDoc& doc);
std::vector<std::string> AllParStyleNames(const CTedDoc& doc);

}  // namespace orv
