#pragma once
// Where the user's year range is remembered: the program's settings file, which the program writes
// through QSettings (`[Years]` with `from=` and `to=`) and orv, having no Qt, reads here.
//
//   $XDG_CONFIG_HOME/orvella/orvella.conf, or ~/.config/orvella/orvella.conf
//
//   if (auto range = ReadYearRangeSetting(UserSettingsPath())) SetYearRange(*range);

#include <optional>
#include <string>
#include <string_view>

#include "core/YearRange.h"

namespace orv {

// The settings group and its two keys.
inline constexpr char kYearRangeGroup[] = "Years";
inline constexpr char kYearRangeFromKey[] = "from";
inline constexpr char kYearRangeToKey[] = "to";

// The program's settings file; empty when neither XDG_CONFIG_HOME nor HOME says where it is.
std::string UserSettingsPath();
// The range the settings text holds; nullopt when it holds none, or one YearRangeProblem refuses.
std::optional<SYearRange> YearRangeFromSettingsText(std::string_view text);
// The same from the file; a missing, unreadable or unusual file (a FIFO, a device) holds none.
std::optional<SYearRange> ReadYearRangeSetting(const std::string& path);

}  // namespace orv
