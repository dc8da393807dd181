#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "document/RecordYears.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

TEST(RecordYears, OnlyKeysOfRealDaysAndMonthsCount) {
  struct Case {
    const char* key;
    bool month;
    bool date;
  };
  for (const Case& c : {
           Case{"2005/03/07", false, true},
           Case{"2004/02/29", false, true},
           Case{"2005/02/29", false, false},
           Case{"2005/13/01", false, false},
           Case{"2005/04/31", false, false},
           Case{"2005/00/10", false, false},
           Case{"2005-03-07", false, false},
           Case{"205/03/07x", false, false},
           Case{"2005/03/7", false, false},
           Case{"2005/03", true, true},
           Case{"2005/13", true, false},
           Case{"2005/03", false, false},
           Case{"2005/03/07", true, false},
       })
    EXPECT_EQ(IsRecordDateKey(c.key, c.month), c.date) << c.key << (c.month ? " as a month" : "");
}

class WidenToRecords : public ::testing::Test {
 protected:
  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CYearRangeScope range{{2000, 2036}};
};

TEST_F(WidenToRecords, RecordsOfOtherYearsWidenTheRunOnceAndNeverNarrowIt) {
  EXPECT_EQ(RecordYears(doc), std::nullopt);
  EXPECT_EQ(WidenYearRangeToRecords(doc), "");

  doc.StoreDay("2010/05/05", "uvnitr", "", "");
  EXPECT_EQ(WidenYearRangeToRecords(doc), "");
  EXPECT_EQ(YearRange(), (SYearRange{2000, 2036}));

  doc.StoreDay("1995/06/01", "driv", "", "");
  doc.StoreMonthCommentary("2041/01", "{\\rtf1 x}", "x");
  EXPECT_EQ(RecordYears(doc), (SYearRange{1995, 2041}));
  EXPECT_EQ(WidenYearRangeToRecords(doc), "Kalendář obsahuje záznamy z let 1995–2041; rozsah let je rozšířen.");
  EXPECT_EQ(YearRange(), (SYearRange{1995, 2041}));
  EXPECT_EQ(WidenYearRangeToRecords(doc), "");  // told once

  // A calendar of fewer years leaves the widened range as it is.
  CTedDoc other{ui};
  other.StoreDay("2003/01/01", "x", "", "");
  EXPECT_EQ(WidenYearRangeToRecords(other), "");
  EXPECT_EQ(YearRange(), (SYearRange{1995, 2041}));
}

// Keys that are not dates sort before and after the real ones; they neither widen the range nor hide
// the records next to them. Years beyond 1900-2100 are out of every range's reach.
TEST_F(WidenToRecords, KeysThatAreNotDatesTakeNoPart) {
  doc.m_DataTxt.InsertLoaded("0000/00/00", CEntrTxt{"a", "", "", ""});
  doc.m_DataTxt.InsertLoaded("1990/02/30", CEntrTxt{"b", "", "", ""});
  doc.m_DataTxt.InsertLoaded("2021/07/14", CEntrTxt{"c", "", "", ""});
  doc.m_DataTxt.InsertLoaded("9999/99/99", CEntrTxt{"d", "", "", ""});
  doc.m_DataMesice.InsertLoaded("2050/13", CEntrTxt{"", "r", "t", ""});
  EXPECT_EQ(RecordYears(doc), (SYearRange{2021, 2021}));

  doc.m_DataTxt.InsertLoaded("2500/01/01", CEntrTxt{"e", "", "", ""});
  EXPECT_EQ(RecordYears(doc), (SYearRange{2021, 2100}));
  EXPECT_EQ(doc.m_DataTxt.size(), 5u);  // all of them stay
}

}  // namespace
}  // namespace orv
