#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "search/NoteSearch.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;
using Keys = std::vector<std::string>;

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

TEST(NoteSearch, FindsTrimmedTextInNotesAndListsDateAndNote) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  test::CalendarBuilder(doc)
      .Day("2004/03/05", W("Oběd s Petrem"))
      .Day("2004/01/20", W("oběd 2x"), W("oběd i ve výkladu"))
      .Day("2004/02/02", W("obědy"))
      .Day("2004/02/03", "", W("Oběd jen ve výkladu"));
  CNoteSearch search;
  EXPECT_EQ(search.Search(doc, W("  oběd \t"), /*wholeWords=*/true, /*matchCase=*/false, ui),
            NoteSearchStatus::Found);
  EXPECT_EQ(search.FoundKeys().Keys(), (Keys{"2004/01/20", "2004/03/05"}));
  ASSERT_EQ(search.Entries().size(), 2u);
  EXPECT_EQ(Cp1250ToUtf8(search.Entries()[0]), "20. ledna 2004\toběd 2x");
  EXPECT_EQ(Cp1250ToUtf8(search.Entries()[1]), "05. března 2004\tOběd s Petrem");
  EXPECT_EQ(search.SelectedKey(1, ui), "2004/03/05");
  EXPECT_EQ(search.SelectedKey(std::nullopt, ui), "");
  EXPECT_EQ(ui.Messages(), Messages{});

  EXPECT_EQ(search.SelectedKey(2, ui), "");
  EXPECT_EQ(ui.Messages(), Messages{"inkonzistence v CDlgFultxt"});

  EXPECT_EQ(search.Search(doc, W("Oběd"), false, /*matchCase=*/true, ui), NoteSearchStatus::Found);
  EXPECT_EQ(search.FoundKeys().Keys(), Keys{"2004/03/05"});
}

TEST(NoteSearch, Messages) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CNoteSearch search;
  EXPECT_EQ(search.Search(doc, " \t", false, false, ui), NoteSearchStatus::Refused);
  EXPECT_EQ(search.Search(doc, "x", false, false, ui), NoteSearchStatus::NotFound);
  test::CalendarBuilder(doc).Day("2004/03/05", "den");
  EXPECT_EQ(search.Search(doc, W("noc"), false, false, ui), NoteSearchStatus::NotFound);
  EXPECT_EQ(search.Entries().size(), 0u);
  EXPECT_EQ(search.Search(doc, " " + std::string(256, 'd') + " ", false, false, ui),
            NoteSearchStatus::Refused);
  EXPECT_EQ(ui.Messages(),
            (Messages{"Zadejte hledaný text !", "Kalendář je prázdný", "Hledaný text nebyl nalezen !",
                      "Hledaný výraz je příliš dlouhý (nejvýše 255 znaků)."}));
}

TEST(NoteSearch, KeepsTheHundredEarliestDays) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  test::CalendarBuilder builder(doc);
  std::vector<std::string> keys;
  for (int i = 149; i >= 0; --i) {
    keys.push_back(DayKey(2004 + i / 28, 1 + i % 12, 1 + i % 28));
    builder.Day(keys.back(), "porada");
  }
  std::sort(keys.begin(), keys.end());
  keys.resize(100);
  CNoteSearch search;
  ASSERT_EQ(search.Search(doc, "Porada", true, false, ui), NoteSearchStatus::Found);
  EXPECT_EQ(search.Entries().size(), 100u);
  EXPECT_EQ(search.FoundKeys().Keys(), keys);
}

}  // namespace
}  // namespace orv
