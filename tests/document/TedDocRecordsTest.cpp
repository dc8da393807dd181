#include <gtest/gtest.h>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "document/CalendarArchive.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

class TedDocRecords : public ::testing::Test {
 protected:
  TedDocRecords() {
    doc.AddModifiedObserver([this](bool modified) { changes.push_back(modified); });
  }
  // Runs one store and tells whether it marked the calendar modified.
  template <typename F>
  bool Marks(F&& store) {
    doc.SetModifiedFlag(false);
    store();
    return doc.IsModified();
  }

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  std::vector<bool> changes;
};

TEST_F(TedDocRecords, NoteCreatesRecordWithoutCommentaryAndClearingItRemovesIt) {
  EXPECT_TRUE(Marks([&] { doc.StoreDay("2005/03/07", "porada", "", ""); }));
  ASSERT_NE(doc.GetDayRecord("2005/03/07"), nullptr);
  EXPECT_EQ(*doc.GetDayRecord("2005/03/07"), (CEntrTxt{"porada", "", "", ""}));
  EXPECT_EQ(doc.GetRecordCount(), 1);

  EXPECT_FALSE(Marks([&] { doc.StoreDay("2005/03/07", "porada", "", ""); }));  // unchanged
  EXPECT_TRUE(Marks([&] { doc.StoreDay("2005/03/07", "", "{\\rtf1 }", ""); }));
  EXPECT_EQ(doc.GetDayRecord("2005/03/07"), nullptr);
  EXPECT_EQ(doc.GetRecordCount(), 0);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TedDocRecords, EmptyContentNeverCreatesARecord) {
  EXPECT_FALSE(Marks([&] { doc.StoreDay("2005/03/07", "", "{\\rtf1\\b }", ""); }));
  EXPECT_FALSE(Marks([&] { doc.StoreDayCommentary("2005/03/07", "{\\rtf1\\b }", ""); }));
  EXPECT_FALSE(Marks([&] { doc.StoreMonthCommentary("2005/03", "{\\rtf1\\b }", ""); }));
  EXPECT_EQ(doc.m_DataTxt.size() + doc.m_DataMesice.size(), 0u);
}

TEST_F(TedDocRecords, DayCommentaryKeepsTheNoteAndIsDecidedOnPlainText) {
  doc.StoreDay("2005/03/07", "porada", "", "");
  EXPECT_TRUE(Marks([&] { doc.StoreDayCommentary("2005/03/07", "{r1}", "text"); }));
  EXPECT_EQ(*doc.GetDayRecord("2005/03/07"), (CEntrTxt{"porada", "{r1}", "text", ""}));
  EXPECT_FALSE(Marks([&] { doc.StoreDayCommentary("2005/03/07", "{r1}", "text"); }));
  // Formatting only: the note still keeps the record.
  EXPECT_TRUE(Marks([&] { doc.StoreDayCommentary("2005/03/07", "{r2}", ""); }));
  EXPECT_EQ(*doc.GetDayRecord("2005/03/07"), (CEntrTxt{"porada", "{r2}", "", ""}));
  doc.StoreDay("2005/03/07", "", "{r2}", "");
  EXPECT_EQ(doc.GetDayRecord("2005/03/07"), nullptr);

  EXPECT_TRUE(Marks([&] { doc.StoreDayCommentary("2005/03/08", "{r}", "jen text"); }));
  EXPECT_EQ(*doc.GetDayRecord("2005/03/08"), (CEntrTxt{"", "{r}", "jen text", ""}));
  EXPECT_TRUE(Marks([&] { doc.StoreDayCommentary("2005/03/08", "{r}", ""); }));
  EXPECT_EQ(doc.GetDayRecord("2005/03/08"), nullptr);
}

TEST_F(TedDocRecords, MonthCommentaryComesAndGoesWithItsText) {
  EXPECT_TRUE(Marks([&] { doc.StoreMonthCommentary("2005/03", "{m}", "březen"); }));
  EXPECT_EQ(*doc.GetMonthRecord("2005/03"), (CEntrTxt{"", "{m}", "březen", ""}));
  EXPECT_EQ(doc.GetRecordCount(), 0);  // the count is of days only
  EXPECT_FALSE(Marks([&] { doc.StoreMonthCommentary("2005/03", "{m}", "březen"); }));
  EXPECT_TRUE(Marks([&] { doc.StoreMonthCommentary("2005/03", "{m2}", ""); }));
  EXPECT_EQ(doc.GetMonthRecord("2005/03"), nullptr);
}

