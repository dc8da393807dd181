#include "document/RecordYears.h"

#include <algorithm>

#include "core/CalendarDates.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

int Digits(std::string_view text) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The years of the first and the last key of the map that is a date: keys are sorted, so only the
// keys that are not dates at either end are passed over.
std::optional<SYearRange> KeyYears(const CRecordMap& map, bool month) {
  std::size_t first = 0;
  while (first < map.size() && !IsRecordDateKey(map.KeyAt(first), month)) ++first;
  if (first == map.size()) return std::nullopt;
  std::size_t last = map.size() - 1;
  while (!IsRecordDateKey(map.KeyAt(last), month)) --last;
  return SYearRange{Digits(map.KeyAt(first).substr(0, 4)), Digits(map.KeyAt(last).substr(0, 4))};
}

}  // namespace

bool IsRecordDateKey(std::string_view key, bool month) {
  if (key.size() != (month ? 7u : 10u) || key[4] != '/' || (!month && key[7] != '/')) return false;
  const int year = Digits(key.substr(0, 4));
  const int monthNumber = Digits(key.substr(5, 2));
  if (year < 0 || monthNumber < 1 || monthNumber > 12) return false;
  if (month) return true;
  const int day = Digits(key.substr(8, 2));
  return day >= 1 && day <= DaysInMonth(year, monthNumber);
}

std::optional<SYearRange> RecordYears(const CTedDoc& doc) {
  std::optional<SYearRange> years;
  for (const auto& [map, month] : {std::pair{&doc.m_DataTxt, false}, std::pair{&doc.m_DataMesice, true}}) {
    if (const std::optional<SYearRange> found = KeyYears(*map, month))
      years = years ? CoveringYearRange(*years, *found) : *found;
  }
  if (!years) return std::nullopt;
  const auto reachable = [](int year) { return std::clamp(year, kEarliestYear, kLatestYear); };
  return SYearRange{reachable(years->first), reachable(years->last)};
}

std::string WidenYearRangeToRecords(const CTedDoc& doc) {
  const std::optional<SYearRange> years = RecordYears(doc);
  if (!years) return {};
  const SYearRange range = YearRange();
  const SYearRange widened = CoveringYearRange(range, *years);
  if (widened == range || !SetYearRange(widened)) return {};
  return "Kalendář obsahuje záznamy z let " + YearRangeText(*years) + "; rozsah let je rozšířen.";
}

}  // namespace orv
