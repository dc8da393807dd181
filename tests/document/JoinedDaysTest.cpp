// The list of joined days after a merge: the names of days and months, where each leads, and keys
// that are no date (a damaged file's) listed without taking the window anywhere.
#include <gtest/gtest.h>

#include "core/Cp1250.h"
#include "document/merge/JoinedDays.h"
#include "document/merge/MergeCalendars.h"

namespace orv {
namespace {

TEST(JoinedDays, NameEachDayAndMonthAndWhereItLeads) {
  SMergeResult result;
  result.joinedDays = {"2026/12/11", "2005/03/07", "2005/13/40", "abc"};
  result.joinedMonths = {"2026/12", "2005/00"};
  const CJoinedDays joined(result);
  const std::vector<std::pair<std::string, std::optional<Date>>> expected = {
      {"11. 12. 2026", Date{2026, 12, 11}}, {"7. 3. 2005", Date{2005, 3, 7}},
      {"2005/13/40", std::nullopt},         {"abc", std::nullopt},
      {"Prosinec 2026", Date{2026, 12, 1}}, {"2005/00", std::nullopt}};
  ASSERT_EQ(joined.Rows().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(joined.Rows()[i].text, expected[i].first) << i;
    EXPECT_EQ(joined.Rows()[i].day, expected[i].second) << i;
  }
  EXPECT_TRUE(CJoinedDays(SMergeResult{}).Empty());
}

}  // namespace
}  // namespace orv
