#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "document/StyleSets.h"
#include "editor/StyleFormats.h"

namespace orv {
namespace {

using test::Cz;

class CommentaryEditorTest : public ::testing::Test, public test::EditorFixture {
 protected:
  // Focus gain on an empty editor of an unmodified calendar, and what it changed.
  void FocusEmpty(const char* dateKey) {
    editor.Clear();
    doc.SetModifiedFlag(false);
    editor.OnFocusGained(dateKey);
  }
};

TEST_F(CommentaryEditorTest, StoredCommentaryLoadsBackToTheSameBytes) {
  FocusEmpty("2005/03/07");
  Type("Porada ve středu\rÚkoly: žluťoučký kůň");
  editor.Control().SetSel(0, 6);
  ASSERT_TRUE(editor.ApplyStyleByName("Nadpis1"));
  editor.Control().SetSel(3, 9);
  const CCommentaryText first = editor.StoreCommentary();
  EXPECT_EQ(editor.Control().GetSel(), (CharRange{3, 9}));  // storing keeps the selection
  EXPECT_EQ(first.text, Cz("Porada ve středu\rÚkoly: žluťoučký kůň"));

  CCommentaryEditor other(doc, ui);
  other.StreamInFromText(first.rtf);
  EXPECT_FALSE(other.Control().GetModify());
  EXPECT_EQ(other.Control().GetSel(), (CharRange{0, 0}));
  const CCommentaryText second = other.StoreCommentary();
  EXPECT_EQ(second.rtf, first.rtf);
  EXPECT_EQ(second.text, first.text);
}

TEST_F(CommentaryEditorTest, CommentaryWithoutTextStoresAsEmpty) {
  for (const char* rtf : {"", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\b\\fs40 }"}) {
    editor.StreamInFromText(rtf);
    EXPECT_EQ(editor.StoreCommentary().rtf, "") << rtf;
    EXPECT_EQ(editor.StoreCommentary().text, "") << rtf;
  }
  FocusEmpty("2005/03/07");  // formatted, yet empty
  EXPECT_EQ(editor.StoreCommentary().rtf, "");
  Type("x");
  editor.Control().SetSel(0, -1);
  editor.Control().ReplaceSel("");
  EXPECT_EQ(editor.StoreCommentary().rtf, "");
}

TEST_F(CommentaryEditorTest, FocusOnEmptyCommentaryStartsInNormal1WithoutModifying) {
  std::vector<bool> changes;
  doc.AddModifiedObserver([&](bool modified) { changes.push_back(modified); });
  FocusEmpty("2005/03/07");
  changes.clear();
  editor.OnFocusLost("2005/03/07");
  editor.Clear();
  editor.OnFocusGained("2005/03/08");

  const CharFormat typing = editor.Control().GetSelectionCharFormat();
  EXPECT_EQ(typing.effects & (CFE_BOLD | CFE_ITALIC), CFE_BOLD);
  EXPECT_EQ(typing.height, 180);
  EXPECT_EQ(typing.face, "Verdana");
  EXPECT_EQ(typing.charset, kCharsetEastEurope);
  const ParaFormat para = editor.Control().GetParaFormat();
  EXPECT_EQ(para.spaceAfter, 80);
  EXPECT_EQ(para.lineSpacing, 200);
  EXPECT_EQ(para.lineSpacingRule, kSpacingAtLeast);
  EXPECT_EQ(para.alignment, PFA_LEFT);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(changes.empty());
  EXPECT_FALSE(editor.Control().GetModify());

  // A calendar modified before stays modified.
  editor.Clear();
  doc.SetModifiedFlag(true);
  editor.OnFocusGained("2005/03/08");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(CommentaryEditorTest, SkipFlagKeepsAFormatChosenForAnEmptyCommentaryOnce) {
  FocusEmpty("2005/03/07");
  editor.OnFocusLost("2005/03/07");
  CharFormat big;
  big.mask = CFM_SIZE;
  big.height = 480;
  editor.Control().SetSelectionCharFormat(big);
  editor.SetSkipEmptyStyle(true);
  editor.OnFocusGained("2005/03/07");
  EXPECT_EQ(editor.Control().GetSelectionCharFormat().height, 480);
  EXPECT_FALSE(editor.SkipsEmptyStyle());
  editor.OnFocusLost("2005/03/07");
  editor.OnFocusGained("2005/03/07");
  EXPECT_EQ(editor.Control().GetSelectionCharFormat().height, 180);
}

TEST_F(CommentaryEditorTest, SelectionComesBackOnTheSameDateOnly) {
  editor.StreamInFromText("");
  Type("Dnes bylo hezky.");
  editor.Control().SetSel(5, 9);
  editor.OnFocusLost("2005/03/07");
  editor.Control().SetSel(0, 0);  // the calendar moved around meanwhile
  editor.OnFocusGained("2005/03/07");
  EXPECT_EQ(editor.Control().GetSel(), (CharRange{5, 9}));

  editor.OnFocusLost("2005/03/07");
  editor.OnFocusGained("2005/03/08");
  EXPECT_EQ(editor.Control().GetSel(), (CharRange{0, 0}));
}

TEST_F(CommentaryEditorTest, StatusPanesOfCaretAndOverwrite) {
  EXPECT_EQ(status[1], "\tř 0001  s 001");
  EXPECT_EQ(status[5], "\t");
  EXPECT_TRUE(editor.ToggleOverwrite());
  EXPECT_EQ(status[5], "\tPŘES");
  EXPECT_FALSE(editor.ToggleOverwrite());
  EXPECT_EQ(status[5], "\t");

  Type("první\rdruhý řádek");
  struct Case {
    int caret;
    const char* text;
  };
  for (const Case& c : {Case{0, "\tř 1,  s 1"}, {5, "\tř 1,  s 6"}, {6, "\tř 2,  s 1"}, {9, "\tř 2,  s 4"}}) {
    editor.UpdateCaretStatus(c.caret);
    EXPECT_EQ(status[1], c.text) << c.caret;
  }

  editor.ToggleOverwrite();
  editor.DoInitialUpdate("Verdana", [](std::string_view) { return true; });
  EXPECT_FALSE(editor.IsOverwrite());
  EXPECT_EQ(status[1], "\tř 0001  s 001");
  EXPECT_EQ(status[5], "\t");
}

TEST_F(CommentaryEditorTest, DeleteAndCutOnAnEmptiedEditorStartInStandard1) {
  for (bool cut : {false, true}) {
    editor.Clear();  // an empty editor not yet styled
    if (cut) {
      Type("text");
      editor.Control().SetSel(0, -1);
      editor.Control().ReplaceSel("");
    }
    doc.SetModifiedFlag(false);
    cut ? editor.AfterCut() : editor.BeforeDelete();
    const CharFormat typing = editor.Control().GetSelectionCharFormat();
    EXPECT_EQ(typing.height, 180) << cut;
    EXPECT_EQ(typing.effects & CFE_BOLD, CFE_BOLD) << cut;
    EXPECT_EQ(typing.face, "Verdana") << cut;
    EXPECT_TRUE(doc.IsModified()) << cut;
  }

  editor.Clear();
  Type("zbytek");  // with text left, neither touches the format
  editor.Control().SetSel(2, 2);
  editor.BeforeDelete();
  editor.AfterCut();
  EXPECT_EQ(editor.Control().GetSelectionCharFormat().height, CRichEditCtrl::DefaultRunFormat().height);
}

TEST_F(CommentaryEditorTest, EditsMarkTheCalendarOnce) {
  editor.AfterEdit();
  EXPECT_FALSE(doc.IsModified());  // nothing typed
  Type("a");
  editor.AfterEdit();
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);  // saved
  editor.AfterEdit();          // then an arrow key
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(CommentaryEditorTest, CharacterStylesByName) {
  CCharFormat mine;
  mine.m_FaceName = "Courier";
  mine.m_Height = 300;
  mine.m_Underline = 1;
  doc.m_Styles.Insert("Moje", mine);
  Type("slovo");
  editor.Control().SetSel(0, -1);
  doc.SetModifiedFlag(false);
  ASSERT_TRUE(editor.ApplyStyleByName("Moje"));
  const CharFormat applied = editor.Control().GetSelectionCharFormat();
  EXPECT_EQ(applied.face, "Courier");
  EXPECT_EQ(applied.height, 300);
  EXPECT_EQ(applied.effects & (CFE_UNDERLINE | CFE_STRIKEOUT | CFE_BOLD), CFE_UNDERLINE);
  EXPECT_TRUE(doc.IsModified());

  EXPECT_FALSE(editor.ApplyStyleByName("moje"));
  doc.m_Styles.Find("Nadpis2")->m_FaceName.clear();
  EXPECT_FALSE(editor.ApplyStyleByName("Nadpis2"));
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"GetStyle - Chyba konzistence - zadaný styl písma neexistuje !",
                                      "Nejdříve je nutno nastavit ve stylu Nadpis2 písmo."}));
  EXPECT_EQ(editor.Control().GetSelectionCharFormat().face, "Courier");
}

