// The period dialog "Export do rtf" without its window: defaults, the range, the checks of OK.

#include <gtest/gtest.h>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "export/RtfExportDialogModel.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

TEST(RtfExportDialogModel, DefaultsGiveTheWholeCalendarWithEverything) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  test::CalendarBuilder(doc).ParStyle("Normal1").ParStyle(Cp1250FromUtf8("Hlavička1")).ParStyle("Normal1");
  CRtfExportDialogModel model(doc);
  EXPECT_TRUE(model.IsWholeCalendar());
  EXPECT_EQ(model.StyleNames(), (std::vector<std::string>{Cp1250FromUtf8("Hlavička1"), "Normal1"}));
  const auto choice = model.Accept(ui);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->from, (Date{MinYear(), 1, 1}));
  EXPECT_EQ(choice->to, (Date{MaxYear(), 12, 31}));
  EXPECT_TRUE(choice->notes && choice->dayCommentaries && choice->monthCommentaries && choice->limited);
  EXPECT_EQ(choice->monthStyle, "");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(RtfExportDialogModel, DatesSelectTheRangeAndOkChecksIt) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CRtfExportDialogModel model(doc);
  model.SetTo({2004, 2, 1});
  EXPECT_FALSE(model.IsWholeCalendar());
  model.SetFrom({2004, 3, 1});
  EXPECT_FALSE(model.Accept(ui));
  model.SetWholeCalendar(true);  // the pickers' dates do not count for the whole calendar
  EXPECT_TRUE(model.Accept(ui));
  model.SetWholeCalendar(false);
  model.SetTo({2004, 3, 1});  // one day
  const auto choice = model.Accept(ui);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->from, choice->to);

  model.SetNotes(false);
  model.SetDayCommentaries(false);
  model.SetMonthCommentaries(false);
  EXPECT_FALSE(model.Accept(ui));
  model.SetMonthCommentaries(true);
  EXPECT_TRUE(model.Accept(ui));
  EXPECT_EQ(ui.Messages(), (Messages{"Spodní hranice období nesmí být větší než horní !",
                                     "Vyberte obsah výstupního souboru !"}));
}

}  // namespace
}  // namespace orv
