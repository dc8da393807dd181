#pragma once
// The years the calendar accepts. Users choose them ("Rozsah let ..." in the program, --years in
// orv) within 1900-2100; without a choice they run from 2000 to ten years after the current year,
// computed at start-up (DefaultYearRange). The range is one value per process: set at start-up (and
// by the dialog), widened when an opened calendar holds records of other years, read wherever the
// calendar walks, checks or clamps years.
//
//   SetYearRange(setting.value_or(DefaultYearRange(Today().year)));   before the calendar opens
//   MinYear() -> 1990   MaxYear() -> 2040     read at the moment of use, never kept in a static
//   CYearRangeScope scope({2000, 2030});      one run of orv (--years), one test; the old range after
//
// Opening a calendar widens the range of the run to the years of its records (document/RecordYears.h),
// so a record is never out of reach; the range is never narrowed by it and the setting stays as it was.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct SYearRange {
  int first = 2000;
  int last = 2020;
  friend bool operator==(const SYearRange&, const SYearRange&) = default;
};

// The years a range may span: the Gregorian Easter and the moon tables cover exactly these.
inline constexpr int kEarliestYear = 1900;
inline constexpr int kLatestYear = 2100;

// The Czech reason a range cannot be used; empty when it can.
std::string YearRangeProblem(const SYearRange& range);
// "1990-2040" (spaces around the parts allowed); on a bad text `problem` says why in Czech.
std::optional<SYearRange> ParseYearRange(std::string_view text, std::string& problem);
// "1990–2040", as messages show a range.
std::string YearRangeText(const SYearRange& range);

// The range without a setting in `currentYear`: 2000 through ten years later (2000-2036 in 2026),
// kept within the years a range may span. Until a program sets it, the process range is 2000-2020.
SYearRange DefaultYearRange(int currentYear);
// The smallest range holding both.
SYearRange CoveringYearRange(const SYearRange& range, const SYearRange& other);

// The range of this process. SetYearRange ignores a range YearRangeProblem refuses.
SYearRange YearRange();
bool SetYearRange(const SYearRange& range);
inline int MinYear() {
  return YearRange().first;
}
inline int MaxYear() {
  return YearRange().last;
}

// Sets a range for its lifetime and puts the previous one back.
class CYearRangeScope {
 public:
  explicit CYearRangeScope(const SYearRange& range) : m_Previous(YearRange()) { SetYearRange(range); }
  ~CYearRangeScope() { SetYearRange(m_Previous); }
  CYearRangeScope(const CYearRangeScope&) = delete;
  CYearRangeScope& operator=(const CYearRangeScope&) = delete;

 private:
  SYearRange m_Previous;
};

}  // namespace orv
