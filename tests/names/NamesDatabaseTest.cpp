#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "FakeUiServices.h"
#include "core/BuiltinHolidays.h"
#include "core/Cp1250.h"
#include "names/CzechCollation.h"
#include "names/NameLists.h"
#include "names/NamesDatabase.h"

namespace orv {
namespace {

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

std::vector<std::string> W(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* s : utf8) out.push_back(W(s));
  return out;
}

size_t EntriesOf(const CNamesDatabase& db, int category) {
  size_t n = 0;
  for (const auto& [key, names] : db.m_Slots[category].m_JmenaPodleData) n += names.m_List.size();
  return n;
}

class NewCalendar : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SeedNewCalendarNames(db, 2005)); }
  test::FakeUiServices ui;
  CNamesDatabase db{ui};
};

TEST_F(NewCalendar, HoldsTheBuiltinEntriesAndEasterMonday) {
  struct Case {
    int category;
    size_t entries;
  };
  for (const Case& c : {Case{kNameDays, 368}, Case{kStateHolidays, 7}, Case{kOtherHolidays, 6},
                        Case{kPrivateHolidays, 0}, Case{kSignificantDays, 6}, Case{5, 0}}) {
    const CNameCategory& slot = db.m_Slots[c.category];
    EXPECT_EQ(EntriesOf(db, c.category), c.entries) << c.category;
    EXPECT_EQ(slot.m_DatumPodleJmena.size(), c.entries) << c.category;
    EXPECT_EQ(slot.m_SeznamJmen.size(), c.entries) << c.category;
  }
  EXPECT_EQ(db.NamesOn(kOtherHolidays, "03/28"), std::vector<std::string>{EasterMondayName()});
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(NewCalendar, NewYearsDayIsAStateAndAnOtherHolidayWithoutNameDay) {
  EXPECT_EQ(db.NamesOn(kStateHolidays, "01/01"), W({"Den obnovy samostatného českého státu"}));
  EXPECT_EQ(db.NamesOn(kOtherHolidays, "01/01"), W({"Nový rok"}));
  EXPECT_TRUE(db.NamesOn(kNameDays, "01/01").empty());
  EXPECT_EQ(db.NamesOn(kNameDays, "06/29"), W({"Petr a Pavel", "Pavel"}));
  EXPECT_EQ(db.m_Slots[kNameDays].m_DatumPodleJmena.Find(W("Pavel"))->m_Str, "06/29");
}

TEST_F(NewCalendar, EasterMondayFollowsTheYear) {
  struct Case {
    int year;
    const char* monday;
  };
  for (const Case& c : {Case{2002, "04/01"}, Case{2008, "03/24"}, Case{2011, "04/25"}, Case{2013, "04/01"},
                        Case{2005, "03/28"}, Case{2006, "04/17"}}) {
    db.UpdateEasterMonday(c.year);
    const CNameCategory& slot = db.m_Slots[kOtherHolidays];
    EXPECT_EQ(db.NamesOn(kOtherHolidays, c.monday), std::vector<std::string>{EasterMondayName()}) << c.year;
    EXPECT_EQ(slot.m_DatumPodleJmena.Find(EasterMondayName())->m_Str, c.monday);
    EXPECT_EQ(std::count(slot.m_SeznamJmen.begin(), slot.m_SeznamJmen.end(), EasterMondayName()), 1);
    EXPECT_EQ(EntriesOf(db, kOtherHolidays), 6u) << c.year;
  }
  EXPECT_FALSE(db.m_Slots[kOtherHolidays].m_JmenaPodleData.Contains("03/28"));  // 2005 left nothing

  for (int year : {1999, 2021}) {
    db.UpdateEasterMonday(year);
    EXPECT_EQ(EntriesOf(db, kOtherHolidays), 5u) << year;
    EXPECT_FALSE(db.m_Slots[kOtherHolidays].m_DatumPodleJmena.Contains(EasterMondayName()));
    EXPECT_TRUE(db.m_Velikonoce.empty());
  }
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(NewCalendar, NameListsAreInCzechOrder) {
  const std::vector<std::string>& list = db.m_Slots[kNameDays].m_SeznamJmen;
  const auto before = [](const std::string& a, const std::string& b) { return CzechCompare(a, b) < 0; };
  EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), before));
  const auto at = [&](const char* name) {
    return std::find(list.begin(), list.end(), W(name)) - list.begin();
  };
  EXPECT_LT(at("Ctirad"), at("Čestmír"));
  EXPECT_LT(at("Čestmír"), at("Dalibor"));
  EXPECT_LT(at("Hynek"), at("Jáchym"));
  for (int k = kNameDays; k <= kSignificantDays; ++k)
    EXPECT_TRUE(std::is_sorted(db.m_Slots[k].m_SeznamJmen.begin(), db.m_Slots[k].m_SeznamJmen.end(), before));
}

