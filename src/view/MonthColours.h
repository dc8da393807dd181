#pragma once
// The look of the month table as data: the order in which the category texts follow each other in a
// row, the colour and weight of each category, and the colours of Sundays, notes and moon glyphs.
// Colours are 0x00BBGGRR, as the rich edit control takes them.

#include <array>
#include <cstdint>

#include "names/NamesDatabase.h"

namespace orv {

inline constexpr uint32_t kColourRed = 0x0000FF;
inline constexpr uint32_t kColourGreen = 0x008000;
inline constexpr uint32_t kColourBlue = 0xFF0000;
inline constexpr uint32_t kColourNavy = 0x800000;
inline constexpr uint32_t kColourOlive = 0x008080;
inline constexpr uint32_t kColourMaroon = 0x000080;
inline constexpr uint32_t kColourSilver = 0xC0C0C0;

// State holidays first, then other holidays, name days, private holidays and significant days.
inline constexpr std::array<int, 5> kRowCategoryOrder = {kStateHolidays, kOtherHolidays, kNameDays,
                                                         kPrivateHolidays, kSignificantDays};

struct CCategoryLook {
  uint32_t colour;
  bool bold;
  bool redDay;  // a day with an entry of this category shows its number and weekday like a Sunday
};

// Indexed by category.
inline constexpr std::array<CCategoryLook, 5> kCategoryLooks = {{
    {kColourGreen, false, false},  // name days
    {kColourRed, true, true},      // state holidays
    {kColourRed, false, true},     // other holidays
    {kColourBlue, false, false},   // private holidays and birthdays
    {kColourNavy, true, false},    // significant days
}};

inline constexpr uint32_t kSundayColour = kColourRed;
inline constexpr uint32_t kNoteColour = kColourMaroon;
inline constexpr uint32_t kMoonColour = kColourOlive;
inline constexpr const char* kMoonFace = "Moon";
// Background of the commentary panes while the calendar is only viewed.
inline constexpr uint32_t kReadOnlyBackground = kColourSilver;

}  // namespace orv
