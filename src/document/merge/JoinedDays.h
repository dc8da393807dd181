#pragma once
// The days and months a merge joined from both sides, as the list shown after the merge names them
// ("11. 12. 2026", "Prosinec 2026"), each with the day the calendar moves to when the user picks it
// (a month's first day). A record key that is no date is listed as it is and leads nowhere.
//
//   CJoinedDays joined(result);
//   for (const auto& row : joined.Rows()) list.add(row.text);
//   if (const auto day = joined.Rows()[i].day) model.GoToDate(*day);

#include <optional>
#include <string>
#include <vector>

#include "core/CalendarDates.h"

namespace orv {

struct SMergeResult;

class CJoinedDays {
 public:
  struct SRow {
    std::string text;  // UTF-8
    std::optional<Date> day;
  };

  explicit CJoinedDays(const SMergeResult& result);
  const std::vector<SRow>& Rows() const { return m_Rows; }
  bool Empty() const { return m_Rows.empty(); }

 private:
  std::vector<SRow> m_Rows;
};

}  // namespace orv
