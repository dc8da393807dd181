#include "exchange/CommentaryRecord.h"

#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "document/TedDoc.h"
#include "exchange/CommentaryFormats.h"
#include "exchange/MarkdownImport.h"
#include "exchange/RedNotebookMarkup.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

// The record written directly is the record the editor's control gives for the same content.
TEST(CommentaryRecord, IsWhatTheControlStores) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  doc.OnNewDocument();
  const CCommentaryFormats formats(doc);
  std::vector<RichContent> contents;
  for (const char16_t* text : {u"= Výlet =\n**Ráno** //jsme// __jeli__ --autem-- 🚲\n- a\n+ b\n\n\tkonec", u"", u"\n\nx"})
    contents.push_back(RedNotebookCommentary(text, {{u"Počasí", {u"sníh"}}}, formats));
  for (const char* markdown : {"# A\n\n> **b** *c* <u>d</u>\\\ne\n\n1. x\n2. y\n\n<br>\n\n```\nk\n\nl\n```", "x\r\ny\r\n",
                               "&#13;a&#8233;b&#65532;"}) {
    std::string failure;
    contents.push_back(ReadMarkdownDay(markdown, {2024, 1, 1}, formats, failure)->commentary);
  }
  CCommentaryRecord writer;
  CRichEditCtrl control;
  for (const RichContent& content : contents) {
    CEntrTxt direct;
    ASSERT_TRUE(writer.Store(content, direct));
    ASSERT_TRUE(control.StreamIn(WriteRtf(content)));
    EXPECT_EQ(direct.m_Text, control.GetText());
    EXPECT_EQ(direct.m_Rtf, direct.m_Text.empty() ? std::string() : control.StreamOut()) << direct.m_Rtf;
  }
}

}  // namespace
}  // namespace orv
