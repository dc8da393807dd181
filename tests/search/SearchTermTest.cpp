#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "search/SearchTerm.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

struct FindCase {
  const char* pattern;  // UTF-8
  const char* text;     // UTF-8
  bool matchCase;
  bool wholeWords;
  bool found;
};

TEST(FindSubstring, CaseFoldsWindows1250AndKeepsDiacritics) {
  for (const FindCase& c : {
           FindCase{"ŘEKA", "Ta řeka teče.", false, false, true},
           {"ŘEKA", "Ta řeka teče.", true, false, false},
           {"říjen", "ŘÍJEN 2005", false, false, true},
           {"ŽLUŤOUČKÝ", "žluťoučký kůň", false, true, true},
           {"e", "é", false, false, false},  // only case folds, never accents
           {"kun", "kůň", false, false, false},
           {"Den", "den", true, false, false},
       }) {
    test::FakeUiServices ui;
    const SearchHit hit =
        FindSubstring(Cp1250FromUtf8(c.pattern), c.matchCase, c.wholeWords, Cp1250FromUtf8(c.text), 0, ui);
    EXPECT_EQ(hit.found, c.found) << c.pattern << " in " << c.text;
    EXPECT_TRUE(ui.Messages().empty());
  }
}

TEST(FindSubstring, WholeWordsNeedSeparatorsOnBothSides) {
  for (const FindCase& c : {
           FindCase{"den", "pondělí", false, true, false},
           {"den", "den,", false, true, true},
           {"den", "každý den", false, true, true},  // the end of the text is a separator
           {"den", "dení", false, true, false},      // a Czech letter is part of the word
           {"den", "den2", false, true, false},      // so is a digit
           {"den", "2den", false, true, false},
           {"den", "(den)", false, true, true},
           {"den", "řádek\r\nden\r\n", false, true, true},
           {"DEN", "Ďden", false, true, false},
           {"den", "vědení", false, true, false},
           {"den", "vědení", false, false, true},
       }) {
    test::FakeUiServices ui;
    EXPECT_EQ(
        FindSubstring(Cp1250FromUtf8(c.pattern), c.matchCase, c.wholeWords, Cp1250FromUtf8(c.text), 0, ui)
            .found,
        c.found)
        << c.pattern << " in " << c.text;
  }
}

