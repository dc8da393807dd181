// Faces without their foundry, and the text of a commentary whose stored plain text lost characters
// outside Windows-1250.
#include <gtest/gtest.h>

#include <string>

#include "core/Cp1250.h"
#include "richtext/CommentaryText.h"
#include "richtext/FontFamily.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

TEST(FontFamily, FoundryIsLeftOff) {
  const std::pair<const char*, const char*> cases[] = {
      {"Nimbus Sans [URW ]", "Nimbus Sans"},
      {"Standard Symbols PS [urw]", "Standard Symbols PS"},
      {"Noto Sans [UKWN]", "Noto Sans"},
      {"DejaVu Sans", "DejaVu Sans"},
      {"[Only Brackets]", "[Only Brackets]"},
      {"Face [a] b", "Face [a] b"},
      {"", ""},
  };
  for (const auto& [face, family] : cases) EXPECT_EQ(FontFamily(face), family) << face;
}

// A face stored with its foundry (from a list of an older version) goes into the font table as
// the family alone.
TEST(FontFamily, FontTableHoldsTheFamily) {
  RichContent content;
  RichParagraph paragraph;
  RunFormat format;
  format.face = u"Standard Symbols PS [urw]";
  paragraph.runs.push_back({format, u"x"});
  content.paragraphs.push_back(paragraph);
  const std::string rtf = WriteRtf(content);
  EXPECT_NE(rtf.find(" Standard Symbols PS;}"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.find('['), std::string::npos) << rtf;
}

// The plain text as the editor stores it, and what is shown for it.
TEST(CommentaryText, CharactersOutsideTheCodePageComeFromTheRtf) {
  CRichEditCtrl editor;
  ASSERT_TRUE(editor.StreamIn(
      "{\\rtf1\\ansi Ma\\u241?ana \\u-10179?\\u-8704? \\u26085?\\u26412?\\par \\u269?esk\\u253? \\u345??}"));
  const std::string rtf = editor.StreamOut();
  const std::string stored = editor.GetText();
  ASSERT_EQ(Cp1250ToUtf8(stored), "Ma?ana ?? ??\rčeský ř?");  // what the file keeps
  EXPECT_EQ(CommentaryTextUtf8(stored, rtf), "Mañana 😀 日本\rčeský ř?");

  struct Case {
    std::string stored;
    std::string rtf;
    std::string shown;
  };
  const Case cases[] = {
      {Cp1250FromUtf8("Mañana"), rtf, "Ma?ana"},             // another text: the stored one
      {Cp1250FromUtf8("Ma?ana ?? ??"), "", "Ma?ana ?? ??"},  // no RTF
      {Cp1250FromUtf8("kůň"), "{\\rtf1 jiný}", "kůň"},       // no "?": the RTF is not read
      {"a?\rb", "{\\rtf1 a\\u331?\\par b}", "aŋ\rb"},
  };
  for (const Case& c : cases) EXPECT_EQ(CommentaryTextUtf8(c.stored, c.rtf), c.shown) << c.rtf;
}

}  // namespace
}  // namespace orv