TEST_F(CommentaryEditorTest, ParagraphStyleChangesOnlyTextInItsOldStyle) {
  FocusEmpty("2005/03/07");
  Type("úvod\rstyl ručně\rkonec");
  editor.Control().SetSel(0, -1);
  ASSERT_TRUE(editor.ApplyParStyleByName("Normal1"));
  editor.Control().SetSel(0, -1);
  ASSERT_TRUE(editor.ApplyStyleByName("Standard1"));
  CharFormat byHand;
  byHand.mask = CFM_ITALIC;
  byHand.effects = CFE_ITALIC;
  editor.Control().SetSel(10, 15);  // "ručně"
  editor.Control().SetSelectionCharFormat(byHand);

  editor.Control().SetSel(7, 7);  // inside the second paragraph
  ASSERT_TRUE(editor.ApplyParStyleByName(Cz("Hlavička1")));
  auto formatAt = [&](int from, int to) {
    editor.Control().SetSel(from, to);
    return editor.Control().GetSelectionCharFormat();
  };
  EXPECT_EQ(formatAt(5, 9).height, 240);  // "styl": Standard1 became Nadpis1
  EXPECT_EQ(formatAt(5, 9).colour, 0x800000u);
  EXPECT_EQ(formatAt(10, 15).height, 180);  // by hand: kept
  EXPECT_EQ(formatAt(10, 15).effects & CFE_ITALIC, CFE_ITALIC);
  EXPECT_EQ(formatAt(0, 4).height, 180);  // other paragraphs untouched
  EXPECT_EQ(formatAt(16, 21).height, 180);

  editor.Control().SetSel(5, 5);
  EXPECT_EQ(editor.Control().GetParaFormat().spaceAfter, 200);
  editor.Control().SetSel(0, 0);
  EXPECT_EQ(editor.Control().GetParaFormat().spaceAfter, 80);
  editor.Control().SetSel(16, 16);
  EXPECT_EQ(editor.Control().GetParaFormat().spaceAfter, 80);
}

}  // namespace
}  // namespace orv
