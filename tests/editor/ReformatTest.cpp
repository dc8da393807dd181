// Re-formatting stored commentaries after a style edit: exactly the text in the old format changes,
// and a commentary without it keeps its bytes.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "editor/Reformat.h"
#include "editor/StyleFormats.h"

namespace orv {
namespace {

using test::Cz;

class ReformatTest : public ::testing::Test, public test::EditorFixture {
 protected:
  // A commentary of two paragraphs: "Nadpis" in Hlavička1/Nadpis1, then "text" in Normal2/Standard2
  // with "ruka" in Standard2 made italic by hand.
  CCommentaryText Written() {
    Type("Nadpis\rtext ruka");
    editor.Control().SetSel(0, 0);
    editor.ApplyParStyleByName(Cz("Hlavička1"));
    editor.Control().SetSel(0, 6);
    editor.ApplyStyleByName("Nadpis1");
    editor.Control().SetSel(7, 16);
    editor.ApplyParStyleByName("Normal2");
    editor.Control().SetSel(7, 16);
    editor.ApplyStyleByName("Standard2");
    CharFormat italic;
    italic.mask = CFM_ITALIC;
    italic.effects = CFE_ITALIC;
    editor.Control().SetSel(12, 16);
    editor.Control().SetSelectionCharFormat(italic);
    return editor.StoreCommentary();
  }
  CharFormat FormatIn(CRichEditCtrl& ctrl, int from, int to) {
    ctrl.SetSel(from, to);
    return ctrl.GetSelectionCharFormat();
  }
};

TEST_F(ReformatTest, EditedStandard2ChangesExactlyItsTextInEveryCommentary) {
  const CCommentaryText written = Written();
  Type("jen nadpis");
  editor.Control().SetSel(0, -1);
  editor.ApplyStyleByName("Nadpis1");
  const CCommentaryText untouched = editor.StoreCommentary();
  doc.m_DataTxt.Insert("2005/03/07", CEntrTxt{"pozn", written.rtf, written.text, {}});
  doc.m_DataTxt.Insert("2005/03/08", CEntrTxt{{}, untouched.rtf, untouched.text, {}});
  doc.m_DataMesice.Insert("2005/03", CEntrTxt{{}, written.rtf, written.text, {}});
  doc.SetModifiedFlag(false);

  SStyleEdits edits;
  CCharFormat bigger = *doc.m_Styles.Find("Standard2");
  edits.chars.push_back({ToCharFormat(bigger), {}});
  bigger.m_Height = 280;
  edits.chars.back().after = ToCharFormat(bigger);
  std::vector<int> progress;
  EXPECT_EQ(
      ReformatCommentaries(doc, edits, [&](int done, int total) { progress.push_back(done * 10 + total); }),
      2);
  EXPECT_EQ(progress, (std::vector<int>{13, 23, 33}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_DataTxt.Find("2005/03/08")->m_Rtf, untouched.rtf);

  for (const CEntrTxt* record : {doc.m_DataTxt.Find("2005/03/07"), doc.m_DataMesice.Find("2005/03")}) {
    CRichEditCtrl ctrl;
    ctrl.StreamIn(record->m_Rtf);
    EXPECT_EQ(ctrl.GetText(), written.text);
    EXPECT_EQ(FormatIn(ctrl, 7, 11).height, 280);   // "text": Standard2
    EXPECT_EQ(FormatIn(ctrl, 12, 16).height, 180);  // italic by hand: another format
    EXPECT_EQ(FormatIn(ctrl, 0, 6).height, 240);    // Nadpis1
  }
  EXPECT_EQ(doc.m_DataTxt.Find("2005/03/07")->m_Poznamka, "pozn");
}

TEST_F(ReformatTest, EditedParagraphStyleChangesItsParagraphsOnly) {
  const CCommentaryText written = Written();
  doc.m_DataTxt.Insert("2005/03/07", CEntrTxt{{}, written.rtf, written.text, {}});
  SStyleEdits edits;
  CParFormat centred = *doc.m_StylesPar.Find("Normal2");
  edits.pars.push_back({ToParaFormat(centred), {}});
  centred.m_Alignment = PFA_CENTER;
  centred.m_SpaceBefore = 100;
  edits.pars.back().after = ToParaFormat(centred);
  EXPECT_EQ(ReformatCommentaries(doc, edits), 1);
  CRichEditCtrl ctrl;
  ctrl.StreamIn(doc.m_DataTxt.Find("2005/03/07")->m_Rtf);
  ctrl.SetSel(8, 8);
  EXPECT_EQ(ctrl.GetParaFormat().alignment, PFA_CENTER);
  EXPECT_EQ(ctrl.GetParaFormat().spaceBefore, 100);
  ctrl.SetSel(1, 1);
  EXPECT_EQ(ctrl.GetParaFormat().alignment, PFA_LEFT);
  EXPECT_EQ(ctrl.GetParaFormat().spaceAfter, 200);
}

}  // namespace
}  // namespace orv
