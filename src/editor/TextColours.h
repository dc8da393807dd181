#pragma once
// The seventeen text colours of the colour menu: command number and colour (their names are the
// menu's). Sixteen are entries of the system's default palette; the last, "Automatická", is the
// automatic-colour effect: the text takes the paper's text colour and the file holds no colour.

#include <cstdint>
#include <span>

namespace orv {

struct STextColour {
  int id;
  uint32_t colour;  // 0x00BBGGRR; unused for the automatic colour
  bool automatic = false;
};

inline constexpr int kFirstColourId = 32902;
inline constexpr int kAutomaticColourId = 32918;

std::span<const STextColour> TextColours();
const STextColour* FindTextColour(int id);

}  // namespace orv
