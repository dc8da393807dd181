#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "editor/FindReplace.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

struct FindCase {
  const char* find;
  FindArea area;
  bool useMask, wholeWords;
  std::size_t selStart, selEnd;
  std::optional<std::size_t> first;  // in "kal den sedení den Kalendáři"
};

TEST(FindInText, AreasWholeWordsAndMasks) {
  const std::string text = Cp1250FromUtf8("kal den sedení den Kalendáři");
  for (const FindCase& c : {
           FindCase{"den", FindArea::Down, false, false, 0, 0, 4},
           {"den", FindArea::Down, false, false, 4, 7, 10},  // "sedení" holds "den"
           {"den", FindArea::Down, false, true, 4, 7, 15},
           {"den", FindArea::Down, false, true, 15, 18, std::nullopt},
           {"den", FindArea::Whole, false, true, 15, 18, 4},  // round to the beginning
           {"den", FindArea::Whole, false, true, 4, 7, 15},
           {"den", FindArea::Up, false, true, 15, 18, 4},
           {"den", FindArea::Up, false, false, 15, 18, 10},  // the candidate ending at the start first
           {"kal", FindArea::Up, false, false, 0, 0, std::nullopt},
           {"kal*", FindArea::Up, true, false, 0, 3, 19},  // a mask always goes down, in whole words
           {"kal*", FindArea::Down, true, false, 0, 0, 0},
       }) {
    test::FakeUiServices ui;
    FindSettings find;
    find.text = c.find;
    find.area = c.area;
    find.useMask = c.useMask;
    find.wholeWords = c.wholeWords;
    const std::optional<SearchHit> hit = FindInText(text, c.selStart, c.selEnd, find, ui);
    ASSERT_EQ(hit.has_value(), c.first.has_value()) << c.find << " from " << c.selStart;
    if (hit) {
      EXPECT_EQ(hit->first, *c.first) << c.find << " from " << c.selStart;
    }
    EXPECT_EQ(ui.Messages(), Messages{});
  }
}

TEST(FindReplace, FindTextChecks) {
  test::FakeUiServices ui;
  FindSettings find;
  EXPECT_FALSE(CheckFindText(find, ui));
  find.text = std::string(256, 'a');
  EXPECT_FALSE(CheckFindText(find, ui));
  find.text = "a*b*";
  find.useMask = true;
  EXPECT_FALSE(CheckFindText(find, ui));
  EXPECT_EQ(ui.Messages(),
            (Messages{"Zadejte hledaný výraz.", "Hledaný výraz je příliš dlouhý (nejvýše 255 znaků).",
                      "Platný výraz může obsahovat\r\npouze jednu hvězdičku."}));
}

TEST(FindReplace, ReplaceNeedsTheFindTextSelectedExactly) {
  test::FakeUiServices ui;
  CRichEditCtrl ctrl;
  ctrl.StreamIn("{\\rtf1 Pes a pes}");
  FindSettings find;
  find.text = "pes";
  ctrl.SetSel(0, 3);  // "Pes": differs in case
  EXPECT_FALSE(Replace(ctrl, find, "kocka", ui));
  EXPECT_EQ(ctrl.GetSel(), (CharRange{6, 9}));  // only found the next one
  EXPECT_TRUE(Replace(ctrl, find, "kocka", ui));
  EXPECT_EQ(ctrl.GetText(), "Pes a kocka");
  EXPECT_EQ(ui.Messages(), Messages{"Prohledávání textu bylo dokončeno."});
  EXPECT_EQ(ctrl.GetSel(), (CharRange{11, 11}));  // the caret stays behind the replacement
}

TEST(FindReplace, ReplaceAllOverTheWholeTextReplacesEachOnceAsOneUndoStep) {
  test::FakeUiServices ui;
  CRichEditCtrl ctrl;
  ctrl.StreamIn("{\\rtf1 den a den\\par a den}");
  ctrl.SetSel(6, 6);
  FindSettings find;
  find.text = "den";
  find.area = FindArea::Whole;
  EXPECT_EQ(ReplaceAll(ctrl, find, "den a den", ui), 3);
  EXPECT_EQ(ctrl.GetText(), "den a den a den a den\ra den a den");
  EXPECT_EQ(ui.Messages(), (Messages{"Prohledávání textu bylo dokončeno.", "Počet záměn = 3"}));
  ctrl.Document()->undo();
  EXPECT_EQ(ctrl.GetText(), "den a den\ra den");
}

TEST(FindReplace, ReplaceAllOfAMaskKeepsTheFormattingAround) {
  test::FakeUiServices ui;
  CRichEditCtrl ctrl;
  ctrl.StreamIn("{\\rtf1 {\\b tucne} kalendar {\\b pak} kalamita konec}");
  FindSettings find;
  find.text = "kal*";
  find.useMask = true;
  EXPECT_EQ(ReplaceAll(ctrl, find, "X", ui), 2);
  EXPECT_EQ(ctrl.GetText(), "tucne X pak X konec");
  auto bold = [&](int position) {
    QTextCursor cursor(ctrl.Document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().fontWeight() >= QFont::Bold;
  };
  EXPECT_TRUE(bold(0));
  EXPECT_TRUE(bold(4));
  EXPECT_FALSE(bold(6));  // the replacement takes the format of what it replaced
  EXPECT_TRUE(bold(8));
  EXPECT_TRUE(bold(10));
  EXPECT_FALSE(bold(12));
}

TEST(FindReplace, ReplaceAllUpwardsAndWithoutAccents) {
  test::FakeUiServices ui;
  CRichEditCtrl ctrl;
  ctrl.StreamIn("{\\rtf1 sip s\\'ed\\'70 sip}");  // šíp is written with its bytes
  ctrl.SetSel(7, 7);
  FindSettings find;
  find.text = "SIP";
  find.area = FindArea::Up;
  find.ignoreAccents = true;
  EXPECT_EQ(ReplaceAll(ctrl, find, "luk", ui), 2);
  EXPECT_EQ(ctrl.GetText(), "luk luk sip");
}

// Whether an occurrence is a whole word is judged by the text as the replacements before it left it:
// "-a-" after a replacement by "b" no longer starts a word.
TEST(FindReplace, ReplaceAllJudgesWordsByTheReplacedText) {
  struct Case {
    FindArea area;
    int sel;
    const char* expected;
    int count;
  };
  for (const Case& c : {Case{FindArea::Down, 0, "b-a-", 1}, Case{FindArea::Up, 6, "-a-b", 1},
                        Case{FindArea::Whole, 3, "-a-b", 1}}) {
    SCOPED_TRACE(c.expected);
    test::FakeUiServices ui;
    CRichEditCtrl ctrl;
    ctrl.StreamIn("{\\rtf1 -a--a-}");
    ctrl.SetSel(c.sel, c.sel);
    FindSettings find;
    find.text = "-a-";
    find.area = c.area;
    find.SetWholeWords(true);
    EXPECT_EQ(ReplaceAll(ctrl, find, "b", ui), c.count);
    EXPECT_EQ(ctrl.GetText(), c.expected);
  }
}

}  // namespace
}  // namespace orv
