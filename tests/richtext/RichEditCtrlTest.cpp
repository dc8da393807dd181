#include <gtest/gtest.h>

#include <QTextDocument>

#include "core/Cp1250.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

std::string Cz(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

CharFormat Char(uint32_t mask, uint32_t effects, int32_t height, uint32_t colour, uint8_t charset,
                const char* face) {
  return CharFormat{mask, effects, height, colour, charset, face};
}

// A commentary of four paragraphs: a heading, text with a tab and a line break, an empty paragraph
// and a last one.
class RichEditCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctrl.ReplaceSel(Cz("Nadpis\r\nPrvní řádek\tse záložkou\vdalší řádek\r\n\r\nPoslední"));
  }
  void Select(const char* utf8) {
    const size_t at = ctrl.GetText().find(Cz(utf8));
    ASSERT_NE(at, std::string::npos) << utf8;
    ctrl.SetSel(static_cast<int>(at), static_cast<int>(at + Cz(utf8).size()));
  }

  CRichEditCtrl ctrl;
};

TEST_F(RichEditCtrlTest, PlainTextPositionsMatchSelectionPositionsOneToOne) {
  // A character outside the Basic Multilingual Plane takes two positions and two "?".
  ctrl.SetSel(-1, 0);
  ctrl.InsertAtCaret(
      RichContent{{RichParagraph{{}, {}, {RichRun{CRichEditCtrl::DefaultRunFormat(), u"\U0001F600€"}}}}});
  const std::string text = ctrl.GetText();
  EXPECT_EQ(text, Cz("Nadpis\rPrvní řádek\tse záložkou\vdalší řádek\r\rPoslední??€"));
  ASSERT_EQ(ctrl.GetTextLength(), static_cast<int>(text.size()));
  for (int i = 0; i < ctrl.GetTextLength(); ++i) {
    ctrl.SetSel(i, i + 1);
    EXPECT_EQ(ctrl.GetSelText(), text.substr(static_cast<size_t>(i), 1)) << i;
  }
  ctrl.SetSel(3, 20);
  EXPECT_EQ(ctrl.GetSelText(), text.substr(3, 17));
  EXPECT_EQ(ctrl.Document()->toPlainText().size(), ctrl.GetTextLength());
}

TEST_F(RichEditCtrlTest, SelectionRanges) {
  const int length = ctrl.GetTextLength();
  struct Case {
    int start, end;
    CharRange expected;
  };
  for (const Case& c : {Case{0, -1, {0, length}},
                        {2, 5, {2, 5}},
                        {5, 2, {2, 5}},
                        {3, 100000, {3, length}},
                        {100000, 100000, {length, length}}}) {
    ctrl.SetSel(c.start, c.end);
    EXPECT_EQ(ctrl.GetSel(), c.expected) << c.start << ' ' << c.end;
  }
  ctrl.SetSel(2, 5);
  ctrl.SetSel(-1, 0);  // removes the selection, the caret at its end
  EXPECT_EQ(ctrl.GetSel(), (CharRange{5, 5}));
}

TEST_F(RichEditCtrlTest, ReplaceSelTakesTheFormatOfTheFirstSelectedCharacter) {
  Select("Prvn");
  ctrl.SetSelectionCharFormat(Char(CFM_BOLD, CFE_BOLD, 0, 0, 0, ""));
  Select("První");  // "Prvn" bold, "í" not
  ctrl.ReplaceSel(Cz("Druhý\r\nTřetí"));
  EXPECT_EQ(ctrl.GetText().rfind(Cz("Nadpis\rDruhý\rTřetí řádek\tse"), 0), 0u);
  Select("Druhý\rTřetí");
  const CharFormat f = ctrl.GetSelectionCharFormat();
  EXPECT_TRUE(f.mask & CFM_BOLD);
  EXPECT_TRUE(f.effects & CFE_BOLD);
  EXPECT_EQ(ctrl.GetSel().max, ctrl.GetSel().min + 11);
}

