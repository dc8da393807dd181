// The rules of appending one calendar to another: notes, containment of commentaries, styles and
// the merge of records for the whole calendar and for a range.

#include <gtest/gtest.h>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "document/CalendarArchive.h"
#include "document/TedDoc.h"
#include "document/merge/AppendCalendar.h"
#include "document/merge/AppendNotes.h"
#include "document/merge/AppendStyles.h"

namespace orv {
namespace {

using test::CalendarBuilder;

TEST(AppendNotes, WholeCalendarJoinsPartsWithoutDuplicates) {
  const struct {
    const char* target;
    const char* source;
    const char* merged;
  } cases[] = {
      {"a; b", "b;c", "a; b; c"},
      {"", "b;c", "b;c"},                      // an empty target takes the source as it is
      {"a;b", "", "a;b"},                      // nothing new: the target stays as written
      {"a;b", " b ; a", "a;b"},                // parts are trimmed before they are compared
      {"a", "c;c", "a; c"},                    // no part twice, also from the source itself
      {"a;;b", "c;", "a; b; c"},               // empty parts are no parts
      {"Porada", "porada", "Porada; porada"},  // exact comparison
  };
  for (const auto& c : cases)
    EXPECT_EQ(MergeNotesWhole(c.target, c.source), c.merged) << c.target << " + " << c.source;
}

TEST(AppendNotes, RangeAppendsUnlessContained) {
  EXPECT_EQ(MergeNotesRange("a", "b"), "a ; b");
  EXPECT_EQ(MergeNotesRange("", "b"), "b");
  EXPECT_EQ(MergeNotesRange("porada v 8", "v 8"), "porada v 8");
  EXPECT_EQ(MergeNotesRange("a", ""), "a");
}

TEST(AppendNotes, ContainedMeansWholeParagraphsInOrder) {
  const struct {
    const char* target;
    const char* source;
    bool contained;
  } cases[] = {
      {"jedna\rdva\rtri", "dva\rtri", true},
      {"jedna\rdva\rtri", "jedna", true},
      {"jedna\rdva", "jedna\rdva", true},
      {"jedna\rdva\rtri", "jedna\rtri", false},   // not one after another
      {"jedna\rdva\rtri", "tri\rdva", false},     // not in order
      {"dlouhá věta s obědem", "obědem", false},  // inside a sentence is not contained
      {"obědem hotovo\robědem", "obědem", true},  // the second occurrence is whole
      {"x", "", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CommentaryContains(c.target, c.source), c.contained) << c.target << " / " << c.source;
}

CCharFormat Char(const char* face, int height, std::uint32_t effects = 0) {
  CCharFormat f;
  f.m_FaceName = face;
  f.m_Height = height;
  f.m_Effects = effects;
  return f;
}

CParFormat Par(const char* charStyle, int spaceAfter) {
  CParFormat f;
  f.m_CharStyle = charStyle;
  f.m_SpaceAfter = spaceAfter;
  return f;
}

class AppendStyles : public ::testing::Test {
 protected:
  AppendStyles() {
    CalendarBuilder(target)
        .CharStyle("Standard1", Char("Arial", 180, 1))
        .CharStyle("Modrý", Char("Arial", 300))
        .ParStyle("Normal1", Par("Standard1", 80))
        .ParStyle("Odstavec", Par("Modrý", 500));
    CalendarBuilder(source)
        .CharStyle("Standard1", Char("Times", 180, 1))
        .CharStyle("Velký", Char("Arial", 300, kEffectAutoColor))  // the settings of the target's "Modrý"
        .CharStyle("Nový", Char("Courier", 200))
        .ParStyle("Odsazený", Par("Velký", 120));
  }
  test::FakeUiServices ui;
  CCalendarContent target{ui};
  CCalendarContent source{ui};
};

TEST_F(AppendStyles, WithoutOverwritingKeepsTargetStylesAndSkipsSameSettings) {
  EXPECT_EQ(MergeStyles(target, source, /*overwrite=*/false, ui), 2);
  EXPECT_EQ(target.m_Styles.Find("Standard1")->m_FaceName, "Arial");  // the target's own stays
  EXPECT_FALSE(target.m_Styles.Contains("Velký"));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"styl se stejným nastavením"});
  EXPECT_TRUE(target.m_Styles.Contains("Nový"));
  // The paragraph style follows its character style to the name that has its settings.
  ASSERT_TRUE(target.m_StylesPar.Contains("Odsazený"));
  EXPECT_EQ(target.m_StylesPar.Find("Odsazený")->m_CharStyle, "Modrý");
}

TEST_F(AppendStyles, OverwritingReplacesByNameAndRemovesUserStylesOfTheSameSettings) {
  CalendarBuilder(target).CharStyle("Standard2", Char("Courier", 200));  // predefined: never removed
  EXPECT_GT(MergeStyles(target, source, /*overwrite=*/true, ui), 0);
  EXPECT_EQ(target.m_Styles.Find("Standard1")->m_FaceName, "Times");
  EXPECT_FALSE(target.m_Styles.Contains("Modrý"));
  EXPECT_TRUE(target.m_Styles.Contains("Velký"));
  EXPECT_TRUE(target.m_Styles.Contains("Standard2"));
  EXPECT_TRUE(target.m_Styles.Contains("Nový"));
  // The target's paragraph style named the style that gave way; it now names its successor.
  EXPECT_EQ(target.m_StylesPar.Find("Odstavec")->m_CharStyle, "Velký");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(AppendStyles, ASetNeverGrowsPastTwelve) {
  for (int i = 0; i < 10; ++i) CalendarBuilder(target).CharStyle("T" + std::to_string(i), Char("T", 100 + i));
  ASSERT_EQ(target.m_Styles.size(), 12u);
  MergeStyles(target, source, /*overwrite=*/false, ui);
  EXPECT_EQ(target.m_Styles.size(), 12u);
  EXPECT_FALSE(target.m_Styles.Contains("Nový"));
  EXPECT_EQ(ui.Messages().back(), "Další styl již přidat nelze.");
}

// Joins as text: enough to see where and when the engine is asked.
class TextJoin : public ICommentaryJoin {
 public:
  void Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) override {
    ++calls;
    joined.m_Text = target.m_Text + "\r" + source.m_Text;
    joined.m_Rtf = CalendarBuilder::Rtf(joined.m_Text);
  }
  int calls = 0;
};

class AppendRecords : public ::testing::Test {
 protected:
  AppendRecords() {
    CalendarBuilder(target)
        .Day("2005/03/07", "a; b", "ráno")
        .Day("2005/03/08", "", "jen výklad")
        .Day("2005/03/09", "jen poznámka")
        .Month("2005/03", "březen");
    CalendarBuilder(source)
        .Day("2005/03/07", "b;c", "večer")
        .Day("2005/03/08", "nová", "jen výklad")
        .Day("2005/03/09", "", "přidaný výklad")
        .Day("2006/01/01", "Nový rok", "oslava")
        .Month("2005/03", "březen")
        .Month("2006/01", "leden");
    target.SetModifiedFlag(false);
  }
  const CEntrTxt& DayOf(const char* key) { return *target.GetDayRecord(key); }

