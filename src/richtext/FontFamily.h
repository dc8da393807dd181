#pragma once
// A font's family name without the foundry the font system adds to tell same-named families of
// different makers apart ("Nimbus Sans [URW ]" is "Nimbus Sans"). Lists of faces and the font table
// of written RTF hold the family alone: other programs know the face by that name only.

#include <string>
#include <string_view>

namespace orv {

std::string FontFamily(std::string_view face);
std::u16string FontFamily(std::u16string_view face);

}  // namespace orv