TEST_F(RichEditCtrlTest, CharFormatMaskChangesOnlyTheMaskedMember) {
  const CharFormat other = Char(0, CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED, 360,
                                0x0000FF, 204, "Courier New");
  for (uint32_t bit : {CFM_BOLD, CFM_ITALIC, CFM_UNDERLINE, CFM_STRIKEOUT, CFM_PROTECTED, CFM_SIZE, CFM_COLOR,
                       CFM_FACE, CFM_CHARSET}) {
    ctrl.StreamIn("");
    ctrl.ReplaceSel("abc");
    ctrl.SetSel(0, -1);
    ctrl.SetSelectionCharFormat(Char(CFM_ALL, CFE_AUTOCOLOR, 200, 0, 238, "Arial"));
    const CharFormat before = ctrl.GetSelectionCharFormat();
    CharFormat change = other;
    change.mask = bit;
    ctrl.SetSel(1, 2);
    ctrl.SetSelectionCharFormat(change);
    CharFormat expected = before;
    if (bit & CFM_EFFECTS) expected.effects = (expected.effects & ~bit) | (other.effects & bit);
    if (bit == CFM_SIZE) expected.height = 360;
    if (bit == CFM_COLOR) expected.effects &= ~CFE_AUTOCOLOR, expected.colour = 0x0000FF;
    if (bit == CFM_FACE) expected.face = "Courier New";
    if (bit == CFM_CHARSET) expected.charset = 204;
    EXPECT_EQ(ctrl.GetSelectionCharFormat(), expected) << std::hex << bit;
    // Over all three characters only the changed member is mixed.
    ctrl.SetSel(0, -1);
    const CharFormat mixed = ctrl.GetSelectionCharFormat();
    EXPECT_EQ(mixed.mask, CFM_ALL & ~bit) << std::hex << bit;
    EXPECT_EQ(mixed.face, "Arial");
  }
}

TEST_F(RichEditCtrlTest, EmptySelectionSetsTheTypingFormat) {
  ctrl.SetSel(6, 6);
  ctrl.SetSelectionCharFormat(Char(CFM_BOLD | CFM_SIZE, CFE_BOLD, 300, 0, 0, ""));
  EXPECT_EQ(ctrl.GetSelectionCharFormat().height, 300);
  ctrl.ReplaceSel("X");
  ctrl.SetSel(6, 7);
  EXPECT_EQ(ctrl.GetSelText(), "X");
  EXPECT_TRUE(ctrl.GetSelectionCharFormat().effects & CFE_BOLD);
  EXPECT_EQ(ctrl.GetSelectionCharFormat().height, 300);
  ctrl.SetSel(5, 6);
  EXPECT_FALSE(ctrl.GetSelectionCharFormat().effects & CFE_BOLD);
}