TEST(CzechCollation, SortsAccentsWithTheirLettersAndChAfterH) {
  const std::vector<const char*> ascending = {"Adam",  "Ctirad",  "Čestmír", "Dalibor", "Hugo",
                                              "Hynek", "Chrudoš", "Ivan",    "Rút",     "Řehoř",
                                              "Sára",  "Šárka",   "Zuzana",  "Žaneta"};
  for (size_t i = 0; i + 1 < ascending.size(); ++i) {
    EXPECT_LT(CzechCompare(W(ascending[i]), W(ascending[i + 1])), 0)
        << ascending[i] << " " << ascending[i + 1];
    EXPECT_GT(CzechCompare(W(ascending[i + 1]), W(ascending[i])), 0)
        << ascending[i + 1] << " " << ascending[i];
  }
  EXPECT_EQ(CzechCompare(W("Čestmír"), W("Čestmír")), 0);
}

TEST(InsToStrList, KeepsAnyInsertionOrderSorted) {
  std::vector<std::string> all;
  for (int month = 1; month <= 12; ++month)
    for (const BuiltinHoliday& e : BuiltinNameDays(month)) all.push_back(e.name);
  std::vector<std::string> expected = all;
  std::sort(expected.begin(), expected.end(),
            [](const std::string& a, const std::string& b) { return CzechCompare(a, b) < 0; });

  std::vector<std::string> reversed(all.rbegin(), all.rend());
  std::vector<std::string> shuffled = all;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
  test::FakeUiServices ui;
  CNamesDatabase db(ui);
  for (const auto* order : {&all, &reversed, &shuffled, &expected}) {
    std::vector<std::string> list;
    for (const std::string& name : *order) EXPECT_TRUE(db.InsToStrList(list, name));
    EXPECT_EQ(list, expected);
  }
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(InsToStrList, RefusesBlanksAndDuplicatesAndTrims) {
  test::FakeUiServices ui;
  CNamesDatabase db(ui);
  std::vector<std::string> list = W({"Adam", "Eva"});
  EXPECT_FALSE(db.InsToStrList(list, "   "));
  EXPECT_FALSE(db.InsToStrList(list, "Eva"));
  EXPECT_FALSE(db.InsToStrList(list, " Eva "));
  EXPECT_TRUE(db.InsToStrList(list, "  Bohdan "));
  EXPECT_EQ(list, W({"Adam", "Bohdan", "Eva"}));
}

TEST(AddName, TrimsTheNameAndRefusesBlanks) {
  struct Case {
    const char* name;
    bool added;
    const char* stored;
  };
  for (const Case& c :
       {Case{" Jan ", true, "Jan"}, Case{"Jan", true, "Jan"}, Case{"Petr a Pavel  ", true, "Petr a Pavel"},
        Case{"   ", false, ""}, Case{"", false, ""}}) {
    test::FakeUiServices ui;
    CNamesDatabase db(ui);
    EXPECT_EQ(db.AddName(kNameDays, c.name, "06/24"), c.added) << '"' << c.name << '"';
    const CNameCategory& slot = db.m_Slots[kNameDays];
    if (c.added) {
      EXPECT_EQ(db.NamesOn(kNameDays, "06/24"), std::vector<std::string>{c.stored});
      EXPECT_EQ(slot.m_DatumPodleJmena.Find(c.stored)->m_Str, "06/24");
      EXPECT_EQ(slot.m_SeznamJmen, std::vector<std::string>{c.stored});
    } else {
      EXPECT_TRUE(slot.m_JmenaPodleData.empty());
      EXPECT_TRUE(slot.m_DatumPodleJmena.empty());
      EXPECT_TRUE(slot.m_SeznamJmen.empty());
    }
  }
}

TEST(AddName, NamesOfOneDayShareAListUntilBothAreRemoved) {
  test::FakeUiServices ui;
  CNamesDatabase db(ui);
  ASSERT_TRUE(db.AddName(kNameDays, "Elena", "03/16"));
  ASSERT_TRUE(db.AddName(kNameDays, "Herbert", "03/16"));
  ASSERT_TRUE(db.AddName(kStateHolidays, "Elena", "01/01"));  // other categories live apart
  EXPECT_EQ(db.NamesOn(kNameDays, "03/16"), W({"Elena", "Herbert"}));
  EXPECT_EQ(db.m_Slots[kNameDays].m_JmenaPodleData.size(), 1u);

  EXPECT_TRUE(db.RemoveName(kNameDays, "Elena"));
  EXPECT_EQ(db.NamesOn(kNameDays, "03/16"), W({"Herbert"}));
  EXPECT_TRUE(db.RemoveName(kNameDays, "Herbert"));
  EXPECT_FALSE(db.m_Slots[kNameDays].m_JmenaPodleData.Contains("03/16"));
  EXPECT_TRUE(db.m_Slots[kNameDays].m_DatumPodleJmena.empty());
  EXPECT_TRUE(db.m_Slots[kNameDays].m_SeznamJmen.empty());
  EXPECT_EQ(db.NamesOn(kStateHolidays, "01/01"), W({"Elena"}));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(AddName, ASecondDateMovesTheNameButLeavesTheFirstList) {
  test::FakeUiServices ui;
  CNamesDatabase db(ui);
  db.AddName(kPrivateHolidays, "Jan", "06/24");
  db.AddName(kPrivateHolidays, "Jan", "07/01");
  EXPECT_EQ(db.m_Slots[kPrivateHolidays].m_DatumPodleJmena.Find("Jan")->m_Str, "07/01");
  EXPECT_EQ(db.NamesOn(kPrivateHolidays, "06/24"), W({"Jan"}));
  EXPECT_EQ(db.NamesOn(kPrivateHolidays, "07/01"), W({"Jan"}));
  EXPECT_EQ(db.m_Slots[kPrivateHolidays].m_SeznamJmen, W({"Jan"}));
}

TEST(RemoveName, ReportsEachBrokenReference) {
  struct Case {
    const char* what;
    void (*breakIt)(CNameCategory&);
    const char* message;
  };
  const Case cases[] = {
      {"not listed", [](CNameCategory& s) { s.m_SeznamJmen.clear(); }, "Chyba: RemoveName 1"},
      {"no date", [](CNameCategory& s) { s.m_DatumPodleJmena.clear(); }, "Chyba: RemoveName 2"},
      {"date without names", [](CNameCategory& s) { s.m_JmenaPodleData.clear(); }, "Chyba: RemoveName 3"},
      {"not among the date's names",
       [](CNameCategory& s) { s.m_JmenaPodleData.Find("03/16")->m_List = {"Herbert"}; },
       "Chyba: RemoveName 4"},
  };
  for (const Case& c : cases) {
    test::FakeUiServices ui;
    CNamesDatabase db(ui);
    db.AddName(kNameDays, "Elena", "03/16");
    c.breakIt(db.m_Slots[kNameDays]);
    EXPECT_FALSE(db.RemoveName(kNameDays, "Elena")) << c.what;
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message}) << c.what;
  }

  test::FakeUiServices ui;
  CNamesDatabase db(ui);
  EXPECT_FALSE(db.RemoveName(kOtherHolidays, EasterMondayName()));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(LoadKonstSabl, StopsAtAMonthWhoseListsDiffer) {
  test::FakeUiServices ui;
  CNamesDatabase db(ui);
  db.FillBuiltinNameDays();
  db.m_SvatkyData[3].pop_back();
  EXPECT_FALSE(db.LoadKonstSabl());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Chyba: LoadKonstSabl 1"});
  EXPECT_EQ(db.m_Slots[kNameDays].m_SeznamJmen.size(), 29u + 29u + 33u);  // January to March stay
  EXPECT_TRUE(db.m_Slots[kStateHolidays].m_SeznamJmen.empty());
}

TEST(FormatAnniversary, DayThenGenitiveMonth) {
  struct Case {
    const char* key;
    const char* shown;
  };
  for (const Case& c :
       {Case{"03/07", "07. března"}, Case{"06/24", "24. června"}, Case{"12/31", "31. prosince"},
        Case{"01/01", "01. ledna"}, Case{"13/01", "13/01"}, Case{"", ""}})
    EXPECT_EQ(Cp1250ToUtf8(FormatAnniversary(c.key)), c.shown) << c.key;
}

TEST_F(NewCalendar, ListsInAlphabeticalAndCalendarOrder) {
  const std::vector<CNameListEntry> alphabetical = AlphabeticalNames(db, kNameDays);
  ASSERT_EQ(alphabetical.size(), 368u);
  EXPECT_EQ(alphabetical.front(), (CNameListEntry{W("Adam a Eva"), "12/24"}));
  EXPECT_EQ(alphabetical.back(), (CNameListEntry{W("Žofie"), "05/15"}));

  const std::vector<CNameListEntry> state = ChronologicalNames(db, kStateHolidays);
  ASSERT_EQ(state.size(), 7u);
  for (size_t i = 0; i < state.size(); ++i) {
    EXPECT_EQ(state[i].name, BuiltinStateHolidays()[i].name);
    EXPECT_EQ(state[i].anniversaryKey, BuiltinStateHolidays()[i].key);
  }
  const std::vector<CNameListEntry> nameDays = ChronologicalNames(db, kNameDays);
  ASSERT_EQ(nameDays.size(), 368u);
  EXPECT_EQ(nameDays[0], (CNameListEntry{W("Karina"), "01/02"}));

  db.m_Slots[kNameDays].m_DatumPodleJmena.Erase(W("Alan"));
  EXPECT_EQ(AlphabeticalNames(db, kNameDays).size(), 5u);  // Adam a Eva, Adéla, Adolf, Adriana, Agáta
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Alan", "CDlgSvatky - OnInit - Chyba konzistence 1"}));
}

TEST_F(NewCalendar, CopyIsDeepAndTwoCopiesRestoreTheWriteOrder) {
  test::FakeUiServices otherUi;
  CNamesDatabase copy(otherUi);
  copy.AddName(kPrivateHolidays, W("Stará položka"), "02/02");
  copy.CopyNamesFrom(db);
  EXPECT_TRUE(copy.m_Slots[kPrivateHolidays].m_SeznamJmen.empty());
  EXPECT_EQ(copy.m_Slots[kNameDays].m_SeznamJmen, db.m_Slots[kNameDays].m_SeznamJmen);

  copy.AddName(kPrivateHolidays, W("Babička"), "02/02");
  EXPECT_TRUE(db.m_Slots[kPrivateHolidays].m_SeznamJmen.empty());

  CNamesDatabase back(otherUi);
  back.CopyNamesFrom(copy);
  back.RemoveName(kPrivateHolidays, W("Babička"));
  for (int k = 0; k < kCategorySlots; ++k) {
    std::vector<std::string> original, twice;
    for (const auto& entry : db.m_Slots[k].m_JmenaPodleData) original.push_back(entry.first);
    for (const auto& entry : back.m_Slots[k].m_JmenaPodleData) twice.push_back(entry.first);
    EXPECT_EQ(twice, original) << k;
    for (const auto& [key, names] : db.m_Slots[k].m_JmenaPodleData)
      EXPECT_EQ(back.m_Slots[k].m_JmenaPodleData.Find(key)->m_List, names.m_List);
    std::vector<std::string> originalNames, twiceNames;
    for (const auto& entry : db.m_Slots[k].m_DatumPodleJmena) originalNames.push_back(entry.first);
    for (const auto& entry : back.m_Slots[k].m_DatumPodleJmena) twiceNames.push_back(entry.first);
    EXPECT_EQ(twiceNames, originalNames) << k;
  }
}

}  // namespace
}  // namespace orv
