// Merging two versions of one calendar: three-way with the version both started from, two-way
// without it; joined notes and commentaries, styles and names, and a merge repeated.

#include <gtest/gtest.h>

#include <optional>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "document/CalendarArchive.h"
#include "document/CalendarContent.h"
#include "document/merge/AppendCalendar.h"
#include "document/merge/MergeCalendars.h"

namespace orv {
namespace {

using test::CalendarBuilder;

class TextJoin : public ICommentaryJoin {
 public:
  void Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) override {
    joined.m_Text = target.m_Text + "\r" + source.m_Text;
    joined.m_Rtf = CalendarBuilder::Rtf(joined.m_Text);
  }
};

// One day in the three versions: its note and commentary text, or no record at all.
struct SDay {
  const char* note;
  const char* text;
};
constexpr std::optional<SDay> kNone = std::nullopt;

void Put(CCalendarContent& c, const std::optional<SDay>& day) {
  if (day) CalendarBuilder(c).Day("2020/05/01", day->note, day->text);
}

std::optional<SDay> Read(const CCalendarContent& c, std::string& note, std::string& text) {
  const CEntrTxt* record = c.m_DataTxt.Find("2020/05/01");
  if (!record) return kNone;
  note = record->m_Poznamka;
  text = record->m_Text;
  return SDay{note.c_str(), text.c_str()};
}

class MergeCalendarsTest : public ::testing::Test {
 protected:
  test::FakeUiServices ui;
  CCalendarContent ours{ui}, theirs{ui}, base{ui};
  TextJoin joiner;
};

TEST_F(MergeCalendarsTest, RecordRulesThreeAndTwoWay) {
  const struct {
    const char* what;
    bool threeWay;
    std::optional<SDay> base, ours, theirs, merged;
    bool joined;
  } cases[] = {
      {"theirs changed", true, SDay{"a", ""}, SDay{"a", ""}, SDay{"b", ""}, SDay{"b", ""}, false},
      {"ours changed", true, SDay{"a", ""}, SDay{"b", ""}, SDay{"a", ""}, SDay{"b", ""}, false},
      {"theirs deleted", true, SDay{"a", "x"}, SDay{"a", "x"}, kNone, kNone, false},
      {"ours deleted", true, SDay{"a", "x"}, kNone, SDay{"a", "x"}, kNone, false},
      {"theirs added", true, kNone, kNone, SDay{"n", ""}, SDay{"n", ""}, false},
      {"both the same", true, SDay{"a", ""}, SDay{"b", "t"}, SDay{"b", "t"}, SDay{"b", "t"}, false},
      {"deleted there, changed here", true, SDay{"a", ""}, SDay{"b", ""}, kNone, SDay{"b", ""}, false},
      {"changed there, deleted here", true, SDay{"a", ""}, kNone, SDay{"b", ""}, SDay{"b", ""}, false},
      {"notes joined", true, SDay{"a", ""}, SDay{"a; b", ""}, SDay{"a; c", ""}, SDay{"a; b; c", ""}, true},
      {"one field each side", true, SDay{"a", "x"}, SDay{"b", "x"}, SDay{"a", "y"}, SDay{"b", "y"}, false},
      {"commentaries joined", true, SDay{"", "x"}, SDay{"", "o"}, SDay{"", "t"}, SDay{"", "o\rt"}, true},
      {"theirs contains ours", true, SDay{"", "x"}, SDay{"", "o"}, SDay{"", "o\rt"}, SDay{"", "o\rt"}, false},
      {"ours contains theirs", true, SDay{"", "x"}, SDay{"", "t\ro"}, SDay{"", "o"}, SDay{"", "t\ro"}, false},
      {"added on both sides", true, kNone, SDay{"o", "p"}, SDay{"t", "q"}, SDay{"o; t", "p\rq"}, true},
      {"union adds", false, kNone, kNone, SDay{"t", ""}, SDay{"t", ""}, false},
      {"union keeps ours", false, kNone, SDay{"o", ""}, kNone, SDay{"o", ""}, false},
      {"union joins", false, kNone, SDay{"a;b", "x"}, SDay{"b; c", "y"}, SDay{"a; b; c", "x\ry"}, true},
      {"union of a part ours has", false, kNone, SDay{"a; b", ""}, SDay{"b", ""}, SDay{"a; b", ""}, false},
  };
  for (const auto& c : cases) {
    CCalendarContent o(ui), t(ui), b(ui);
    Put(o, c.ours);
    Put(t, c.theirs);
    Put(b, c.base);
    const SMergeResult result = MergeCalendars(o, t, c.threeWay ? &b : nullptr, joiner);
    std::string note, text;
    const std::optional<SDay> merged = Read(o, note, text);
    ASSERT_EQ(merged.has_value(), c.merged.has_value()) << c.what;
    if (merged) {
      EXPECT_EQ(note, c.merged->note) << c.what;
      EXPECT_EQ(text, c.merged->text) << c.what;
    }
    EXPECT_EQ(result.joinedDays,
              c.joined ? std::vector<std::string>{"2020/05/01"} : std::vector<std::string>{})
        << c.what;
    // Merging the same again changes nothing.
    EXPECT_FALSE(MergeCalendars(o, t, c.threeWay ? &b : nullptr, joiner).Changed()) << c.what;
  }
}

TEST_F(MergeCalendarsTest, MonthsJoinedAndListedInOrder) {
  CalendarBuilder(base).Month("2020/03", "z").Day("2020/03/02", "a").Day("2020/01/09", "a");
  CalendarBuilder(ours).Month("2020/03", "o").Day("2020/03/02", "o").Day("2020/01/09", "o");
  CalendarBuilder(theirs).Month("2020/03", "t").Day("2020/03/02", "t").Day("2020/01/09", "t");
  const SMergeResult result = MergeCalendars(ours, theirs, &base, joiner);
  EXPECT_EQ(result.joinedDays, (std::vector<std::string>{"2020/01/09", "2020/03/02"}));
  EXPECT_EQ(result.joinedMonths, std::vector<std::string>{"2020/03"});
  EXPECT_EQ(ours.m_DataMesice.Find("2020/03")->m_Text, "o\rt");
}

TEST_F(MergeCalendarsTest, InvalidKeysAndEmptyRecordsOfTheirsAreSkipped) {
  CalendarBuilder(theirs)
      .Day("2020/02/30", "x")
      .Day("abcd/01/01", "x")
      .Month("2020/13", "x")
      .Day("2021/01/01", "ok");
  theirs.m_DataTxt.Insert("2021/01/02", CEntrTxt{});
  MergeCalendars(ours, theirs, nullptr, joiner);
  EXPECT_EQ(ours.m_DataTxt.size(), 1u);
  EXPECT_TRUE(ours.m_DataTxt.Contains("2021/01/01"));
  EXPECT_TRUE(ours.m_DataMesice.empty());
}

TEST_F(MergeCalendarsTest, StylesNamesAuthorAndPasswords) {
  CCharFormat bold, italic;
  bold.m_Effects = 1;
  italic.m_Effects = 2;
  CalendarBuilder(ours)
      .CharStyle("Nadpis", bold)
      .Name(0, "03/07", "Tomáš")
      .Author("Můj", "Jan")
      .Passwords("o");
  CalendarBuilder(theirs)
      .CharStyle("Nadpis", italic)
      .CharStyle("Citace", italic)
      .Name(0, "03/08", "Tomáš")
      .Name(3, "10/10", "Babička")
      .Author("Jejich", "Eva")
      .Passwords("t", "a");
  const SMergeResult result = MergeCalendars(ours, theirs, nullptr, joiner);
  EXPECT_EQ(ours.m_Styles.Find("Nadpis")->m_Effects, 1u);  // ours wins the clash
  ASSERT_NE(ours.m_Styles.Find("Citace"), nullptr);
  EXPECT_EQ(ours.m_Names.m_Slots[0].m_DatumPodleJmena.Find("Tomáš")->m_Str, "03/07");
  EXPECT_EQ(ours.m_Names.m_Slots[3].m_DatumPodleJmena.Find("Babička")->m_Str, "10/10");
  EXPECT_EQ(ours.m_NazevKalendare, "Můj");
  EXPECT_EQ(ours.m_Heslo, "o");
  EXPECT_EQ(ours.m_HesloAutora, "");
  EXPECT_EQ(result.namesAndStylesAdded, 2);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(MergeCalendars(ours, theirs, nullptr, joiner).Changed());
}

// A join the editor could not take stops the whole merge: ours stays as it was, to the byte.
TEST_F(MergeCalendarsTest, CommentaryTooLargeToJoinRefusesTheWholeMerge) {
  class TooLargeJoin : public TextJoin {
   public:
    bool CanJoin(const CEntrTxt& ours, const CEntrTxt&) override { return ours.m_Text != "velk\xfd"; }
  } tooLarge;
  CalendarBuilder(base).Day("2020/01/09", "a", "z").Day("2020/03/02", "a", "z");
  CalendarBuilder(ours).Day("2020/01/09", "a", "o").Day("2020/03/02", "a", "velk\xfd");
  CalendarBuilder(theirs)
      .Day("2020/01/09", "a", "t")
      .Day("2020/03/02", "a", "t")
      .Day("2021/01/01", "nov\xfd");
  const std::string before = StoreCalendar(ours);
  const CCalendarContent* const bases[] = {&base, nullptr};
  for (const CCalendarContent* b : bases) {
    const SMergeResult result = MergeCalendars(ours, theirs, b, tooLarge);
    EXPECT_TRUE(result.tooLarge);
    EXPECT_FALSE(result.Changed());
    EXPECT_EQ(StoreCalendar(ours), before);
  }
}

}  // namespace
}  // namespace orv