// Records read from a file are kept as read until a store changes them: the save then writes the
// changed ones anew and every other record as it was.
TEST_F(TedDocRecords, StoresAfterLoadingChangeOnlyTheirRecords) {
  CTedDoc source(ui);
  test::CalendarBuilder(source).EveryKindOfRecord();
  const std::string bytes = StoreCalendar(source);
  std::string reason;
  ASSERT_TRUE(LoadCalendar(bytes, doc, ui, reason)) << reason;
  const CEntrTxt same = *doc.GetDayRecord("2005/03/07");
  EXPECT_FALSE(Marks([&] { doc.StoreDay("2005/03/07", same.m_Poznamka, same.m_Rtf, same.m_Text); }));
  EXPECT_FALSE(
      Marks([&] { doc.StoreMonthCommentary("2005/03", doc.GetMonthRecord("2005/03")->m_Rtf, "x"); }));
  EXPECT_EQ(StoreCalendar(doc), bytes);

  for (CTedDoc* d : {&doc, &source}) {
    d->StoreDay("2005/03/08", "zm\xecna", "", "");
    d->StoreDayCommentary("2000/01/01", "{\\rtf1 nov\xfd}", "nov\xfd");
    d->StoreMonthCommentary("2020/12", "", "");
    d->StoreDay("2010/06/01", "nov\xfd den", "", "");
  }
  EXPECT_EQ(StoreCalendar(doc), StoreCalendar(source));
  EXPECT_EQ(doc.GetDayRecord("2005/03/08")->m_Poznamka, "zm\xecna");
}

TEST_F(TedDocRecords, KeysAreExactBytes) {
  doc.StoreDay("2005/03/07", "a", "", "");
  EXPECT_EQ(doc.GetDayRecord("2005/3/7"), nullptr);
  EXPECT_EQ(doc.GetMonthRecord("2005/03/07"), nullptr);
}

TEST_F(TedDocRecords, DeletingAMissingRecordIsAConsistencyFailure) {
  EXPECT_FALSE(doc.DelEmptyDate("2005/03/07"));
  EXPECT_FALSE(doc.DelEmptyDate(kMonthRecords, "2005/03"));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Chyba: DelEmptyDate 1", "Chyba: DelEmptyDate 1"}));
  doc.StoreMonthCommentary("2005/03", "{m}", "x");
  EXPECT_FALSE(doc.DelEmptyDate("2005/03"));  // the day form does not touch month records
  EXPECT_TRUE(doc.DelEmptyDate(kMonthRecords, "2005/03"));
}

TEST_F(TedDocRecords, ObserversHearOnlyChangesOfTheFlag) {
  doc.StoreDay("2005/03/07", "a", "", "");
  doc.StoreDay("2005/03/08", "b", "", "");
  doc.SetModifiedFlag(false);
  doc.SetModifiedFlag(false);
  EXPECT_EQ(changes, (std::vector<bool>{true, false}));
}

TEST_F(TedDocRecords, NewDocumentEmptiesEverythingAndTitleFollowsThePath) {
  doc.StoreDay("2005/03/07", "a", "", "");
  doc.m_Heslo = "x";
  doc.m_Autor = "autor";
  doc.m_Ochrana = 5;
  doc.m_Verze = 1;
  doc.m_bReadOnly = true;
  doc.m_Styles.Insert("Standard1", {});
  doc.m_Names.m_Slots[2].m_SeznamJmen.push_back("x");
  doc.SetPathName("/tmp/a/Kalendar.orv");
  EXPECT_EQ(doc.GetTitle(), "Kalendar.orv");
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.GetRecordCount(), 0);
  EXPECT_TRUE(doc.m_Heslo.empty() && doc.m_Autor.empty() && doc.m_Styles.empty());
  EXPECT_EQ(doc.m_Names.m_Slots[2].m_SeznamJmen.size(), 5u);  // the built-in other holidays only
  EXPECT_EQ(doc.m_Names.m_Slots[0].m_SeznamJmen.size(), 368u);
  EXPECT_EQ(doc.m_Ochrana, 0u);
  EXPECT_EQ(doc.m_Verze, 3u);
  EXPECT_EQ(doc.m_Magic, 0x0026F74Fu);
  EXPECT_FALSE(doc.m_bReadOnly);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "Nepojmenovaný");
}

}  // namespace
}  // namespace orv
