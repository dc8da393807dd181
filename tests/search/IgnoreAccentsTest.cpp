#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "search/NoteSearch.h"
#include "search/PreviewHighlights.h"
#include "search/SearchEngine.h"

namespace orv {
namespace {

struct AccentCase {
  const char* input;  // UTF-8
  const char* text;   // UTF-8
  bool wholeWords, useMask, logical, matchCase;
  bool withOption, without;
};

TEST(IgnoreAccents, EveryAccentedLetterMatchesItsBaseLetterBothWays) {
  for (const AccentCase& c : {
           AccentCase{"cervenec", "Červenec 2004", false, false, false, false, true, false},
           {"ČERVENEC", "cervenec", false, false, false, false, true, false},
           {"Řeka", "reka", false, false, false, true, false,
            false},  // case still counts with "malá a VELKÁ"
           {"Řeka", "Reka", false, false, false, true, true, false},
           {"kun", "žluťoučký kůň", false, true, false, false, true, false},
           {"kůň", "kun", true, false, false, false, true, false},
           {"den", "dení", true, false, false, false, false, false},  // the words stay words
           {"uk?l", "úkol", true, true, false, false, true, false},
           {"ukol*", "úkoly", true, true, false, false, true, false},
           {"*ar", "kalendář", true, true, false, false, true, false},
           {"k*r", "kalendář", true, true, false, false, true, false},
           {"skola AND NOT ucitel", "Škola, učitel", false, false, true, false, false, false},
           {"skola AND NOT ucitel", "Škola, ředitel", false, false, true, false, true, false},
           {"(strom OR ker) AND zahrade", "keř v zahradě", false, false, true, false, true, false},
           {"(strom OR keř) AND zahrad", "keř v zahradě", false, false, true, false, true, true},
           {"e", "é", false, false, false, false, true, false},
       }) {
    for (const bool option : {true, false}) {
      test::FakeUiServices ui;
      SearchOptions options;
      options.wholeWords = c.wholeWords;
      options.useMask = c.useMask;
      options.logical = c.logical;
      options.matchCase = c.matchCase;
      options.ignoreAccents = option;
      CSearchEngine engine;
      ASSERT_TRUE(engine.Prepare(Cp1250FromUtf8(c.input), options, ui)) << c.input;
      EXPECT_EQ(engine.Matches(Cp1250FromUtf8(c.text), ui), option ? c.withOption : c.without)
          << c.input << " in " << c.text << (option ? " without accents" : "");
    }
  }
}

TEST(IgnoreAccents, PreviewsColourTheAccentedOccurrences) {
  test::FakeUiServices ui;
  SearchOptions options;
  options.ignoreAccents = true;
  const std::string text = Cp1250FromUtf8("Úkol, ukol a ÚKOL");
  EXPECT_EQ(FindPreviewHighlights(text, "ukol", options, ui).ranges,
            (std::vector<TextRange>{{0, 4}, {6, 10}, {13, 17}}));
}

TEST(IgnoreAccents, NoteSearchTakesTheOptionToo) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  test::CalendarBuilder(doc).Day("2004/03/05", Cp1250FromUtf8("Oběd u babičky")).Day("2004/03/06", "obed");
  CNoteSearch search;
  ASSERT_EQ(search.Search(doc, Cp1250FromUtf8("obed"), true, false, ui), NoteSearchStatus::Found);
  EXPECT_EQ(search.FoundKeys().Size(), 1u);
  search.SetIgnoreAccents(true);
  ASSERT_EQ(search.Search(doc, Cp1250FromUtf8("babicky"), true, false, ui), NoteSearchStatus::Found);
  EXPECT_EQ(search.FoundKeys().Keys(), std::vector<std::string>{"2004/03/05"});
  ASSERT_EQ(search.Search(doc, Cp1250FromUtf8("OBĚD"), true, false, ui), NoteSearchStatus::Found);
  EXPECT_EQ(search.FoundKeys().Size(), 2u);
}

}  // namespace
}  // namespace orv