  test::FakeUiServices ui;
  CTedDoc target{ui};
  CCalendarContent source{ui};
  TextJoin joiner;
};

TEST_F(AppendRecords, WholeCalendarMergesNotesAndCommentaries) {
  const SAppendResult result = AppendCalendar(target, source, {}, joiner);
  EXPECT_EQ(DayOf("2005/03/07").m_Poznamka, "a; b; c");
  EXPECT_EQ(DayOf("2005/03/07").m_Text, "ráno\rvečer");
  EXPECT_EQ(DayOf("2005/03/08"), (CEntrTxt{"nová", CalendarBuilder::Rtf("jen výklad"), "jen výklad", ""}));
  // A target without commentary takes the source's as it is.
  EXPECT_EQ(DayOf("2005/03/09").m_Rtf, CalendarBuilder::Rtf("přidaný výklad"));
  EXPECT_EQ(DayOf("2006/01/01"), *source.m_DataTxt.Find("2006/01/01"));
  EXPECT_EQ(target.GetMonthRecord("2005/03")->m_Text, "březen");
  EXPECT_EQ(target.GetMonthRecord("2006/01")->m_Text, "leden");
  EXPECT_EQ(joiner.calls, 1);
  EXPECT_EQ(result.recordsAdded, 2);
  EXPECT_EQ(result.recordsChanged, 3);
  EXPECT_TRUE(target.IsModified());

  // Appending the same source again adds nothing.
  target.SetModifiedFlag(false);
  EXPECT_FALSE(AppendCalendar(target, source, {}, joiner).Changed());
  EXPECT_EQ(joiner.calls, 1);
  EXPECT_EQ(DayOf("2005/03/07").m_Text, "ráno\rvečer");
  EXPECT_FALSE(target.IsModified());
}

TEST_F(AppendRecords, RangeMergesOnlyItsDaysInDateOrder) {
  SAppendOptions options;
  options.wholeCalendar = false;
  options.from = {2005, 3, 7};
  options.to = {2005, 12, 31};
  std::vector<int> progress;
  AppendCalendar(target, source, options, joiner,
                 [&](int done, int total) { progress.push_back(total - done); });
  EXPECT_EQ(DayOf("2005/03/07").m_Poznamka, "a; b ; b;c");
  EXPECT_EQ(DayOf("2005/03/07").m_Text, "ráno\rvečer");
  EXPECT_EQ(DayOf("2005/03/08").m_Poznamka, "nová");
  EXPECT_EQ(DayOf("2005/03/09").m_Text, "přidaný výklad");
  EXPECT_EQ(target.GetDayRecord("2006/01/01"), nullptr);
  EXPECT_EQ(target.GetMonthRecord("2006/01"), nullptr);  // months stay out of a range
  EXPECT_EQ(progress, std::vector<int>{0});
}

TEST_F(AppendRecords, RangeWithoutSourceRecordsSaysSoAndChangesNothing) {
  SAppendOptions options;
  options.wholeCalendar = false;
  options.from = {2010, 1, 1};
  options.to = {2010, 12, 31};
  CalendarBuilder(source).CharStyle("Nový");  // not taken either
  const SAppendResult result = AppendCalendar(target, source, options, joiner);
  EXPECT_TRUE(result.rangeEmpty);
  EXPECT_FALSE(target.m_Styles.Contains("Nový"));
  EXPECT_FALSE(result.Changed());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"V zadaném rozsahu žádné poznámky nejsou !"});
  EXPECT_EQ(target.GetRecordCount(), 3);
}

// A commentary the editor could not take in the join stops the append before anything changed: not
// the records before it, not the styles, not the modified flag.
TEST_F(AppendRecords, CommentaryTooLargeToJoinRefusesTheWholeAppend) {
  class TooLargeJoin : public TextJoin {
   public:
    bool CanJoin(const CEntrTxt&, const CEntrTxt& source) override { return source.m_Text != "večer"; }
  } tooLarge;
  CalendarBuilder(source).CharStyle("Nový");
  const std::string before = StoreCalendar(target);
  for (const bool whole : {true, false}) {
    SAppendOptions options;
    options.wholeCalendar = whole;
    options.from = {2005, 3, 1};
    options.to = {2005, 3, 31};
    const SAppendResult result = AppendCalendar(target, source, options, tooLarge);
    EXPECT_TRUE(result.tooLarge);
    EXPECT_FALSE(result.Changed());
    EXPECT_EQ(tooLarge.calls, 0);
    EXPECT_EQ(StoreCalendar(target), before);
    EXPECT_FALSE(target.IsModified());
    EXPECT_EQ(ui.Messages().back(), "Výklad je příliš velký");
  }
}

}  // namespace
}  // namespace orv
