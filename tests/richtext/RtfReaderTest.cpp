#include <gtest/gtest.h>

#include <random>
#include <string>

#include "RichTestText.h"
#include "richtext/RtfReader.h"

namespace orv {
namespace {

using test::Utf8Text;

TEST(RtfReader, TextOfControlWordsSymbolsAndDestinations) {
  struct Case {
    const char* rtf;
    const char* text;
  };
  const Case cases[] = {
      {"{\\rtf1 a\\tab b\\line c\\par d}", "a\tb|c\nd"},
      {"{\\rtf1 a\\par b\\par}", "a\nb"},  // the last mark ends the document
      {"{\\rtf1 a\\par\\par}", "a\n"},
      {"{\\rtf1 \\{x\\}\\\\ \\~y\\-z\\_}", "{x}\\ \u00A0yz\u2011"},
      {"{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}", "—–•‘’“”"},
      {"{\\rtf1 a{\\*\\unknown b{c}}d}", "ad"},
      {"{\\rtf1 a{\\pict\\pngblip 89504e47{\\*\\x }}b{\\object{\\objdata 0102}{\\result r}}c}", "abc"},
      {"{\\rtf1 a{\\pict\\bin4 }}}}}b}", "ab"},  // the binary data holds braces
      {"{\\rtf1{\\info{\\title t}}{\\stylesheet{\\s1 Normal;}}{\\header h}x}", "x"},
      {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}} text}", "link text"},
      {"{\\rtf1 a\\v hidden\\v0 b}", "ab"},
      {"{\\rtf1 {\\footnote note}x}", "x"},
      {"{\\rtf1 \\trowd\\cellx1\\cellx2\\cellx3 a\\cell b\\cell\\cell\\row c\\par}", "a\tb\t\nc"},
      {"{\\rtf1\\uc1 \\u268?\\u-3913?{\\uc2\\u228\\'e8a}b\\u945 c}", "Č\uF0B7äb\u03B1"},
      {"{\\rtf1 \\u-10179?\\u-8704?}", "\U0001F600"},
      {"{\\rtf1 \\u-8704?\\u-10179?x}", "\uFFFD\uFFFDx"},  // unpaired surrogates, one unit each
      {"{\\rtf1 line\\\r\nnext}", "line\nnext"},
      {"{\\rtf1foobar}", "foobar"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8Text(ReadRtf(c.rtf)), c.text) << c.rtf;
  EXPECT_TRUE(ReadRtf("").paragraphs.empty());
}

TEST(RtfReader, BytesDecodeInTheCodePageOfTheFontsCharacterSet) {
  struct Case {
    const char* header;
    const char* bytes;
    const char* text;
  };
  const Case cases[] = {
      {"\\ansi\\ansicpg1250{\\fonttbl{\\f0 A;}}", "\\'e8\\'9e", "čž"},
      {"\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset238 A;}}", "\\'e8\\'9e", "čž"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset0 A;}}", "\\'e8\\'80", "è€"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset204 A;}}", "\\'cf\\'f0\\'e8", "При"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset161 A;}}", "\\'e1\\'e2", "αβ"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset162 A;}}", "\\'fd\\'f0", "ığ"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset186 A;}}", "\\'e0\\'fe", "ąž"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset2 Symbol;}}", "\\'b7a", "\uF0B7a"},
      {"\\mac{\\fonttbl{\\f0 A;}}", "\\'8a\\'a5", "ä•"},
      {"\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 A;}}", "\\'82\\'a0\\'83A", "あア"},
      {"\\ansi\\ansicpg936{\\fonttbl{\\f0 A;}}", "\\'c4\\'e3", "你"},
      {"\\ansi\\ansicpg99999{\\fonttbl{\\f0 A;}}", "\\'e9x", "?x"},
      {"\\ansi\\ansicpg0{\\fonttbl{\\f0 A;}}", "\\'e9", "é"},
      // Converters that compose letters with points and tones hold the last letter back.
      {"\\ansi{\\fonttbl{\\f0\\fcharset177 A;}}", "\\'f9\\'ec\\'e5\\'ed", "שלום"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset163 A;}}", "Vi\\'ea\\'f2t Nam", "Việt Nam"},
      {"\\ansi{\\fonttbl{\\f0\\fcharset163 A;}}", "\\'e0", "à"},
  };
  for (const Case& c : cases) {
    const std::string rtf = std::string("{\\rtf1") + c.header + "\\f0 " + c.bytes + "}";
    EXPECT_EQ(Utf8Text(ReadRtf(rtf)), c.text) << rtf;
  }
}

