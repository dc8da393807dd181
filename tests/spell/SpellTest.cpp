#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "SpellTestFolder.h"
#include "core/Cp1250.h"
#include "spell/DictionaryCodec.h"
#include "spell/SpellChecker.h"
#include "spell/SpellDictionary.h"
#include "spell/SpellWords.h"
#include "spell/UnknownWords.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

std::vector<std::string> WordsOf(const std::string& text, std::string_view inner) {
  std::vector<std::string> words;
  for (const SWordSpan& w : FindWords(text, inner)) words.push_back(Cp1250ToUtf8(text.substr(w.pos, w.len)));
  return words;
}

TEST(SpellWords, CzechLettersMakeWordsAndInnerCharactersJoinOnlyBetweenLetters) {
  struct Case {
    const char* text;
    const char* inner;
    std::vector<std::string> words;
  } cases[] = {
      {"Žluťoučký kůň úpěl ďábelské ódy.", "", {"Žluťoučký", "kůň", "úpěl", "ďábelské", "ódy"}},
      {"Frýdek-Místek", "", {"Frýdek", "Místek"}},
      {"Frýdek-Místek, -a- konec-", "-", {"Frýdek-Místek", "a", "konec"}},
      {"rock'n'roll", "'", {"rock'n'roll"}},
      {"rock’n’roll, d’Artagnan, ’uvozovky’ l’", "'", {"rock’n’roll", "d’Artagnan", "uvozovky", "l"}},
      {"rock’n’roll", "-", {"rock", "n", "roll"}},
      {"3D tisk 2x, Wałęsa Größe", "", {"tisk", "Wałęsa", "Größe"}},
      {"\t\r(závorka)\"uvozovky\"", "", {"závorka", "uvozovky"}},
  };
  for (const Case& c : cases) EXPECT_EQ(WordsOf(W(c.text), c.inner), c.words) << c.text;
  const std::vector<SWordSpan> spans = FindWords("ab  cd", "");
  EXPECT_EQ(WordAt(spans, 3), nullptr);
  EXPECT_EQ(WordAt(spans, 4), &spans[1]);
  EXPECT_EQ(WordAt(spans, 2), &spans[0]);  // the caret just after a word is on it
}

TEST(DictionaryCodec, ConvertsOnceAndDropsWhatWindows1250Lacks) {
  const CDictionaryCodec utf8("UTF-8");
  EXPECT_EQ(utf8.ToDictionary(W("šťáva")), "šťáva");
  EXPECT_EQ(utf8.FromDictionary("šťáva"), W("šťáva"));
  EXPECT_EQ(utf8.FromDictionary("niño"), std::nullopt);
  const CDictionaryCodec latin2("ISO8859-2");
  ASSERT_TRUE(latin2.IsUsable());
  EXPECT_EQ(latin2.ToDictionary(W("šť")), "\xB9\xBB");  // 0x9A 0x9D in Windows-1250
  EXPECT_EQ(latin2.FromDictionary("\xB9\xBB"), W("šť"));
  const CDictionaryCodec cp1250("microsoft-cp1250");
  EXPECT_EQ(cp1250.ToDictionary(W("šť")), W("šť"));
  EXPECT_FALSE(CDictionaryCodec("no-such-encoding").IsUsable());
}

class SpellFolders : public ::testing::Test {
 protected:
  std::unique_ptr<CSpellChecker> Open() {
    std::string why;
    auto checker = CSpellChecker::OpenInstalled(why);
    EXPECT_NE(checker, nullptr) << why;
    return checker;
  }

  test::SpellTestFolder m_Folder;
  const fs::path& m_Dir = m_Folder.Dir();
};

// The small dictionary of SpellTestFolder; without the library these tests are skipped.
class SmallDictionary : public SpellFolders {
 protected:
  void SetUp() override {
    m_Folder.UseSmallDictionary();
    if (const auto why = CSpellChecker::Unavailable()) GTEST_SKIP() << *why;
  }
};

