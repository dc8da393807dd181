#include "editor/TextColours.h"

namespace orv {
namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

// Palette entries 0-7 and 12-19 of the default 20-entry palette, in the menu's order.
constexpr STextColour kColours[] = {
    {32902, Rgb(0, 0, 0)},        // black
    {32903, Rgb(128, 0, 0)},      // dark red
    {32904, Rgb(0, 128, 0)},      // dark green
    {32905, Rgb(128, 128, 0)},    // olive
    {32906, Rgb(0, 0, 128)},      // navy
    {32907, Rgb(128, 0, 128)},    // purple
    {32908, Rgb(0, 128, 128)},    // teal
    {32909, Rgb(128, 128, 128)},  // grey
    {32910, Rgb(192, 192, 192)},  // silver
    {32911, Rgb(255, 0, 0)},      // red
    {32912, Rgb(0, 255, 0)},      // lime
    {32913, Rgb(255, 255, 0)},    // yellow
    {32914, Rgb(0, 0, 255)},      // blue
    {32915, Rgb(255, 0, 255)},    // fuchsia
    {32916, Rgb(0, 255, 255)},    // aqua
    {32917, Rgb(255, 255, 255)},  // white
    {kAutomaticColourId, 0, true},
};

}  // namespace

std::span<const STextColour> TextColours() {
  return kColours;
}

const STextColour* FindTextColour(int id) {
  for (const STextColour& c : kColours)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace orv
