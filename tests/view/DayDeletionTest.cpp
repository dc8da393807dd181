#include <gtest/gtest.h>

#include "CalendarBuilder.h"
#include "ViewFixture.h"
#include "view/DayDeletion.h"

namespace orv::test {
namespace {

using Kind = FakeUiServices::Kind;

class DayDeletionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.view.Start();  // 15 March 2005
    CalendarBuilder(f.doc)
        .Day("2005/03/04", "4.")
        .Day("2005/03/05", "5.")
        .Day("2005/03/06", {}, Cz("jen výklad"))
        .Day("2005/03/15", Cz("vybraný"))
        .Day("2005/04/01", "duben");
    f.view.DoMonth(15, 3, 2005);  // shows the records just made
    f.doc.SetModifiedFlag(false);
    f.ui.Clear();
  }
  int Delete(Date from, Date to) { return DeletePeriod(f.view, f.panes, f.doc, from, to); }

  ViewFixture f;
};

TEST_F(DayDeletionTest, EmptyDayAsksNothingAndAnsweredDayLosesItsRecord) {
  f.view.GoToDate({2005, 3, 20});
  EXPECT_FALSE(DeleteSelectedDay(f.view, f.panes, f.doc));
  EXPECT_TRUE(f.ui.events.empty());
  EXPECT_FALSE(f.doc.IsModified());

  f.view.GoToDate({2005, 3, 15});
  f.ui.yesNoAnswers = {false};
  EXPECT_FALSE(DeleteSelectedDay(f.view, f.panes, f.doc));
  EXPECT_NE(f.doc.GetDayRecord("2005/03/15"), nullptr);

  // A commentary alone counts: the day's number is no longer bold once it is gone.
  f.view.GoToDate({2005, 3, 6});
  ASSERT_TRUE((f.FormatAt(6, 3, 2).effects & CFE_BOLD) != 0);
  f.ui.yesNoAnswers = {true};
  EXPECT_TRUE(DeleteSelectedDay(f.view, f.panes, f.doc));
  EXPECT_EQ(f.ui.Messages(), (std::vector<std::string>{kDeleteDayQuestion, kDeleteDayQuestion}));
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/06"), nullptr);
  EXPECT_EQ(f.FormatAt(6, 3, 2).effects & CFE_BOLD, 0u);
  EXPECT_EQ(f.panes.day.GetText(), "");
  EXPECT_TRUE(f.doc.IsModified());
}

TEST_F(DayDeletionTest, PeriodDeletesItsDaysBothEndsIncluded) {
  EXPECT_EQ(Delete({2005, 3, 5}, {2005, 3, 5}), 1);
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/05"), nullptr);
  EXPECT_NE(f.doc.GetDayRecord("2005/03/04"), nullptr);
  EXPECT_NE(f.doc.GetDayRecord("2005/03/06"), nullptr);
  EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{"Počet vymazaných dnů : 1"});
  EXPECT_TRUE(f.doc.IsModified());
  EXPECT_EQ(f.panes.note, Cz("vybraný"));  // the selected day lies outside and is shown again
  EXPECT_EQ(f.ui.waitDepth, 0);
  EXPECT_GE(f.ui.waitCount, 1);

  EXPECT_EQ(Delete({2005, 3, 6}, {2005, 4, 1}), 3);
  EXPECT_EQ(f.doc.GetRecordCount(), 1);
  EXPECT_EQ(RecordCountText(f.doc), "Počet záznamů v kalendáři: 1");
}

TEST_F(DayDeletionTest, PeriodWithoutRecordsChangesNothing) {
  EXPECT_EQ(Delete({2006, 1, 1}, {2006, 12, 31}), 0);
  EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{kEmptyPeriod});
  EXPECT_FALSE(f.doc.IsModified());
  EXPECT_EQ(f.doc.GetRecordCount(), 5);
  EXPECT_EQ(f.panes.note, Cz("vybraný"));
}

TEST_F(DayDeletionTest, SelectedDayInsideThePeriodIsShownEmptyIncludingWhatWasBeingTyped) {
  f.panes.note = Cz("právě psáno");  // committed first, then deleted with the rest
  EXPECT_EQ(Delete({2005, 3, 10}, {2005, 3, 20}), 1);
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(f.panes.note, "");
  EXPECT_EQ(f.panes.day.GetText(), "");
  EXPECT_EQ(f.view.SelectedDate(), (Date{2005, 3, 15}));
  EXPECT_EQ(f.view.Rows()[14].text.find(Cz("vybraný")), std::string::npos);
}

TEST_F(DayDeletionTest, ReversedPeriodIsRefused) {
  EXPECT_FALSE(CheckPeriod({2005, 3, 6}, {2005, 3, 5}, f.ui));
  EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{kReversedPeriod});
  EXPECT_TRUE(CheckPeriod({2005, 3, 5}, {2005, 3, 5}, f.ui));
}

TEST_F(DayDeletionTest, RecordCountOfANewCalendarThenAfterThreeNotes) {
  ViewFixture fresh;
  fresh.view.Start();
  EXPECT_EQ(RecordCountText(fresh.doc), "Počet záznamů v kalendáři: 0");
  for (int i = 0; i < 3; ++i) {
    fresh.panes.note = "x";
    fresh.view.HandleTableKey(Qt::Key_Down, {}, false);
  }
  EXPECT_EQ(RecordCountText(fresh.doc), "Počet záznamů v kalendáři: 3");
}

}  // namespace
}  // namespace orv::test
