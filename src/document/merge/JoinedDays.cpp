#include "document/merge/JoinedDays.h"

#include "core/Cp1250.h"
#include "document/merge/MergeCalendars.h"

namespace orv {
namespace {

CJoinedDays::SRow DayRow(const std::string& key) {
  if (!IsValidDayKey(key)) return {Cp1250ToUtf8(key), std::nullopt};
  const Date day = ParseDayKey(key);
  return {std::to_string(day.day) + ". " + std::to_string(day.month) + ". " + std::to_string(day.year), day};
}

CJoinedDays::SRow MonthRow(const std::string& key) {
  if (!IsValidMonthKey(key)) return {Cp1250ToUtf8(key), std::nullopt};
  const Date first = ParseDayKey(key + "/01");
  return {Cp1250ToUtf8(MonthName(first.month)) + " " + std::to_string(first.year), first};
}

}  // namespace

CJoinedDays::CJoinedDays(const SMergeResult& result) {
  for (const std::string& key : result.joinedDays) m_Rows.push_back(DayRow(key));
  for (const std::string& key : result.joinedMonths) m_Rows.push_back(MonthRow(key));
}

}  // namespace orv
