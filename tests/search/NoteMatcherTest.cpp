#include <gtest/gtest.h>

#include <string>

#include "core/Cp1250.h"
#include "search/NoteMatcher.h"

namespace orv {
namespace {

TEST(TrimSearchText, RemovesWhiteSpaceAtBothEnds) {
  EXPECT_EQ(TrimSearchText("  oběd \t\r\n"), "oběd");
  EXPECT_EQ(TrimSearchText("a b"), "a b");
  EXPECT_EQ(TrimSearchText(" \t "), "");
}

TEST(NoteMatcher, LettersMakeWordsAndDigitsSeparateThem) {
  struct Case {
    const char* text;
    const char* note;
    bool wholeWords;
    bool matchCase;
    bool matches;
  };
  for (const Case& c : {
           Case{"den", "pondělí", false, false, false},
           Case{"děl", "pondělí", false, false, true},
           Case{"děl", "pondělí", true, false, false},
           Case{"den", "den 2", true, false, true},
           Case{"den", "2den", true, false, true},  // a digit is a separator here
           Case{"den", "den2", true, false, true},
           Case{"den", "deník", true, false, false},
           Case{"den", "žden", true, false, false},  // a Czech letter is not
           Case{"den", "x, den.", true, false, true},
           Case{"ŘÍJEN", "v říjnu a říjen", true, false, true},
           Case{"ŘÍJEN", "v říjnu a říjen", true, true, false},
           Case{"Oběd", "oběd", false, true, false},
           Case{"oběd", "ob", false, false, false},
           // An occurrence glued to a word is skipped as a whole: the search goes on behind it.
           Case{"x x", "xx x x", true, false, false},
           Case{"x x", "yx x x", true, false, false},
           Case{"x x", "a x x", true, false, true},
       }) {
    const CNoteMatcher matcher(Cp1250FromUtf8(c.text), c.wholeWords, c.matchCase);
    EXPECT_EQ(matcher.Matches(Cp1250FromUtf8(c.note)), c.matches) << c.text << " in " << c.note;
  }
}

}  // namespace
}  // namespace orv
