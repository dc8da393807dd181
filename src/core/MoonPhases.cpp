#include "core/MoonPhases.h"

#include <array>
#include <cstdlib>

#include "core/CalendarDates.h"

namespace orv {

const std::string& MoonPhaseGlyph(MoonPhase phase) {
  static const std::array<std::string, 4> kGlyphs = {"U", "D", "N", "C"};
  return kGlyphs[static_cast<size_t>(phase)];
}

void BuildMoonMap(CMoonMap& moons) {
  moons.clear();
  const auto keyYear = [](const char* key) { return std::atoi(key + 6); };
  const std::span<const char* const> table = MoonPhaseKeys(MoonPhase::New);
  const int tableFirst = keyYear(table.front()), tableLast = keyYear(table.back());
  for (MoonPhase phase : {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full, MoonPhase::LastQuarter}) {
    for (const char* key : MoonPhaseKeys(phase))
      if (IsYearInRange(keyYear(key))) moons.insert_or_assign(key, MoonPhaseGlyph(phase));
    for (int date : MoonPhaseDates(phase)) {
      const int year = date / 10000;
      if (IsYearInRange(year) && (year < tableFirst || year > tableLast))
        moons.insert_or_assign(MoonKey(date / 100 % 100, date % 100, year), MoonPhaseGlyph(phase));
    }
  }
}

std::string MoonGlyph(const CMoonMap& moons, int year, int month, int day) {
  if (!IsYearInRange(year)) return " ";
  auto it = moons.find(MoonKey(month, day, year));
  return it == moons.end() ? " " : it->second;
}

}  // namespace orv
