// The years of a calendar's records widen the run's year range, never narrow it.
#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "document/RecordYears.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

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

// Years beyond 1900-2100 are out of every range's reach. (Keys that are not dates never reach the
// record maps' dated records: the archive's own tests read such files.)
TEST_F(WidenToRecords, YearsBeyondEveryRangesReachAreCapped) {
  doc.m_DataTxt.InsertLoaded("2021/07/14", CEntrTxt{"c", "", "", ""});
  EXPECT_EQ(RecordYears(doc), (SYearRange{2021, 2021}));
  doc.m_DataTxt.InsertLoaded("2500/01/01", CEntrTxt{"e", "", "", ""});
  EXPECT_EQ(RecordYears(doc), (SYearRange{2021, 2100}));
}

}  // namespace
}  // namespace orv
