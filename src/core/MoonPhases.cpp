#include "core/MoonPhases.h"

#include <algorithm>
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
  const SYearRange range = YearRange();
  for (MoonPhase phase : {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full, MoonPhase::LastQuarter}) {
    for (const char* key : MoonPhaseKeys(phase))
      if (IsYearInRange(keyYear(key))) moons.insert_or_assign(key, MoonPhaseGlyph(phase));
    // Only the years of the range outside the calendar's own table: none for the default range.
    const std::span<const int> dates = MoonPhaseDates(phase);
    const auto first = std::lower_bound(dates.begin(), dates.end(), range.first * 10000);
    const auto last = std::upper_bound(first, dates.end(), range.last * 10000 + 9999);
    for (auto it = first; it != last; ++it) {
      const int year = *it / 10000;
      if (year < tableFirst || year > tableLast)
        moons.insert_or_assign(MoonKey(*it / 100 % 100, *it % 100, year), MoonPhaseGlyph(phase));
    }
  }
}

std::string MoonGlyph(const CMoonMap& moons, int year, int month, int day) {
  if (!IsYearInRange(year)) return " ";
  auto it = moons.find(MoonKey(month, day, year));
  return it == moons.end() ? " " : it->second;
}

}  // namespace orv
