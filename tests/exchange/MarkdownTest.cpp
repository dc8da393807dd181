#include <gtest/gtest.h>

#include "ContentText.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "exchange/CommentaryRecord.h"
#include "exchange/MarkdownExport.h"
#include "exchange/MarkdownImport.h"

namespace orv {
namespace {

class Markdown : public ::testing::Test {
 protected:
  void SetUp() override { m_Doc.OnNewDocument(); }

  SMarkdownDay Read(std::string_view markdown, const Date& date = {2024, 3, 1}) {
    std::string failure;
    const auto day = ReadMarkdownDay(markdown, date, m_Formats, failure);
    EXPECT_TRUE(day) << failure;
    return day.value_or(SMarkdownDay{});
  }
  std::string Imported(std::string_view markdown) {
    return test::ContentText(Read(markdown).commentary, m_Formats);
  }

  test::FakeUiServices m_Ui;
  CTedDoc m_Doc{m_Ui};
  CCommentaryFormats m_Formats{m_Doc};
};

TEST_F(Markdown, ImportTurnsCommonMarkIntoFormatting) {
  const struct {
    const char* markdown;
    const char* expected;
  } cases[] = {
      {"**a** *b* _c_ <u>d</u> ~~e~~ ***f***",
       "<b>a</b> <i>b</i> <i>c</i> <u>d</u> <s>e</s> <b><i>f</i></b>"},
      {"# A\n## B\n### C", "H1 A\nH2 B\nH2 C"},
      {"- a\n- b\n  - c\n\n3. x\n4. y", "- a\n- b\n- c\n1. x\n1. y"},
      {"> quoted\n\nplain", "> quoted\nplain"},
      {"[text](http://x.cz) [[Praha]] [[Brno|město]] `kód` ![obr](a.png)", "text Praha město kód obr"},
      {"a\\\nb\nc", "a|b|c"},
      {"&amp; &#268; &nbsp;x", "& Č \u00a0x"},
      {"```\nx\n\ny\n```", "x\n\ny"},
      {"a\n\n<br>\n\nb", "a\n\nb"},
      {"#tag 🚲", "#tag 🚲"},
  };
  for (const auto& c : cases) EXPECT_EQ(Imported(c.markdown), c.expected) << c.markdown;
}

TEST_F(Markdown, FrontMatterGivesTheNoteAndADateHeadingIsDropped) {
  const SMarkdownDay day =
      Read("---\nnote: \"Výlet 🚲 na\\tSněžku\"\ntags: [a, b]\n---\n# 2024-03-01\n\nText\n");
  EXPECT_EQ(Cp1250ToUtf8(day.note), "Výlet na Sněžku");
  EXPECT_EQ(test::ContentText(day.commentary, m_Formats), "Text");
  EXPECT_EQ(Imported("# 1. 3. 2024\nText"), "Text");
  EXPECT_EQ(Imported("Text\n# 2024-03-01"), "Text\nH1 2024-03-01");
  EXPECT_EQ(Imported("# Jiný nadpis\nText"), "H1 Jiný nadpis\nText");
}

TEST_F(Markdown, RefusesWhatIsNotUtf8OrBadFrontMatter) {
  std::string failure;
  EXPECT_FALSE(ReadMarkdownDay("\x9A\xEDpek", {2024, 3, 1}, m_Formats, failure));
  EXPECT_NE(failure.find("UTF-8"), std::string::npos);
  EXPECT_FALSE(ReadMarkdownDay("---\nnote: [a\n---\ntext", {2024, 3, 1}, m_Formats, failure));
  EXPECT_NE(failure.find("YAML"), std::string::npos);
}

// The export's Markdown read back gives the same paragraphs, texts and effects: the pieces Markdown
// would take as markup, spaces it would drop and empty paragraphs included.
TEST_F(Markdown, ExportReadsBackTheSame) {
  const struct {
    const char* markdown;
    const char* content;
  } cases[] = {
      {"**tučně** *šikmo* <u>podtrženo</u> ~~škrtnuto~~ ***<u>vše</u>***",
       "<b>tučně</b> <i>šikmo</i> <u>podtrženo</u> <s>škrtnuto</s> <b><i><u>vše</u></i></b>"},
      {"# Nadpis \\# s *mřížkou*\n## Podnadpis\n- odrážka\n- **druhá**\n\n1. jedna\n2. dvě\n\n> citát",
       "H1 Nadpis # s <i>mřížkou</i>\nH2 Podnadpis\n- odrážka\n- <b>druhá</b>\n1. jedna\n1. dvě\n> citát"},
      {"\\# a\n\n\\- b\n\n1\\. c\n\n\\+ d \\= e\n\n2\\) f\n\n\\=", "# a\n- b\n1. c\n+ d = e\n2) f\n="},
      {"\\*hvězdy\\* \\_pod\\_ \\[závorky\\](x) \\<tag\\> \\`kód\\` \\~\\~vlnky\\~\\~ \\& \\\\ zpět",
       "*hvězdy* _pod_ [závorky](x) <tag> `kód` ~~vlnky~~ & \\ zpět"},
      {"&#32;&#32;odsazeno\tse\ttabulátory&#32;\n\n<br>\n\n<br>\n\nmezi prázdnými",
       "  odsazeno\tse\ttabulátory \n\n\nmezi prázdnými"},
      {"řádek\\\n&#32;&#32;druhý řádek\\\n\\- třetí 1\\. x", "řádek|  druhý řádek|- třetí 1. x"},
      {"emoji 🚲😀 a řečtina αβγ", "emoji 🚲😀 a řečtina αβγ"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Imported(c.markdown), c.content) << c.markdown;
    const std::string markdown = CommentaryMarkdown(Read(c.markdown).commentary, m_Formats);
    EXPECT_EQ(Imported(markdown), c.content) << markdown;
  }
}

TEST_F(Markdown, DayFileCarriesTheNoteInFrontMatter) {
  CEntrTxt record;
  record.m_Poznamka = Cp1250FromUtf8("Pozor: \"uvozovky\" # a ---");
  CCommentaryRecord writer;
  ASSERT_TRUE(writer.Store(Read("**Výklad**").commentary, record));
  const std::string markdown = DayMarkdown(record, m_Formats);
  EXPECT_TRUE(markdown.starts_with("---\nnote: ")) << markdown;
  const SMarkdownDay day = Read(markdown);
  EXPECT_EQ(day.note, record.m_Poznamka);
  EXPECT_EQ(test::ContentText(day.commentary, m_Formats), "<b>Výklad</b>");
}

}  // namespace
}  // namespace orv
