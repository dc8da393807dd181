#pragma once
// The style sets of a calendar: the names of the four predefined styles of each kind, in slot
// order, and lookups of a style by name. Names are Windows-1250 and compared exactly.

#include <array>
#include <string_view>

#include "document/StyleRecords.h"

namespace orv {

class CTedDoc;

inline constexpr int kPredefinedStyles = 4;
inline constexpr std::array<std::string_view, kPredefinedStyles> kPredefinedCharStyles = {
    "Standard1", "Standard2", "Nadpis1", "Nadpis2"};
// "Hlavička" in Windows-1250.
inline constexpr std::array<std::string_view, kPredefinedStyles> kPredefinedParStyles = {
    "Normal1", "Normal2", "Hlavi\xE8ka1", "Hlavi\xE8ka2"};

// The slot of a predefined style name, -1 for a user style.
int PredefinedCharSlot(std::string_view name);
int PredefinedParSlot(std::string_view name);

// A missing character style is a consistency failure, reported to the user; nullptr then.
const CCharFormat* GetStyle(const CTedDoc& doc, std::string_view name);
const CParFormat* GetStylePar(const CTedDoc& doc, std::string_view name);

}  // namespace orv