TEST_F(RichEditCtrlTest, ParaFormatMaskChangesOnlyTheMaskedMembersOfTouchedParagraphs) {
  ParaFormat other;
  other.numbering = PFN_BULLET;
  other.startIndent = 567;
  other.rightIndent = 300;
  other.offset = 200;
  other.alignment = PFA_CENTER;
  other.tabCount = 2;
  other.tabs[0] = 340;
  other.tabs[1] = 680;
  other.tabs[5] = 999;  // beyond the count: not taken
  other.spaceBefore = 40;
  other.spaceAfter = 80;
  other.lineSpacing = 200;
  other.lineSpacingRule = kSpacingAtLeast;
  other.numberingStyle = PFNS_PERIOD;
  other.numberingStart = 3;
  other.numberingTab = 250;
  for (uint32_t bit : {PFM_STARTINDENT, PFM_RIGHTINDENT, PFM_OFFSET, PFM_ALIGNMENT, PFM_TABSTOPS,
                       PFM_NUMBERING, PFM_SPACEBEFORE, PFM_SPACEAFTER, PFM_LINESPACING, PFM_NUMBERINGSTYLE,
                       PFM_NUMBERINGTAB, PFM_NUMBERINGSTART}) {
    ctrl.SetSel(0, -1);
    ctrl.SetParaFormat(ParaFormat{.mask = PFM_ALL, .alignment = PFA_LEFT});
    ParaFormat change = other;
    change.mask = bit;
    Select("ek\tse");  // inside the second paragraph only
    ctrl.SetParaFormat(change);
    const ParaFormat got = ctrl.GetParaFormat();
    EXPECT_EQ(got.mask, PFM_ALL);
    ParaFormat expectedOthers = ParaFormat{.mask = PFM_ALL, .alignment = PFA_LEFT};
    ParaFormat changed = got;
    changed.mask = 0;
    Select("Nadpis");
    ParaFormat first = ctrl.GetParaFormat();
    EXPECT_EQ(first, expectedOthers) << std::hex << bit;
    // The two paragraphs differ in exactly the changed member.
    Select("Nadpis\rPrvn");
    EXPECT_EQ(ctrl.GetParaFormat().mask, PFM_ALL & ~bit) << std::hex << bit;
    if (bit == PFM_TABSTOPS) {
      EXPECT_EQ(changed.tabCount, 2);
      EXPECT_EQ(changed.tabs[5], 0);
    }
  }
  // The offset-indent bit alone moves each paragraph's start indent by the amount.
  ctrl.SetSel(0, -1);
  ctrl.SetParaFormat(ParaFormat{.mask = PFM_STARTINDENT, .startIndent = 100});
  ctrl.SetParaFormat(ParaFormat{.mask = PFM_OFFSETINDENT, .startIndent = 50});
  EXPECT_EQ(ctrl.GetParaFormat().startIndent, 150);
  ctrl.SetParaFormat(ParaFormat{.mask = PFM_STARTINDENT | PFM_OFFSETINDENT, .startIndent = 70});
  EXPECT_EQ(ctrl.GetParaFormat().startIndent, 70);
}

TEST_F(RichEditCtrlTest, LinesCountParagraphsAndLineBreaks) {
  // Lines: "Nadpis" | "První řádek\tse záložkou" | "další řádek" | "" | "Poslední"
  const std::string text = ctrl.GetText();
  const int second = static_cast<int>(text.find(Cz("další")));
  const int last = static_cast<int>(text.find(Cz("Poslední")));
  EXPECT_EQ(ctrl.LineFromChar(0), 0);
  EXPECT_EQ(ctrl.LineFromChar(7), 1);
  EXPECT_EQ(ctrl.LineFromChar(second), 2);
  EXPECT_EQ(ctrl.LineFromChar(last - 1), 3);
  EXPECT_EQ(ctrl.LineFromChar(last + 3), 4);
  EXPECT_EQ(ctrl.LineIndex(2), second);
  EXPECT_EQ(ctrl.LineIndex(4), last);
  EXPECT_EQ(ctrl.LineIndex(5), -1);
  ctrl.SetSel(last + 3, last + 3);
  EXPECT_EQ(ctrl.LineFromChar(-1), 4);
  EXPECT_EQ(ctrl.LineIndex(-1), last);
}

TEST_F(RichEditCtrlTest, ModifiedFlagAndRedrawHook) {
  ctrl.StreamIn("{\\rtf1 x}");
  EXPECT_FALSE(ctrl.GetModify());
  ctrl.ReplaceSel("y");
  EXPECT_TRUE(ctrl.GetModify());
  ctrl.SetModify(false);
  EXPECT_FALSE(ctrl.GetModify());
  std::vector<bool> calls;
  ctrl.SetRedrawHandler([&](bool on) { calls.push_back(on); });
  ctrl.SetRedraw(false);
  EXPECT_FALSE(ctrl.IsRedrawOn());
  ctrl.SetRedraw(true);
  EXPECT_EQ(calls, (std::vector<bool>{false, true}));
}

