#include "core/MoonPhases.h"

#include <array>

#include "core/CalendarDates.h"

namespace orv {

const std::string& MoonPhaseGlyph(MoonPhase phase) {
  static const std::array<std::string, 4> kGlyphs = {"U", "D", "N", "C"};
  return kGlyphs[static_cast<size_t>(phase)];
}

void BuildMoonMap(CMoonMap& moons) {
  for (MoonPhase phase : {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full, MoonPhase::LastQuarter})
    for (const char* key : MoonPhaseKeys(phase)) moons.insert_or_assign(key, MoonPhaseGlyph(phase));
}

std::string MoonGlyph(const CMoonMap& moons, int year, int month, int day) {
  if (!IsYearInRange(year)) return " ";
  auto it = moons.find(MoonKey(month, day, year));
  return it == moons.end() ? " " : it->second;
}

}  // namespace orv
