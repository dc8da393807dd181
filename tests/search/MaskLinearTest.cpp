#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "search/PreviewHighlights.h"
#include "search/SearchEngine.h"
#include "search/SearchTerm.h"
#include "search/SearchText.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

// The mask rules walked position by position, every window compared in full: what the bit-parallel
// matcher must agree with, problems included.
class ReferenceMask {
 public:
  ReferenceMask(std::string pattern, bool matchCase)
      : m_P(std::move(pattern)), m_Fold(FoldTable(matchCase)) {}

  SearchHit Find(const std::string& t, std::size_t start, bool wholeWords, TermProblem& problem) const {
    const std::size_t star = m_P.find('*');
    if (star == std::string::npos) {
      for (std::size_t s = start; s + m_P.size() <= t.size(); ++s) {
        bool equal = true;
        for (std::size_t k = 0; k < m_P.size() && equal; ++k)
          equal = !IsSeparator(B(t, s + k)) && PieceTakes(k, B(t, s + k));
        if (equal && (!wholeWords || IsWholeWord(t, s, s + m_P.size()))) return {true, s, s + m_P.size()};
      }
      return {};
    }
    const std::size_t prefix = star, suffix = m_P.size() - star - 1;
    if (star == 0) {
      for (std::size_t j = start; j + suffix <= t.size(); ++j) {
        const std::size_t end = j + suffix;
        if (!Equal(t, j, 1, m_P.size()) || (end < t.size() && !IsSeparator(B(t, end)))) continue;
        std::size_t first = end;
        while (first > 0 && IsWordChar(B(t, first - 1))) --first;
        if (first > j) {
          problem = TermProblem::NoWordStart;
          return {};
        }
        return {true, first, end};
      }
      return {};
    }
    for (std::size_t i = start; i + prefix <= t.size(); ++i) {
      if (!Equal(t, i, 0, prefix) || (i > 0 && !IsSeparator(B(t, i - 1)))) continue;
      std::size_t end = i;
      while (end < t.size() && IsWordChar(B(t, end))) ++end;
      if (end < i + prefix) {
        problem = TermProblem::NoWordEnd;
        return {};
      }
      if (end - i >= prefix + suffix && Equal(t, end - suffix, star + 1, m_P.size())) return {true, i, end};
    }
    return {};
  }

 private:
  static unsigned char B(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
  bool PieceTakes(std::size_t k, unsigned char t) const {
    return m_P[k] == '?' ? IsWordChar(t) : m_Fold[t] == m_Fold[B(m_P, k)];
  }
  bool Equal(const std::string& t, std::size_t pos, std::size_t first, std::size_t end) const {
    for (std::size_t k = first; k < end; ++k, ++pos)
      if (!PieceTakes(k, B(t, pos))) return false;
    return true;
  }

  std::string m_P;
  const ByteTable& m_Fold;
};

TEST(MaskMatching, AgreesWithAWalkOverEveryPosition) {
  std::mt19937 random(5);
  const std::string alphabet = "ab\xf8\xd8 ,1r\xe1";  // ř and Ř fold together, and to r without accents
  const std::string patternBytes = "ab\xd8 ??";
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int n = random() % 90; n > 0; --n) text += alphabet[random() % alphabet.size()];
    std::string pattern;
    for (int n = 1 + random() % (round % 10 == 0 ? 140 : 5); n > 0; --n)
      pattern += patternBytes[random() % (random() % 8 == 0 ? patternBytes.size() : 3)];
    if (random() % 3) pattern.insert(random() % (pattern.size() + 1), "*");
    if (pattern == "*") continue;
    const bool matchCase = random() % 2, wholeWords = random() % 2;
    const std::size_t start = random() % (text.size() + 1);
    TermProblem problem = TermProblem::None, expectedProblem = TermProblem::None;
    const SearchHit hit = CSearchTerm(pattern, matchCase).FindMask(text, start, wholeWords, problem);
    const SearchHit expected =
        ReferenceMask(pattern, matchCase).Find(text, start, wholeWords, expectedProblem);
    ASSERT_EQ(hit.found, expected.found) << pattern << " in " << text << " from " << start;
    ASSERT_EQ(problem, expectedProblem) << pattern << " in " << text << " from " << start;
    if (hit.found) {
      EXPECT_EQ(hit.first, expected.first) << pattern << " in " << text;
      EXPECT_EQ(hit.end, expected.end) << pattern << " in " << text;
    }
  }
}

// Pieces longer than the four machine words kept in place, for the term-level finders that callers
// may use without the length check.
TEST(MaskMatching, LongPiecesAcrossMachineWords) {
  const std::string word(1000, 'a');
  const std::string text = "x " + word + "b " + word;
  const std::string mask = std::string(300, 'a') + "?" + std::string(400, 'a');
  TermProblem problem = TermProblem::None;
  EXPECT_EQ(CSearchTerm(mask, true).FindMask(text, 0, false, problem).first, 2u);
  const SearchHit fixed = CSearchTerm(word + "b", true).FindMask(text, 0, true, problem);
  EXPECT_EQ(fixed.first, 2u);
  EXPECT_EQ(fixed.end, 1003u);
  const SearchHit star = CSearchTerm(mask + "*b", true).FindMask(text, 0, true, problem);
  EXPECT_EQ(star.first, 2u);
  EXPECT_EQ(star.end, 1003u);
  EXPECT_FALSE(CSearchTerm("*" + word + "bb", true).FindMask(text, 0, true, problem).found);
  EXPECT_EQ(problem, TermProblem::None);
}

// A lone '*' is a word of the logical mask input "kal* OR x * y"; the preview colours its words one by
// one, so the term finders themselves must stop on it.
TEST(MaskMatching, ALoneStarFindsNothingAndEnds) {
  test::FakeUiServices ui;
  SearchOptions options;
  options.useMask = options.wholeWords = options.logical = true;
  for (const char* text : {"kalendář * x y", "", "*", "a*b", "kalendář"}) {
    const std::string t = Cp1250FromUtf8(text);
    EXPECT_FALSE(FindTerm("*", t, 0, options, ui).found) << text;
    EXPECT_FALSE(MatchTerm("*", t, options, ui)) << text;
    EXPECT_FALSE(FindTerm("*??", t, t.size() + 5, options, ui).found) << text;
  }
  const PreviewHighlights h =
      FindPreviewHighlights(Cp1250FromUtf8("kalendář * x y"), "kal* OR x * y", options, ui);
  EXPECT_EQ(h.ranges, (std::vector<TextRange>{{0, 8}, {11, 12}, {13, 14}}));
  EXPECT_EQ(ui.Messages(), Messages{});
}

TEST(SearchEngine, TermsLongerThan255BytesAreRefused) {
  const std::string longest(255, 'a'), tooLong(256, 'a');
  struct Case {
    std::string input;
    bool logical;
    bool accepted;
  };
  for (const Case& c : std::vector<Case>{{longest, false, true},
                                         {tooLong, false, false},
                                         {"x OR " + longest, true, true},
                                         {"x OR " + tooLong, true, false},
                                         {"x AND (y OR NOT " + tooLong + ")", true, false},
                                         {"NOT " + longest, true, true}}) {
    test::FakeUiServices ui;
    SearchOptions options;
    options.logical = c.logical;
    CSearchEngine engine;
    EXPECT_EQ(engine.Prepare(c.input, options, ui), c.accepted) << c.input.size();
    EXPECT_EQ(ui.Messages(),
              c.accepted ? Messages{} : Messages{"Hledaný výraz je příliš dlouhý (nejvýše 255 znaků)."});
  }
}

}  // namespace
}  // namespace orv
