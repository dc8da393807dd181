// The two names dialogs without their widgets: the lists of one category, and changing the entries
// of a day in a private copy of the database.
#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "core/BuiltinHolidays.h"
#include "core/Cp1250.h"
#include "names/ChangeHolidaysModel.h"
#include "names/CzechCollation.h"
#include "names/HolidayListsModel.h"
#include "names/NamesDatabase.h"

namespace orv {
namespace {

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class HolidayDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SeedNewCalendarNames(db, 2005)); }
  int LineOf(const CHolidayListsModel& lists, const char* name) const {
    for (int i = 0; i < static_cast<int>(lists.Entries().size()); ++i)
      if (lists.Entries()[i].name == W(name)) return i;
    return -1;
  }
  test::FakeUiServices ui;
  CNamesDatabase db{ui};
};

TEST_F(HolidayDialogsTest, ListsOpenAlphabeticallyAndShowOtherCategoriesByDate) {
  CHolidayListsModel lists(db);
  EXPECT_STREQ(lists.Title(), "Abecední seznam jmen");
  const int horymir = LineOf(lists, "Horymír");
  ASSERT_GE(horymir, 0);
  EXPECT_EQ(lists.LineText(horymir), W("Horymír\t29. února"));
  EXPECT_EQ(lists.ChosenName(horymir), W("Horymír"));
  ASSERT_TRUE(lists.Ok(horymir));
  EXPECT_EQ(lists.Result(), "02/29");

  lists.SetCategory(kPrivateHolidays);
  EXPECT_STREQ(lists.Title(), "Chronologický seznam narozenin");
  EXPECT_TRUE(lists.Entries().empty());
  ASSERT_TRUE(lists.Ok(-1));
  EXPECT_EQ(lists.Result(), "");

  db.AddName(kPrivateHolidays, W("Teta Věra"), "03/16");
  db.AddName(kPrivateHolidays, W("Děda"), "03/16");
  db.AddName(kPrivateHolidays, W("Máma"), "01/02");
  lists.SetCategory(kPrivateHolidays);
  ASSERT_EQ(lists.Entries().size(), 3u);
  EXPECT_EQ(lists.LineText(0), W("02. ledna\tMáma"));
  EXPECT_EQ(lists.LineText(1), W("16. března\tTeta Věra"));
  EXPECT_EQ(lists.LineText(2), W("16. března\tDěda"));
  EXPECT_EQ(lists.ChosenName(1), "");  // chronological lines do not fill the edit field
  EXPECT_EQ(lists.Type("Teta"), CTypedMatch{});
}

TEST_F(HolidayDialogsTest, ChronologicalChoiceFindsTheLinesOwnNameNotOneInsideIt) {
  db.AddName(kSignificantDays, W("Alžběta Marie"), "11/19");
  db.AddName(kSignificantDays, "Marie", "09/12");
  CHolidayListsModel lists(db);
  lists.SetCategory(kSignificantDays);
  ASSERT_TRUE(lists.Ok(LineOf(lists, "Alžběta Marie")));
  EXPECT_EQ(lists.Result(), "11/19");
}

TEST_F(HolidayDialogsTest, TypingSelectsAnEqualNameOrScrollsToTheFirstSharingThePrefix) {
  CHolidayListsModel lists(db);
  const int jan = LineOf(lists, "Jan");
  struct Case {
    const char* typed;
    CTypedMatch match;
  };
  const Case cases[] = {
      {"jan", {jan, jan}},
      {"JA", {-1, LineOf(lists, "Jakub")}},
      {"Xaver", {}},
      {"Horymírek", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(lists.Type(W(c.typed)), c.match) << c.typed;
  EXPECT_LT(LineOf(lists, "Jakub"), LineOf(lists, "Jan"));
}

class ChangeHolidaysTest : public HolidayDialogsTest {
 protected:
  std::vector<std::string> Entries(const CChangeHolidaysModel& m) const { return m.Entries(); }
};

TEST_F(ChangeHolidaysTest, DayListKeysWrapTheMonthAndStopAtItsEnds) {
  CChangeHolidaysModel change(db, 12, 31);
  change.HandleDayKey(EDayListKey::Right);
  EXPECT_EQ(change.Month(), 1);
  change.HandleDayKey(EDayListKey::Left);
  change.HandleDayKey(EDayListKey::Down);
  EXPECT_EQ(change.Day(), 31);
  change.HandleDayKey(EDayListKey::Left);  // November has 30 days
  EXPECT_EQ(change.Day(), 30);
  change.SelectDay(1);
  change.HandleDayKey(EDayListKey::Up);
  EXPECT_EQ(change.Day(), 1);
  CChangeHolidaysModel february(db, 2, 10);
  february.HandleDayKey(EDayListKey::End);
  EXPECT_EQ(february.Day(), 29);
  EXPECT_EQ(february.DayLabels().front(), "01");
  EXPECT_EQ(february.DayLabels().size(), 29u);
  EXPECT_EQ(february.MonthText(), W("Únor"));
  EXPECT_EQ(Entries(february), std::vector<std::string>{W("Horymír")});
  february.HandleDayKey(EDayListKey::Home);
  EXPECT_EQ(february.Day(), 1);
}

TEST_F(ChangeHolidaysTest, PromptFollowsTheCategoryAndThePairNamesStayHidden) {
  CChangeHolidaysModel change(db, 6, 29);
  EXPECT_EQ(change.Prompt(), "Zadejte nové jméno :");
  EXPECT_EQ(Entries(change), std::vector<std::string>{"Petr a Pavel"});
  change.SetCategory(kPrivateHolidays);
  EXPECT_EQ(change.Prompt(), "Zadejte nový soukromý svátek");
  change.SetCategory(kNameDays);
  EXPECT_EQ(change.Prompt(), "Zadejte nové jméno");
}

TEST_F(ChangeHolidaysTest, AddTrimsAndRefusesBlankAndTakenNames) {
  CChangeHolidaysModel change(db, 3, 16);
  EXPECT_FALSE(change.Add("   "));
  EXPECT_FALSE(change.Add(W("Horymír")));  // already on 29 February
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Nový název nemůže být tvořen mezerami.",
                                                     "Tato položka je již přiřazena k datu 29. února"}));
  EXPECT_TRUE(change.Add(W("  Ďobromil ")));
  EXPECT_EQ(Entries(change), (std::vector<std::string>{"Elena", "Herbert", W("Ďobromil")}));
  const auto& list = change.Names().m_Slots[kNameDays].m_SeznamJmen;
  EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
    return CzechCompare(a, b) < 0;
  }));
  EXPECT_EQ(change.Names().m_Slots[kNameDays].m_DatumPodleJmena.Find(W("Ďobromil"))->m_Str, "03/16");
  // The calendar's own database is untouched until WriteBack.
  EXPECT_EQ(db.m_Slots[kNameDays].m_DatumPodleJmena.Find(W("Ďobromil")), nullptr);
  change.WriteBack(db);
  EXPECT_EQ(db.NamesOn(kNameDays, "03/16").size(), 3u);
}