TEST(RtfReader, CharacterPropertiesAndTheirResets) {
  const RichContent c = ReadRtf(
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}{\\f1\\froman\\fcharset0 Times "
      "New Roman;}}{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}"
      "d\\f0\\fs30\\b\\i\\ul\\strike\\protect\\cf2 x\\b0\\i0\\ulnone\\strike0\\protect0\\cf0 y{\\cf1\\uldb z}"
      "\\b w\\plain p}");
  ASSERT_EQ(c.paragraphs.size(), 1u);
  const auto& runs = c.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 6u);
  EXPECT_EQ(runs[0].text, u"d");
  EXPECT_EQ(runs[0].format, (RunFormat{CFE_AUTOCOLOR, 240, 0, 0, u"Times New Roman"}));
  EXPECT_EQ(runs[1].format, (RunFormat{CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED,
                                       300, 0x0000FF, 238, u"Arial"}));
  EXPECT_EQ(runs[2].format, (RunFormat{CFE_AUTOCOLOR, 300, 0, 238, u"Arial"}));
  EXPECT_EQ(runs[3].format, (RunFormat{CFE_UNDERLINE, 300, 0x800000, 238, u"Arial"}));
  EXPECT_EQ(runs[4].format, (RunFormat{CFE_BOLD | CFE_AUTOCOLOR, 300, 0, 238, u"Arial"}));
  EXPECT_EQ(runs[5].format, runs[0].format);  // \plain: back to the default font and size
}

TEST(RtfReader, ParagraphPropertiesNumberingAndPard) {
  const RichContent c = ReadRtf(
      "{\\rtf1\\pard\\li720\\fi-360\\ri100\\qc\\sb60\\sa120\\sl-300\\slmult0\\tx1000\\tx2000 a\\par "
      "b\\par\\pard\\qj\\sl360\\slmult1{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart3\\pnindent250"
      "{\\pntxta .}}c\\par\\pard{\\listtext -\\tab}\\ls1\\sl276\\slmult1 d\\par\\pard\\qr e\\par}");
  ASSERT_EQ(c.paragraphs.size(), 5u);
  ParaFormat a;
  a.startIndent = 360;
  a.offset = 360;
  a.rightIndent = 100;
  a.alignment = PFA_CENTER;
  a.spaceBefore = 60;
  a.spaceAfter = 120;
  a.lineSpacingRule = kSpacingExactly;
  a.lineSpacing = 300;
  a.tabCount = 2;
  a.tabs[0] = 1000;
  a.tabs[1] = 2000;
  EXPECT_EQ(c.paragraphs[0].format, a);
  EXPECT_EQ(c.paragraphs[1].format, a);  // paragraph properties last until \pard
  ParaFormat numbered;
  numbered.alignment = PFA_JUSTIFY;
  numbered.lineSpacingRule = kSpacingOneAndHalf;
  numbered.numbering = PFN_ARABIC;
  numbered.numberingStart = 3;
  numbered.numberingTab = 250;
  numbered.numberingStyle = PFNS_PERIOD;
  EXPECT_EQ(c.paragraphs[2].format, numbered);
  EXPECT_EQ(c.paragraphs[3].format.numbering, PFN_BULLET);
  EXPECT_EQ(c.paragraphs[3].format.lineSpacingRule, kSpacingTwentieths);
  EXPECT_EQ(c.paragraphs[3].format.lineSpacing, 23);
  EXPECT_EQ(c.paragraphs[4].format, (ParaFormat{.alignment = PFA_RIGHT}));
  EXPECT_EQ(test::Utf8Text(c), "a\nb\n1.\tc\n-\td\ne");
}

