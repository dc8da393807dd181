#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "search/ResultListTexts.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

TEST(SortedKeyList, KeepsKeysAscendingAndEachOnce) {
  CSortedKeyList list;
  EXPECT_TRUE(list.Insert("2004/03/05"));
  EXPECT_TRUE(list.Insert("2000/12/31"));
  EXPECT_TRUE(list.Insert("2020/01/01"));
  EXPECT_FALSE(list.Insert("2004/03/05"));
  EXPECT_EQ(list.Keys(), (std::vector<std::string>{"2000/12/31", "2004/03/05", "2020/01/01"}));
  EXPECT_TRUE(list.Contains("2004/03/05"));
  EXPECT_FALSE(list.Contains("2004/03/06"));

  list.Assign({"2005/01", "2004/12", "2005/01", "2004/02"});
  EXPECT_EQ(list.Keys(), (std::vector<std::string>{"2004/02", "2004/12", "2005/01"}));

  // Keys of a damaged file, months among days: byte order, as the record maps keep them.
  const std::vector<std::string> mixed{"",           "0001/01/01", "2004/03",    "2004/03/00", "2004/03/01",
                                       "2004/03/99", "2004/04",    "2004/13/01", "2004/3/5",   "9999/12/31x"};
  list.Assign({mixed.rbegin(), mixed.rend()});
  EXPECT_EQ(list.Keys(), mixed);
  list.Clear();
  for (const std::string& key : mixed) list.Append(key);
  list.Append("2004/03/01");
  list.Append("2004/02/01");
  std::vector<std::string> appended = mixed;
  appended.insert(appended.begin() + 2, "2004/02/01");
  EXPECT_EQ(list.Keys(), appended);
  for (const std::string& key : mixed) EXPECT_TRUE(list.Contains(key)) << key;
  EXPECT_FALSE(list.Contains("2004/03/02"));
  EXPECT_FALSE(list.Contains("2004/3/6"));
}

TEST(FoundKeyTexts, DayInGenitiveAndMonthCapitalised) {
  struct Case {
    const char* key;
    const char* text;
    bool month;
  };
  for (const Case& c : {
           Case{"2004/03/05", "05. března 2004", false},
           Case{"2020/12/31", "31. prosince 2020", false},
           Case{"2000/07/14", "14. července 2000", false},
           Case{"2004/03", "Březen 2004", true},
           Case{"2011/01", "Leden 2011", true},
           // Keys of a damaged file with no month behind their digits are shown as they stand.
           Case{"2004/13/05", "2004/13/05", false},
           Case{"2004/00", "2004/00", true},
           Case{"2004/3/5", "2004/3/5", false},
       }) {
    const std::string text = c.month ? FoundMonthText(c.key) : FoundDayText(c.key);
    EXPECT_EQ(Cp1250ToUtf8(text), c.text) << c.key;
  }
}

CSortedKeyList DayKeys(int count) {
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) keys.push_back(DayKey(2004 + i / 365, 1 + (i / 28) % 12, 1 + i % 28));
  CSortedKeyList list;
  list.Assign(std::move(keys));
  return list;
}

TEST(NaplnitFulltext, ShowsTheFirstFiftyAndCountsTheRest) {
  test::FakeUiServices ui;
  const CSortedKeyList keys = DayKeys(120);
  const std::vector<std::string> entries = NaplnitFulltext(keys, ui);
  EXPECT_EQ(ui.Messages(), Messages{"Počet vyhledaných dnů : 120\r\nZobrazeno: 50"});
  ASSERT_EQ(entries.size(), 50u);
  EXPECT_EQ(entries.front(), FoundDayText(keys[0]));
  EXPECT_EQ(entries.back(), FoundDayText(keys[49]));

  ui.Clear();
  EXPECT_EQ(NaplnitFulltext(DayKeys(50), ui).size(), 50u);
  EXPECT_EQ(ui.Messages(), Messages{});

  CSortedKeyList months;
  for (int m = 0; m < 51; ++m) months.Insert(MonthKey(2004 + m / 12, 1 + m % 12));
  EXPECT_EQ(NaplnitFulltextMonth(months, ui).size(), 50u);
  EXPECT_EQ(ui.Messages(), Messages{"Počet vyhledaných měsíců : 51\r\nZobrazeno: 50"});
}

TEST(NaplnitFulltext, AnEmptyKeyEndsTheList) {
  test::FakeUiServices ui;
  CSortedKeyList keys;
  keys.Assign({"", "2004/03/05"});
  EXPECT_EQ(NaplnitFulltext(keys, ui), std::vector<std::string>{});
  EXPECT_EQ(ui.Messages(), Messages{"chyba NaplnitFulltext"});
  ui.Clear();
  keys.Assign({"", "2004/03"});
  EXPECT_EQ(NaplnitFulltextMonth(keys, ui), std::vector<std::string>{});
  EXPECT_EQ(ui.Messages(), Messages{"chyba NaplnitFulltextMonth"});
}

}  // namespace
}  // namespace orv