// The day's entries and the month rows leave "Eva" and "Pavel" out, so such an entry could be neither
// seen nor removed: neither adding nor renaming makes one, in any category.
TEST_F(ChangeHolidaysTest, NamesTheCalendarNeverShowsAloneAreRefused) {
  const std::string refusal =
      "Jména Eva a Pavel kalendář samostatně nezobrazuje, nelze je proto přidat.\r\nZadejte jiný název.";
  CChangeHolidaysModel change(db, 3, 16);
  change.SetCategory(kPrivateHolidays);
  EXPECT_FALSE(change.Add(" Eva "));
  EXPECT_TRUE(change.Add("Teta"));
  EXPECT_FALSE(change.Rename("Teta", "Pavel"));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{refusal, refusal}));
  EXPECT_EQ(change.Names().NamesOn(kPrivateHolidays, "03/16"), std::vector<std::string>{"Teta"});
}

TEST_F(ChangeHolidaysTest, RemoveChoosesTheEntryAndRefusesTheProtectedOnes) {
  CChangeHolidaysModel change(db, 3, 16);
  EXPECT_FALSE(change.Remove(std::nullopt));  // two entries, none chosen
  EXPECT_TRUE(change.Remove(1));              // Herbert
  EXPECT_TRUE(change.Remove(std::nullopt));   // Elena, the only one left
  EXPECT_FALSE(change.Names().m_Slots[kNameDays].m_JmenaPodleData.Contains("03/16"));
  EXPECT_FALSE(change.Remove(std::nullopt));  // nothing left: nothing said

  CChangeHolidaysModel christmas(db, 12, 24);
  EXPECT_FALSE(christmas.Remove(0));       // "Adam a Eva"
  CChangeHolidaysModel easter(db, 3, 28);  // Easter Monday 2005
  easter.SetCategory(kOtherHolidays);
  ASSERT_EQ(Entries(easter), std::vector<std::string>{EasterMondayName()});
  EXPECT_FALSE(easter.Remove(0));
  EXPECT_FALSE(easter.RenameCandidate(0));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Nejprve je nutno vybrat v seznamu název, \r\nkterý má být vymazán.",
                               "Jména Adam a Eva, Petr a Pavel nelze přejmenovat ani vymazat.",
                               "Velikonoce nelze přejmenovat ani vymazat.",
                               "Velikonoce nelze přejmenovat ani vymazat.",
                           }));
}

TEST_F(ChangeHolidaysTest, RenameChecksTheNewNameAndKeepsTheDay) {
  CChangeHolidaysModel change(db, 3, 16);
  EXPECT_FALSE(change.RenameCandidate(std::nullopt));
  const std::optional<std::string> herbert = change.RenameCandidate(1);
  ASSERT_EQ(herbert, "Herbert");
  EXPECT_FALSE(change.Rename(*herbert, "  "));
  EXPECT_FALSE(change.Rename(*herbert, "Herbert"));
  EXPECT_FALSE(change.Rename(*herbert, "Jan"));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Nejprve je nutno vybrat v seznamu název, \r\nkterý chcete přejmenovat.",
                               "Nový název je prázdný.", "Zadejte nový název do editačního pole",
                               "Tato položka je již přiřazena k datu 24. června"}));
  EXPECT_TRUE(change.Rename(*herbert, "Heribert"));
  EXPECT_EQ(Entries(change), (std::vector<std::string>{"Elena", "Heribert"}));
  const CNameCategory& slot = change.Names().m_Slots[kNameDays];
  EXPECT_EQ(slot.m_DatumPodleJmena.Find("Herbert"), nullptr);
  EXPECT_EQ(std::count(slot.m_SeznamJmen.begin(), slot.m_SeznamJmen.end(), "Heribert"), 1);
}

}  // namespace
}  // namespace orv