// The number as LibreOffice writes it: the list text group resets the formats of its own group only.
TEST(RtfReader, ListTextIsTheVisibleNumberOfItsParagraph) {
  const RichContent c = ReadRtf(
      "{\\rtf1{\\fonttbl{\\f0 Liberation Serif;}{\\f1 OpenSymbol;}}\\pard\\li720\\fi-360\\ls1 "
      "{\\listtext\\pard\\plain \\f0\\b 1.\\tab}\\i First\\par "
      "{\\listtext\\pard\\plain \\f1 \\u8226\\'95\\tab}Second\\par}");
  ASSERT_EQ(c.paragraphs.size(), 2u);
  EXPECT_EQ(Utf8Text(c), "1.\tFirst\n•\tSecond");
  EXPECT_EQ(c.paragraphs[0].runs.at(0).format.effects & (CFE_BOLD | CFE_ITALIC), CFE_BOLD);
  EXPECT_EQ(c.paragraphs[0].runs.at(1).format.effects & (CFE_BOLD | CFE_ITALIC), CFE_ITALIC);
  EXPECT_EQ(c.paragraphs[0].format.startIndent, 360);  // the group's \pard stays in the group
  EXPECT_EQ(c.paragraphs[1].runs.at(0).format.face, u"OpenSymbol");
  EXPECT_EQ(c.paragraphs[1].runs.at(1).format.face, u"Liberation Serif");
}

TEST(RtfReader, HostileInputLoadsWhatItCan) {
  struct Case {
    std::string rtf;
    const char* text;
  };
  const Case cases[] = {
      {std::string(100000, '{') + "x", ""},
      {"{\\rtf1 " + std::string(300, '{') + "deep" + std::string(300, '}') + " shallow}", " shallow"},
      {"{\\rtf1 \\fs99999999999999999999999 \\li-99999999999 x}", "x"},
      {"{\\rtf1 \\u99999999999 x y}", "? y"},
      {"{\\rtf1 a\\bin999999999 abc}", "a"},
      {"{\\rtf1 a\\bin-5 b}", "ab"},
      {"{\\rtf1 {\\b bold", "bold"},
      {"{\\rtf1 a\\'", "a"},
      {"{\\rtf1 a\\'4", "a4"},
      {"{\\rtf1 a\\", "a"},
      {"}}}{\\rtf1 x}}} junk", "x"},
      {"{\\rtf1 \\uc99999 \\u268 abc}", "Č"},
      {"{\\rtf1 \\" + std::string(10000, 'a') + " x}", "x"},
      {"{\\rtf1 {\\fonttbl{\\f0 A;}\\pard body\\par}", "body"},  // a font table that never closes
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8Text(ReadRtf(c.rtf)), c.text) << c.rtf.substr(0, 80);
  EXPECT_EQ(ReadRtf("{\\rtf1 \\fs99999999 x}").paragraphs[0].runs[0].format.height, 32760);

  // Random token soup: no crash, no hang, no sanitizer report.
  std::mt19937 random(1250);
  const std::string alphabet = "{}\\'*abfilnpqrstuv0123456789- ;\r\n\x80\xe8";
  for (int i = 0; i < 2000; ++i) {
    std::string rtf = "{\\rtf1 ";
    for (int k = 0; k < 200; ++k) rtf += alphabet[random() % alphabet.size()];
    ReadRtf(rtf);
  }
}

}  // namespace
}  // namespace orv
