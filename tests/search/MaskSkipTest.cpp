#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/SearchTerm.h"
#include "search/SearchText.h"

namespace orv {
namespace {

// "prefix*" and "prefix*suffix" jump from one candidate first byte to the next; they must find what a
// walk over every position finds, in either case and across the sixteen-byte blocks.
SearchHit ReferenceStarLast(const std::string& prefix, const std::string& text, std::size_t start,
                            bool matchCase) {
  const ByteTable& fold = FoldTable(matchCase);
  for (std::size_t i = start; i + prefix.size() <= text.size(); ++i) {
    bool equal = true;
    for (std::size_t k = 0; k < prefix.size() && equal; ++k) {
      const auto t = static_cast<unsigned char>(text[i + k]);
      equal = prefix[k] == '?' ? IsWordChar(t) : fold[t] == fold[static_cast<unsigned char>(prefix[k])];
    }
    if (!equal || (i > 0 && !IsSeparator(static_cast<unsigned char>(text[i - 1])))) continue;
    std::size_t end = i;
    while (end < text.size() && IsWordChar(static_cast<unsigned char>(text[end]))) ++end;
    if (end > i) return {true, i, end};
  }
  return {};
}

TEST(MaskSkip, StarLastFindsWhatEveryPositionFinds) {
  std::mt19937 random(11);
  const std::string alphabet = "ab\xf8\xd8 ,1";  // ř and Ř fold together
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int n = random() % 70; n > 0; --n) text += alphabet[random() % alphabet.size()];
    std::string prefix;
    for (int n = 1 + random() % 3; n > 0; --n) prefix += alphabet[random() % 3 + (random() % 2 ? 0 : 1)];
    if (random() % 4 == 0) prefix[random() % prefix.size()] = '?';
    const bool matchCase = random() % 2;
    const std::size_t start = random() % (text.size() + 1);
    const CSearchTerm term(prefix + "*", matchCase);
    TermProblem problem = TermProblem::None;
    const SearchHit hit = term.FindMask(text, start, true, problem);
    const SearchHit expected = ReferenceStarLast(prefix, text, start, matchCase);
    ASSERT_EQ(hit.found, expected.found) << prefix << " in " << text << " from " << start;
    if (hit.found) {
      EXPECT_EQ(hit.first, expected.first) << prefix << " in " << text;
      EXPECT_EQ(hit.end, expected.end) << prefix << " in " << text;
    }
    // With a suffix of nothing, "prefix*" and "prefix*" + "" agree; with "a" the word must end in it.
    const CSearchTerm middle(prefix + "*a", matchCase);
    const SearchHit m = middle.FindMask(text, start, true, problem);
    if (m.found) {
      EXPECT_GE(m.end - m.first, prefix.size() + 1);
      EXPECT_EQ(FoldTable(matchCase)[static_cast<unsigned char>(text[m.end - 1])], 'a');
    }
  }
}

}  // namespace
}  // namespace orv
