#include <gtest/gtest.h>

#include "ContentText.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "exchange/ImportedNote.h"
#include "exchange/RedNotebookMarkup.h"

namespace orv {
namespace {

struct MarkupCase {
  const char16_t* text;
  const char* expected;
};

class RedNotebookMarkup : public ::testing::TestWithParam<MarkupCase> {
 protected:
  test::FakeUiServices m_Ui;
  CTedDoc m_Doc{m_Ui};
};

TEST_P(RedNotebookMarkup, BecomesFormattedParagraphs) {
  m_Doc.OnNewDocument();
  const CCommentaryFormats formats(m_Doc);
  EXPECT_EQ(test::ContentText(RedNotebookCommentary(GetParam().text, {}, formats), formats),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RedNotebookMarkup,
    ::testing::Values(MarkupCase{u"**Ráno** //jsme// __jeli__ --autem--",
                                 "<b>Ráno</b> <i>jsme</i> <u>jeli</u> <s>autem</s>"},
                      MarkupCase{u"**tučně //a šikmo//**", "<b>tučně </b><b><i>a šikmo</i></b>"},
                      // Markers before a space or without a partner are text.
                      MarkupCase{u"a -- b, 5 ** 2, __init", "a -- b, 5 ** 2, __init"},
                      // Addresses keep their "//", links show their label or their target.
                      MarkupCase{u"viz http://x.cz//a//b a [web http://x.cz] a [\"\"/foto/a\"\".jpg]",
                                 "viz http://x.cz//a//b a web a /foto/a.jpg"},
                      MarkupCase{u"[jen text] #hory 🚲", "[jen text] #hory 🚲"},
                      MarkupCase{u"= Výlet =\n== Cesta ==\n- první\n+ jedna\n\n=nic",
                                 "H1 Výlet\nH2 Cesta\n- první\n1. jedna\n\n=nic"},
                      // Trailing empty lines make no paragraphs; CR LF line ends leave no CR.
                      MarkupCase{u"a\r\n- b\r\n\n", "a\n- b"}));

TEST(RedNotebookCategories, FollowAsParagraphs) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  doc.OnNewDocument();
  const CCommentaryFormats formats(doc);
  const RichContent content =
      RedNotebookCommentary(u"text", {{u"Počasí", {u"sníh", u"mráz"}}, {u"Důležité", {}}}, formats);
  EXPECT_EQ(test::ContentText(content, formats), "text\nPočasí: sníh, mráz\nDůležité");
}

TEST(RedNotebookNote, IsTheFirstLineWithoutMarkup) {
  const struct {
    const char16_t* text;
    const char* note;  // UTF-8 of the Windows-1250 note
  } cases[] = {
      {u"= Výlet =\nzbytek", "Výlet"},
      {u"\n  \n**Sníh** a //mráz// [web http://x.cz]\ndalší", "Sníh a mráz web"},
      {u"- Kolo 🚲 a\tvlak", "Kolo a vlak"},
      {u"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Cp1250ToUtf8(RedNotebookNote(c.text)), c.note);
}

TEST(ImportedNoteCut, StopsBeforeTheWordThatDoesNotFit) {
  EXPECT_EQ(CutNote("jedna dva tri", 9), "jedna dva");
  EXPECT_EQ(CutNote("jedna dva tri", 8), "jedna");
  EXPECT_EQ(CutNote("jednadvatri", 5), "jedna");
  EXPECT_EQ(CutNote("krátká", 100), "krátká");
  const std::string note = RedNotebookNote(std::u16string(60, u'a') + u" " + std::u16string(60, u'b'));
  EXPECT_EQ(note, std::string(60, 'a'));
}

}  // namespace
}  // namespace orv
