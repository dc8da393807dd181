#include "document/RecordYears.h"

#include <algorithm>

#include "document/TedDoc.h"

namespace orv {

std::optional<SYearRange> RecordYears(const CTedDoc& doc) {
  std::optional<SYearRange> years;
  // The record maps offer only records whose keys are dates, in date order.
  for (const CRecordMap* map : {&doc.m_DataTxt, &doc.m_DataMesice}) {
    if (const auto found = map->Years()) {
      const SYearRange these{found->first, found->second};
      years = years ? CoveringYearRange(*years, these) : these;
    }
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