TEST_F(SpellFolders, DictionaryIsFoundWithItsEncodingOrNamedAsMissing) {
  m_Folder.UseSmallDictionary();
  const auto files = FindCzechDictionary();
  ASSERT_TRUE(files);
  EXPECT_EQ(DictionaryEncoding(files->aff), "ISO8859-2");
  std::ofstream(m_Dir / "plain.aff") << "TRY abc\n";
  EXPECT_EQ(DictionaryEncoding((m_Dir / "plain.aff").string()), "ISO8859-1");
  EXPECT_EQ(PersonalWordListPath(), (m_Dir / "data/orvella/slovnik.txt").string());

  m_Folder.HideDictionary();
  EXPECT_FALSE(FindCzechDictionary());
  std::string why;
  EXPECT_EQ(CSpellChecker::OpenInstalled(why), nullptr);
  EXPECT_NE(why.find("hunspell-cs"), std::string::npos) << why;
}

TEST_F(SmallDictionary, WordsGoToTheDictionaryInItsOwnEncoding) {
  auto checker = Open();
  ASSERT_TRUE(checker);
  EXPECT_TRUE(checker->IsKnown(W("šťáva")));
  EXPECT_TRUE(checker->IsKnown(W("čaj")));
  EXPECT_FALSE(checker->IsKnown(W("čajík")));
  const std::string text = W("šťáva na Frýdek-Místek");
  EXPECT_EQ(checker->Words(text).size(), 3u);  // the dictionary's hyphen joins the town's name
  EXPECT_TRUE(checker->IsKnown(W("Frýdek-Místek")));
  const std::vector<std::string> suggestions = checker->Suggest(W("šťává"));
  EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), W("šťáva")), suggestions.end());

  checker->Ignore(W("čajík"));
  EXPECT_TRUE(checker->IsKnown(W("čajík")));
  EXPECT_FALSE(Open()->IsKnown(W("čajík")));  // ignored for this session only
}

TEST_F(SmallDictionary, UnknownWordsAreListedMostFrequentFirstWithTheirPlaces) {
  auto checker = Open();
  ASSERT_TRUE(checker);
  CUnknownWords unknown(*checker);
  unknown.AddCommentary("2005/03", W("čaj a bába"));
  unknown.AddCommentary("2005/03/01", W("bába na čaj, bába\rčaj a xyz"));
  const std::vector<SUnknownWord> words = unknown.MostFrequentFirst();
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].word, W("bába"));
  EXPECT_EQ(words[0].count, 3);
  EXPECT_EQ(words[0].keys, (std::vector<std::string>{"2005/03", "2005/03/01"}));
  EXPECT_EQ(words[1].word, "a");
  EXPECT_EQ(words[1].count, 2);
  EXPECT_EQ(words[2].word, "xyz");
  EXPECT_EQ(words[2].keys, (std::vector<std::string>{"2005/03/01"}));
}

// Spellings that differ only in case are one word, listed as most often written (lower case on a
// tie) with the count and the places of all of them.
TEST_F(SmallDictionary, UnknownWordsDifferingOnlyInCaseAreOneWord) {
  auto checker = Open();
  ASSERT_TRUE(checker);
  CUnknownWords unknown(*checker);
  unknown.AddCommentary("2005/03", W("Kalendrář na kalendrář, KALENDRÁŘ"));
  unknown.AddCommentary("2005/03/01", W("Ďábel na ďábel? Ďábel. Xyz xyz"));
  unknown.AddCommentary("2005/03/02", W("kalendrář"));
  const std::vector<SUnknownWord> words = unknown.MostFrequentFirst();
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].word, W("kalendrář"));
  EXPECT_EQ(words[0].count, 4);
  EXPECT_EQ(words[0].keys, (std::vector<std::string>{"2005/03", "2005/03/02"}));
  EXPECT_EQ(words[1].word, W("Ďábel"));
  EXPECT_EQ(words[1].count, 3);
  EXPECT_EQ(words[2].word, "xyz");
  EXPECT_EQ(words[2].count, 2);
  EXPECT_EQ(words[2].keys, (std::vector<std::string>{"2005/03/01"}));
}