TEST_F(RichEditCtrlTest, FormattedCopyMovesBetweenControlsWithoutTheClipboard) {
  Select("Nadpis");
  ctrl.SetSelectionCharFormat(Char(CFM_BOLD | CFM_COLOR, CFE_BOLD, 0, 0x800000, 0, ""));
  ctrl.SetParaFormat(
      ParaFormat{.mask = PFM_ALIGNMENT | PFM_SPACEAFTER, .alignment = PFA_CENTER, .spaceAfter = 200});
  ctrl.SetSel(0, -1);
  const RichContent whole = ctrl.CopySelection();

  CRichEditCtrl target;
  target.ReplaceSel("Hlava\r\n");
  target.InsertAtCaret(whole);  // at the end: an empty paragraph, so the pieces keep their formats
  EXPECT_EQ(target.GetText(), "Hlava\r" + ctrl.GetText());
  target.SetSel(6, 12);
  EXPECT_EQ(target.GetSelText(), "Nadpis");
  EXPECT_EQ(target.GetSelectionCharFormat().colour, 0x800000u);
  EXPECT_EQ(target.GetParaFormat().alignment, PFA_CENTER);
  target.SetSel(0, 0);
  EXPECT_EQ(target.GetParaFormat().alignment, PFA_LEFT);

  // A piece from the middle of a paragraph goes into the middle of another one as text only.
  Select("řádek\tse");
  const RichContent middle = ctrl.CopySelection();
  target.SetSel(2, 2);
  target.InsertAtCaret(middle);
  EXPECT_EQ(target.GetText().substr(0, 15), Cz("Hlřádek\tseava\rN"));
  EXPECT_EQ(target.GetParaFormat().alignment, PFA_LEFT);
  EXPECT_TRUE(target.GetModify());
}

TEST_F(RichEditCtrlTest, StreamingInTheEmptyStringLeavesTheControlEmpty) {
  ctrl.StreamIn("");
  EXPECT_EQ(ctrl.GetTextLength(), 0);
  EXPECT_EQ(ctrl.GetText(), "");
  const std::string rtf = ctrl.StreamOut();
  EXPECT_EQ(rtf,
            "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\r\n"
            "\\viewkind4\\uc1\\pard\\f0\\fs20\\par\r\n}\r\n");
  ctrl.StreamIn(rtf);
  EXPECT_EQ(ctrl.GetTextLength(), 0);
  EXPECT_EQ(ctrl.StreamOut(), rtf);
}

TEST_F(RichEditCtrlTest, RtfOverTheBoundIsRefusedAndLeavesTheControlEmpty) {
  std::string rtf = "{\\rtf1 x\\par y}";
  EXPECT_TRUE(ctrl.StreamIn(rtf));
  EXPECT_EQ(ctrl.GetText(), "x\ry");
  rtf.resize(CRichEditCtrl::kMaxStreamIn + 1, ' ');
  EXPECT_FALSE(ctrl.StreamIn(rtf));
  EXPECT_EQ(ctrl.GetTextLength(), 0);
  EXPECT_FALSE(ctrl.GetModify());
  EXPECT_EQ(ctrl.StreamOut(), CRichEditCtrl().StreamOut());
}

