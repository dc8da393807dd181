// The readers of a year range over arbitrary bytes: the settings file orv reads and the text of
// --years. Neither may crash, and a range either accepts must be one the program can use.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/YearRange.h"
#include "core/YearRangeSetting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto range = orv::YearRangeFromSettingsText(text);
      range && !orv::YearRangeProblem(*range).empty())
    __builtin_trap();
  std::string problem;
  const auto range = orv::ParseYearRange(text, problem);
  if (range ? !problem.empty() || !orv::YearRangeProblem(*range).empty() : problem.empty()) __builtin_trap();
  return 0;
}