TEST(FindSubstring, ReportsRangeAndResumesAfterARejectedOccurrence) {
  test::FakeUiServices ui;
  SearchHit hit = FindSubstring("aa", false, true, "aaa AA", 0, ui);
  EXPECT_TRUE(hit.found);
  EXPECT_EQ(hit.first, 4u);
  EXPECT_EQ(hit.end, 6u);
  // The occurrence at 1 is glued to "b"; the search goes on at its end (3) and so never sees the
  // whole-word occurrence at 3 that overlaps it.
  EXPECT_FALSE(FindSubstring("a a", false, true, "ba a a", 0, ui).found);
  EXPECT_TRUE(FindSubstring("a a", false, true, "ba a a", 2, ui).found);
  hit = FindSubstring("x", true, false, "x x x", 1, ui);
  EXPECT_EQ(hit.first, 2u);
  EXPECT_FALSE(FindSubstring("dlouhý vzor", false, false, "krátký", 0, ui).found);
  EXPECT_FALSE(FindSubstring("a", false, false, "a", 5, ui).found);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(FindSubstring, EmptyPatternIsReportedAndFindsNothing) {
  test::FakeUiServices ui;
  EXPECT_FALSE(FindSubstring("", false, false, "text", 0, ui).found);
  EXPECT_EQ(ui.Messages(), Messages{"Chyba - hledaný řetězec je prázdný."});
}

TEST(FindSubstring, FindsEveryOccurrenceANaiveSearchFinds) {
  // Every byte value in the text, case-mixed patterns of several lengths taken from it, every
  // occurrence in turn: no candidate may be skipped, in the blocks or in the tail.
  std::string text;
  for (int round = 0; round < 3; ++round)
    for (int b = 1; b < 256; ++b) text += static_cast<char>((b * 37 + round * 11) % 255 + 1);
  text += text.substr(0, 40);
  const std::string lower = Cp1250ToLower(text);
  for (std::size_t len : {1u, 2u, 3u, 7u, 17u, 40u}) {
    for (std::size_t at = 0; at + len <= text.size(); at += 89) {
      const std::string pattern = Cp1250ToUpper(text.substr(at, len));
      const std::string folded = Cp1250ToLower(pattern);
      test::FakeUiServices ui;
      for (std::size_t from = 0;; ++from) {
        const SearchHit hit = FindSubstring(pattern, false, false, text, from, ui);
        const std::size_t expected = lower.find(folded, from);
        ASSERT_EQ(hit.found, expected != std::string::npos) << len << " at " << at << " from " << from;
        if (!hit.found) break;
        ASSERT_EQ(hit.first, expected) << len << " at " << at;
        from = hit.first;
      }
    }
  }
}

struct MaskCase {
  const char* mask;  // UTF-8
  const char* text;  // UTF-8
  bool matchCase;
  bool wholeWords;
  bool found;
  const char* matched;  // the matched text when found
};

TEST(MatchTerm, MaskFormsPickedByTheStar) {
  for (const MaskCase& c : {
           MaskCase{"kal*", "můj kalendář", false, true, true, "kalendář"},
           {"kal*", "Kalendáři", false, true, true, "Kalendáři"},
           {"kal*", "Kalendáři", true, true, false, ""},
           {"kal*", "překal", false, true, false, ""},  // the prefix must start a word
           {"*ář", "kalendář.", false, true, true, "kalendář"},
           {"*ář", "kalendáře", false, true, false, ""},  // the suffix must end a word
           {"*ÁŘ", "kalendář", false, true, true, "kalendář"},
           {"k*ř", "jeho kalendář", false, true, true, "kalendář"},
           {"k*ř", "kř", false, true, true, "kř"},        // the star may be empty
           {"kak*kak", "kakak", false, true, false, ""},  // but prefix and suffix never overlap
           {"kak*ak", "kakak", false, true, true, "kakak"},
           {"k*ř", "kalendáře kořen kovář", false, true, true, "kovář"},
           {"k?t", "kat", false, true, true, "kat"},
           {"k?t", "k t", false, true, false, ""},  // ? takes a word character only
           {"k?t", "k-t", false, true, false, ""},
           {"k?t", "kět", false, true, true, "kět"},
           {"k?t", "skate", false, true, false, ""},
           {"k?t", "skate", false, false, true, "kat"},  // whole words are the caller's choice here
           {"???", "ab abc", false, true, true, "abc"},
           {"k?l*", "kalendář", false, true, true, "kalendář"},
           {"*k??d", "víkend", false, true, true, "víkend"},
       }) {
    test::FakeUiServices ui;
    const std::string text = Cp1250FromUtf8(c.text);
    SearchOptions options;
    options.matchCase = c.matchCase;
    options.wholeWords = c.wholeWords;
    options.useMask = true;
    const SearchHit hit = FindTerm(Cp1250FromUtf8(c.mask), text, 0, options, ui);
    EXPECT_EQ(hit.found, c.found) << c.mask << " in " << c.text;
    if (hit.found) {
      EXPECT_EQ(Cp1250ToUtf8(text.substr(hit.first, hit.end - hit.first)), c.matched) << c.mask;
    }
    EXPECT_TRUE(ui.Messages().empty()) << c.mask;
  }
}

TEST(MatchTerm, MaskPartThatSpansWordsIsReported) {
  SearchOptions options;
  options.wholeWords = true;
  options.useMask = true;
  struct Case {
    const char* mask;
    const char* text;
    const char* message;
  };
  for (const Case& c : {Case{"a b*", "je a bc", "Chyba - konec slova nebyl nalezen"},
                        {"a b*c", "je a bxc", "Chyba - konec slova nebyl nalezen"},
                        {"*a b", "xa b.", "Chyba - začátek slova nebyl nalezen"}}) {
    test::FakeUiServices ui;
    EXPECT_FALSE(MatchTerm(c.mask, c.text, options, ui)) << c.mask;
    EXPECT_EQ(ui.Messages(), Messages{c.message}) << c.mask;
  }
  test::FakeUiServices ui;
  EXPECT_FALSE(MatchTerm("", "text", options, ui));
  EXPECT_EQ(ui.Messages(), Messages{"Chyba - hledaný řetězec je prázdný."});
}

TEST(MatchTerm, WithoutMaskWildcardsAreLiteral) {
  test::FakeUiServices ui;
  const SearchOptions plain;
  EXPECT_TRUE(MatchTerm("k?t*", "a k?t* b", plain, ui));
  EXPECT_FALSE(MatchTerm("k?t", "kat", plain, ui));
}

TEST(CheckMaskTerm, SingleAsteriskRule) {
  struct Case {
    const char* term;
    bool valid;
    const char* message;
  };
  for (const Case& c : {Case{"**a", false, "Platný výraz může obsahovat\r\npouze jednu hvězdičku."},
                        {"a*b*", false, "Platný výraz může obsahovat\r\npouze jednu hvězdičku."},
                        {"*", false, "Neplatný výraz."},
                        {"*??", false, "Neplatný výraz."},
                        {"?*", false, "Neplatný výraz."},
                        {"???", true, nullptr},
                        {"k?l*", true, nullptr},
                        {"slovo", true, nullptr}}) {
    test::FakeUiServices ui;
    EXPECT_EQ(CheckMaskTerm(c.term, ui), c.valid) << c.term;
    EXPECT_EQ(ui.Messages(), c.message ? Messages{c.message} : Messages{}) << c.term;
  }
}

}  // namespace
}  // namespace orv