// Every paragraph and run costs the document memory: RTF that states them densely is refused.
TEST_F(RichEditCtrlTest, RtfOfMoreParagraphsThanItsSizeAllowsIsRefused) {
  std::string rtf = "{\\rtf1 ";
  while (rtf.size() < 600'000) rtf += "one line of the text\\par\r\n";
  EXPECT_TRUE(ctrl.StreamIn(rtf + "}"));
  EXPECT_GT(ctrl.GetTextLength(), 450'000);
  while (rtf.size() < 1'200'000) rtf += "\\par";
  EXPECT_FALSE(ctrl.StreamIn(rtf + "}"));
  EXPECT_EQ(ctrl.GetTextLength(), 0);
  EXPECT_LE(CRichEditCtrl::MaxPieces(40 << 20), (size_t{40} << 20) / 8);
}

// The control's RTF reads back to the same bytes, text and formats.
TEST_F(RichEditCtrlTest, WhatTheControlWritesReadsBackUnchanged) {
  Select("Nadpis");
  ctrl.SetSelectionCharFormat(Char(CFM_ALL, CFE_BOLD, 240, 0x800000, 238, "Arial"));
  ctrl.SetParaFormat(ParaFormat{.mask = PFM_ALL,
                                .alignment = PFA_LEFT,
                                .spaceAfter = 200,
                                .lineSpacing = 240,
                                .lineSpacingRule = kSpacingAtLeast});
  Select("řádek\tse");
  ctrl.SetSelectionCharFormat(
      Char(CFM_ALL, CFE_ITALIC | CFE_UNDERLINE | CFE_PROTECTED, 190, 0x0000FF, 238, "Times New Roman"));
  Select("záložkou");
  ctrl.SetSelectionCharFormat(Char(CFM_STRIKEOUT | CFM_COLOR, CFE_STRIKEOUT | CFE_AUTOCOLOR, 0, 0, 0, ""));
  ParaFormat odd;
  odd.mask = PFM_ALL;
  odd.numbering = PFN_BULLET;
  odd.startIndent = 300;
  odd.offset = -100;
  odd.rightIndent = 57;
  odd.alignment = 0;  // as a new style record has it
  odd.tabCount = 3;
  odd.tabs = {340, 680, 2268};
  odd.lineSpacing = 200;
  odd.lineSpacingRule = kSpacingOneAndHalf;
  odd.numberingStyle = PFNS_PLAIN;
  odd.numberingTab = 360;
  ctrl.SetParaFormat(odd);
  // The empty third paragraph and the last one.
  ctrl.SetSel(static_cast<int>(ctrl.GetText().find("\r\r")) + 1, -1);
  ctrl.SetParaFormat(ParaFormat{.mask = PFM_ALL,
                                .alignment = PFA_JUSTIFY,
                                .lineSpacing = 30,
                                .lineSpacingRule = kSpacingTwentieths,
                                .numberingStart = 2});
  ctrl.SetSelectionCharFormat(Char(CFM_CHARSET | CFM_FACE, 0, 0, 0, 2, "Symbol"));
  ctrl.SetSel(-1, 0);
  ctrl.InsertAtCaret(
      RichContent{{RichParagraph{{},
                                 {},
                                 {RichRun{RunFormat{CFE_AUTOCOLOR, 200, 0, 204, u"Arial"}, u"Привет"},
                                  RichRun{RunFormat{CFE_AUTOCOLOR, 200, 0, 2, u"Symbol"}, u"\uF0B7a"},
                                  RichRun{RunFormat{CFE_BOLD, 200, 0, 0, u"Škoda {x}"}, u"\\ü"}}}}});

  const std::string rtf = ctrl.StreamOut();
  EXPECT_EQ(rtf.find_first_of(std::string("\0\x80\xFF", 3)), std::string::npos);  // 7-bit, no NUL
  for (unsigned char c : rtf) EXPECT_LT(c, 0x80);
  EXPECT_EQ(
      rtf.rfind("{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}",
                0),
      0u);
  EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;"), std::string::npos);
  EXPECT_NE(rtf.find("\\'f8\\'e1dek"), std::string::npos);  // "řádek" in Windows-1250

  CRichEditCtrl again;
  again.StreamIn(rtf);
  EXPECT_EQ(again.StreamOut(), rtf);
  EXPECT_EQ(again.GetText(), ctrl.GetText());
  for (int i = 0; i < ctrl.GetTextLength(); ++i) {
    ctrl.SetSel(i, i + 1);
    again.SetSel(i, i + 1);
    EXPECT_EQ(again.GetSelectionCharFormat(), ctrl.GetSelectionCharFormat()) << i;
    EXPECT_EQ(again.GetParaFormat(), ctrl.GetParaFormat()) << i;
  }
  // The same content always gives the same bytes.
  EXPECT_EQ(ctrl.StreamOut(), rtf);
}

}  // namespace
}  // namespace orv