// A dictionary that has only the ASCII apostrophe among its word characters is asked with it for a
// word written with the typographic one, and answers in the word's own way; one that has ’ of its
// own is asked with ’.
TEST_F(SpellFolders, TypographicApostropheIsAskedAsTheDictionaryWritesIt) {
  struct Case {
    const char* aff;
    const char* dic;
    const char* word;  // UTF-8
    bool known;
  } cases[] = {
      {"SET ISO8859-2\nWORDCHARS '\n", "1\nrock'n'roll\n", "rock’n’roll", true},
      {"SET ISO8859-2\nWORDCHARS '\n", "1\nrock'n'roll\n", "rock'n'roll", true},
      {"SET ISO8859-2\nWORDCHARS '\n", "1\nrock'n'roll\n", "rock’n’rol", false},
      {"SET UTF-8\nWORDCHARS '’\n", "1\nl’eau\n", "l’eau", true},
  };
  const fs::path dir = m_Dir / "dict";
  fs::create_directories(dir);
  m_Folder.SetEnv("ORV_SPELL_DICTIONARY_DIR", dir.string());
  for (const Case& c : cases) {
    std::ofstream(dir / "cs_CZ.aff") << c.aff;
    std::ofstream(dir / "cs_CZ.dic") << c.dic;
    if (const auto why = CSpellChecker::Unavailable()) GTEST_SKIP() << *why;
    auto checker = Open();
    ASSERT_TRUE(checker);
    EXPECT_EQ(checker->Words(W(c.word)).size(), 1u) << c.word;
    EXPECT_EQ(checker->IsKnown(W(c.word)), c.known) << c.word;
  }
  // The first dictionary again: suggestions and the user's own words.
  std::ofstream(dir / "cs_CZ.aff") << cases[0].aff << "TRY ol\n";
  std::ofstream(dir / "cs_CZ.dic") << cases[0].dic;
  auto checker = Open();
  ASSERT_TRUE(checker);
  const std::vector<std::string> suggestions = checker->Suggest(W("rock’n’rol"));
  EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), W("rock’n’roll")), suggestions.end());
  EXPECT_EQ(checker->AddToPersonal(W("d’Artagnan")), "");
  EXPECT_TRUE(Open()->IsKnown(W("d'Artagnan")));  // after a restart, from the list as written
}

// The installed Czech dictionary; CI installs it, elsewhere these tests are skipped.
class CzechDictionary : public SpellFolders {
 protected:
  void SetUp() override {
    if (const auto why = CSpellChecker::Unavailable()) GTEST_SKIP() << *why;
  }
};

TEST_F(CzechDictionary, KnowsCzechAndSuggestsForAMisspelling) {
  auto checker = Open();
  ASSERT_TRUE(checker);
  EXPECT_TRUE(checker->IsKnown(W("kalendář")));
  EXPECT_TRUE(checker->IsKnown(W("Kalendář")));
  EXPECT_FALSE(checker->IsKnown(W("kalendrář")));
  const std::vector<std::string> suggestions = checker->Suggest(W("kalendrář"));
  EXPECT_LE(suggestions.size(), kMaxSpellSuggestions);
  EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), W("kalendář")), suggestions.end());
}

TEST_F(CzechDictionary, AddedWordIsKnownAfterARestart) {
  const std::string word = W("Orvellína");
  {
    auto checker = Open();
    ASSERT_TRUE(checker);
    EXPECT_FALSE(checker->IsKnown(word));
    EXPECT_EQ(checker->AddToPersonal(word), "");
    EXPECT_TRUE(checker->IsKnown(word));
  }
  EXPECT_TRUE(Open()->IsKnown(word));
  std::ifstream list(m_Dir / "data/orvella/slovnik.txt");
  std::string line;
  std::getline(list, line);
  EXPECT_EQ(line, "Orvellína");  // UTF-8, readable and editable by the user
}

TEST_F(CzechDictionary, AddingToAListThatCannotBeWrittenSaysWhy) {
  fs::create_directories(m_Dir / "data");
  std::ofstream(m_Dir / "data/orvella") << "a file where the folder should be";
  auto checker = Open();
  ASSERT_TRUE(checker);
  const std::string why = checker->AddToPersonal(W("Orvellína"));
  EXPECT_NE(why.find("slovnik.txt"), std::string::npos) << why;
  EXPECT_FALSE(checker->IsKnown(W("Orvellína")));
}

}  // namespace
}  // namespace orv
