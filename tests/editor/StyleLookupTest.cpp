// Which named style a format found in the text is in: the rules the formatting toolbar, the
// paragraph style commands and the style dialogs share.
#include <gtest/gtest.h>

#include <functional>

#include "EditorFixture.h"
#include "editor/StyleFormats.h"

namespace orv {
namespace {

using test::Cz;

class StyleLookupTest : public ::testing::Test, public test::EditorFixture {
 protected:
  CharFormat CharStyle(const char* name) { return ToCharFormat(*doc.m_Styles.Find(name)); }
  ParaFormat ParStyle(const std::string& name) { return ToParaFormat(*doc.m_StylesPar.Find(name)); }
};

TEST_F(StyleLookupTest, CharacterFormatFindsTheStyleWithTheSameFormat) {
  struct Case {
    const char* what;
    const char* from;
    std::function<void(CharFormat&)> change;
    const char* expected;
  };
  const Case cases[] = {
      {"as it stands", "Standard1", [](CharFormat&) {}, "Standard1"},
      {"automatic colour aside", "Standard1", [](CharFormat& f) { f.effects |= CFE_AUTOCOLOR; }, "Standard1"},
      {"members outside the style", "Nadpis2", [](CharFormat& f) { f.mask |= 0x00010000; }, "Nadpis2"},
      {"bold taken away", "Standard1", [](CharFormat& f) { f.effects &= ~CFE_BOLD; }, "Standard2"},
      {"bold taken away, no such style", "Nadpis1", [](CharFormat& f) { f.effects &= ~CFE_BOLD; }, ""},
      {"italic", "Standard1", [](CharFormat& f) { f.effects |= CFE_ITALIC; }, ""},
      {"underline", "Standard2", [](CharFormat& f) { f.effects |= CFE_UNDERLINE; }, ""},
      {"size", "Standard1", [](CharFormat& f) { f.height = 200; }, ""},
      {"colour", "Nadpis1", [](CharFormat& f) { f.colour = 0; }, ""},
      {"face in other letter case", "Standard1", [](CharFormat& f) { f.face = "verdana"; }, ""},
      {"character set", "Standard1", [](CharFormat& f) { f.charset = kCharsetAnsi; }, ""},
      {"partly bold", "Standard1", [](CharFormat& f) { f.mask &= ~CFM_BOLD; }, ""},
      {"sizes mixed", "Standard1", [](CharFormat& f) { f.mask &= ~CFM_SIZE; }, ""},
  };
  for (const Case& c : cases) {
    CharFormat format = CharStyle(c.from);
    c.change(format);
    EXPECT_EQ(FindCharStyleName(doc, format), c.expected) << c.what;
  }

  CCharFormat mine = *doc.m_Styles.Find("Standard2");
  mine.m_Underline = 1;
  doc.m_Styles.Insert(Cz("Podtržené"), mine);
  EXPECT_EQ(FindCharStyleName(doc, ToCharFormat(mine)), Cz("Podtržené"));
}

TEST_F(StyleLookupTest, ParagraphFormatFindsTheStyleWithTheSameFormat) {
  const std::string heading = Cz("Hlavička1");
  struct Case {
    const char* what;
    std::string from;
    std::function<void(ParaFormat&)> change;
    std::string expected;
  };
  const Case cases[] = {
      {"as it stands", "Normal1", [](ParaFormat&) {}, "Normal1"},
      {"accented name", heading, [](ParaFormat&) {}, heading},
      {"numbering style is no part", "Normal2", [](ParaFormat& f) { f.numberingStyle = PFNS_PERIOD; },
       "Normal2"},
      {"space after of another style", "Normal1", [](ParaFormat& f) { f.spaceAfter = 120; }, "Normal2"},
      {"space after", "Normal1", [](ParaFormat& f) { f.spaceAfter = 100; }, ""},
      {"line spacing rule", "Normal1", [](ParaFormat& f) { f.lineSpacingRule = kSpacingExactly; }, ""},
      {"alignment", "Normal1", [](ParaFormat& f) { f.alignment = PFA_CENTER; }, ""},
      {"a tab stop", "Normal1",
       [](ParaFormat& f) {
         f.tabCount = 1;
         f.tabs[0] = 567;
       },
       ""},
      {"bullets", "Normal1", [](ParaFormat& f) { f.numbering = PFN_BULLET; }, ""},
      {"spacing mixed", "Normal1", [](ParaFormat& f) { f.mask &= ~PFM_SPACEAFTER; }, ""},
  };
  for (const Case& c : cases) {
    ParaFormat format = ParStyle(c.from);
    c.change(format);
    EXPECT_EQ(FindParStyleName(doc, format), c.expected) << c.what;
  }
}

// The toolbar's view of the selection: what is the same over it, and the styles it is in.
TEST_F(StyleLookupTest, SelectionFormatLeavesEmptyWhatIsMixed) {
  editor.Clear();
  editor.OnFocusGained("2005/03/07");
  Type("Nadpis\rtext");
  editor.Control().SetSel(0, -1);
  ASSERT_TRUE(editor.ApplyParStyleByName("Normal1"));
  editor.Control().SetSel(0, -1);
  ASSERT_TRUE(editor.ApplyStyleByName("Standard1"));
  editor.Control().SetSel(0, 0);
  ASSERT_TRUE(editor.ApplyParStyleByName(Cz("Hlavička1")));

  struct Case {
    int from, to;
    SSelectionFormat expected;
  };
  const Case cases[] = {
      {2, 4, {"Verdana", 12, 238, "Nadpis1", Cz("Hlavička1")}},
      {9, 9, {"Verdana", 9, 238, "Standard1", "Normal1"}},
      {8, 11, {"Verdana", 9, 238, "Standard1", "Normal1"}},
      {2, 9, {"Verdana", 0, 238, "", ""}},
  };
  for (const Case& c : cases) {
    editor.Control().SetSel(c.from, c.to);
    EXPECT_EQ(editor.SelectionFormat(), c.expected) << c.from << "-" << c.to;
  }

  CharFormat odd;
  odd.mask = CFM_SIZE | CFM_CHARSET | CFM_FACE;
  odd.height = 190;
  odd.charset = 161;
  odd.face = "Arial";
  editor.Control().SetSel(7, 9);
  editor.Control().SetSelectionCharFormat(odd);
  editor.Control().SetSel(7, 11);
  EXPECT_EQ(editor.SelectionFormat(), (SSelectionFormat{"", 0, -1, "", "Normal1"}));
  editor.Control().SetSel(7, 9);
  EXPECT_EQ(editor.SelectionFormat(), (SSelectionFormat{"Arial", 0, 161, "", "Normal1"}));
}

}  // namespace
}  // namespace orv
