// Real RTF written by other programs (the shared corpus): every file loads, and a few are pinned.
#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "RichTestText.h"
#include "core/Cp1250.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"

namespace orv {
namespace {

using test::Utf8Text;

std::filesystem::path CorpusDir() {
  const char* shared = std::getenv("ORV_SHARED_DIR");
  return shared ? std::filesystem::path(shared) / "rtf-corpus" : std::filesystem::path();
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const RichRun* FindRun(const RichContent& content, std::u16string_view part) {
  for (const RichParagraph& p : content.paragraphs)
    for (const RichRun& r : p.runs)
      if (r.text.find(part) != std::u16string::npos) return &r;
  return nullptr;
}

class RtfCorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    if (CorpusDir().empty() || !std::filesystem::is_directory(CorpusDir()))
      GTEST_SKIP() << "ORV_SHARED_DIR/rtf-corpus is not there";
  }
  RichContent Read(const char* name) { return ReadRtf(ReadFile(CorpusDir() / name)); }
};

TEST_F(RtfCorpus, EveryFileLoadsIntoTheControlAndWritesBackStably) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusDir())) {
    if (entry.path().extension() != ".rtf") continue;
    ++files;
    const std::string bytes = ReadFile(entry.path());
    CRichEditCtrl ctrl;
    ASSERT_TRUE(ctrl.StreamIn(bytes)) << entry.path();
    const std::string text = ctrl.GetText();
    EXPECT_EQ(static_cast<int>(text.size()), ctrl.GetTextLength()) << entry.path();
    EXPECT_EQ(text.find_first_of(std::string("\n\0", 2)), std::string::npos) << entry.path();
    // Whatever the file held, what the control writes it reads back to the same bytes.
    const std::string rtf = ctrl.StreamOut();
    CRichEditCtrl again;
    again.StreamIn(rtf);
    EXPECT_EQ(again.StreamOut(), rtf) << entry.path();
    EXPECT_EQ(again.GetText(), text) << entry.path();
    // The control builds its document as the reader reads; inserting the whole content gives the same.
    CRichEditCtrl inserted;
    inserted.InsertAtCaret(ReadRtf(bytes));
    EXPECT_EQ(inserted.StreamOut(), rtf) << entry.path();
  }
  EXPECT_GT(files, 50);
}

TEST_F(RtfCorpus, RichEditCzechTextWithItsFormats) {
  const RichContent c = Read("richedit-cz-1.rtf");
  ASSERT_EQ(c.paragraphs.size(), 3u);
  EXPECT_EQ(Utf8Text(c).find("Článek týdne\nČást svitku s textem Knihy Izajáš\nSvitky od Mrtvého moře"), 0u);
  const RichRun& title = c.paragraphs[0].runs.at(0);
  EXPECT_EQ(title.format.face, u"Calibri");
  EXPECT_EQ(title.format.charset, 238);
  EXPECT_EQ(title.format.height, 220);
  EXPECT_EQ(c.paragraphs[0].format.spaceAfter, 200);
  EXPECT_EQ(c.paragraphs[0].format.lineSpacingRule, kSpacingTwentieths);  // \sl276\slmult1
  EXPECT_EQ(c.paragraphs[0].format.lineSpacing, 23);
  // The thin spaces of "př. n. l." have no Windows-1250 byte: the plain text shows "?".
  CRichEditCtrl ctrl;
  ctrl.StreamIn(ReadFile(CorpusDir() / "richedit-cz-1.rtf"));
  EXPECT_NE(ctrl.GetText().find(Cp1250FromUtf8("př.?n.?l.")), std::string::npos);
}

TEST_F(RtfCorpus, WordPolishInCodePage1250) {
  const RichContent c = Read("word-pl-cp1250.rtf");
  EXPECT_EQ(Utf8Text(c).substr(0, Utf8Text(c).find('\n')),
            "Proszę o zapoznanie się z poniższą klauzulą informacyjną.");
  const RichRun* run = FindRun(c, u"Proszę");
  ASSERT_TRUE(run);
  EXPECT_EQ(run->format.charset, 238);
}

TEST_F(RtfCorpus, LibreOfficeJapaneseWithEffects) {
  const RichContent c = Read("lo-basic.rtf");
  const RichRun* italic = FindRun(c, u"イタリックです");
  const RichRun* bold = FindRun(c, u"太字です");
  ASSERT_TRUE(italic && bold);
  EXPECT_TRUE(italic->format.effects & CFE_ITALIC);
  EXPECT_FALSE(italic->format.effects & CFE_BOLD);
  EXPECT_TRUE(bold->format.effects & CFE_BOLD);
  EXPECT_EQ(bold->format.face, u"Liberation Serif");
}

TEST_F(RtfCorpus, TextEditUmlautAndParagraphSpacing) {
  const RichContent c = Read("textedit-umlaut.rtf");
  EXPECT_EQ(Utf8Text(c), "Übersicht");
  EXPECT_EQ(c.paragraphs[0].runs.at(0).format.face, u"Helvetica");
  EXPECT_EQ(c.paragraphs[0].runs.at(0).format.height, 220);
  EXPECT_EQ(c.paragraphs[0].format.spaceAfter, 200);
  EXPECT_EQ(Utf8Text(Read("textedit-linebreak.rtf")), "A\nB\nC");
}

TEST_F(RtfCorpus, PandocUnicodeEscapesAndSkippedFallbacks) {
  const RichContent c = Read("pandoc-unicode.rtf");
  ASSERT_EQ(c.paragraphs.size(), 1u);
  EXPECT_EQ(c.paragraphs[0].runs.at(0).text, u"\u201Chi\u201D\u2018hi\u2019\uF0B7\u03B1\u00E4");
}

// Paragraphs here show no numbers of their own: a list item keeps the number its program showed.
TEST_F(RtfCorpus, ListItemsKeepTheirNumbers) {
  struct Case {
    const char* file;
    const char* start;
  };
  for (const Case& c :
       {Case{"word-list-complex.rtf", "1.\tOne\n2.\tTwo\na.\tThree\nb.\tFour\ni.\tFive\nii.\tSix\n"},
        {"textedit-list.rtf", "\t•\tone\n\t•\ttwo\n\t⁃\tsub\n"},
        {"richedit-riched20-pn-list.rtf", "Paragraph\n\uF0B7\tBullet\n"},
        {"wordmac-list-bullet.rtf", "Text before list\n1.\titem one level one\n"}}) {
    const std::string text = Utf8Text(Read(c.file));
    EXPECT_EQ(text.substr(0, std::string_view(c.start).size()), c.start) << c.file;
  }
  const RichContent riched = Read("richedit-riched20-pn-list.rtf");
  EXPECT_EQ(riched.paragraphs.at(4).runs.at(0).text, u"1.\tList 1");
  EXPECT_EQ(riched.paragraphs.at(4).format.numbering, PFN_ARABIC);
}

TEST_F(RtfCorpus, BrokenFilesLoadWhatTheyHold) {
  struct Case {
    const char* file;
    const char* text;
  };
  for (const Case& c : {Case{"bad-extra-brace.rtf", "Hello world in {RTF}…\n"},
                        {"bad-trailing-junk.rtf", "Hello world in {RTF}…\n"},
                        {"bad-leading-slash.rtf", "Hello world in {RTF}…\n"},
                        {"minimal-nodelim.rtf", "foobar"},
                        {"bad-table-cell-outside.rtf", "\nAAA \tBBB \tCCC "}})
    EXPECT_EQ(Utf8Text(Read(c.file)), c.text) << c.file;
}

}  // namespace
}  // namespace orv
