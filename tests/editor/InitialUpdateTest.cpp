#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "document/StyleSets.h"
#include "editor/StyleFormats.h"

namespace orv {
namespace {

using test::Cz;

TEST(InitialUpdate, NewCalendarGetsTheFactoryStylesInTheBaseFace) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  doc.OnNewDocument();
  CCommentaryEditor editor(doc, ui);
  editor.DoInitialUpdate("Verdana", [](std::string_view face) { return face == "Verdana"; });

  ASSERT_EQ(doc.m_Styles.size(), 4u);
  ASSERT_EQ(doc.m_StylesPar.size(), 4u);
  const CCharFormat& nadpis1 = *doc.m_Styles.Find("Nadpis1");
  EXPECT_EQ(nadpis1.m_FaceName, "Verdana");
  EXPECT_EQ(nadpis1.m_Height, 240);
  EXPECT_EQ(nadpis1.m_Color, 0x800000u);
  EXPECT_EQ(nadpis1.m_Effects, kEffectBold);
  EXPECT_EQ(nadpis1.m_CharSet, kCharsetEastEurope);
  EXPECT_EQ(doc.m_Styles.Find("Standard2")->m_Effects, 0u);
  const CParFormat& hlavicka2 = *doc.m_StylesPar.Find(Cz("Hlavička2"));
  EXPECT_EQ(hlavicka2.m_CharStyle, "Nadpis2");
  EXPECT_EQ(hlavicka2.m_SpaceAfter, 160);
  EXPECT_EQ(hlavicka2.m_LineSpacing, 240);
  EXPECT_EQ(hlavicka2.m_LineSpacingRule, 3);
  EXPECT_EQ(hlavicka2.m_Alignment, 1);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(doc.IsModified());
}

TEST(InitialUpdate, KeepsStylesWithAFaceAndFillsWhatIsMissing) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CCharFormat own = FactoryCharStyle(1, "Times");
  own.m_Height = 260;
  doc.m_Styles.Insert("Standard2", own);
  doc.m_Styles.Insert("Nadpis1", CCharFormat{});  // read from a file without a face
  CParFormat ownPar = FactoryParStyle(0);
  ownPar.m_SpaceAfter = 999;
  doc.m_StylesPar.Insert("Normal1", ownPar);
  CCommentaryEditor editor(doc, ui);
  editor.DoInitialUpdate("Verdana", [](std::string_view) { return true; });

  EXPECT_EQ(*doc.m_Styles.Find("Standard2"), own);
  EXPECT_EQ(*doc.m_Styles.Find("Nadpis1"), FactoryCharStyle(2, "Verdana"));
  EXPECT_EQ(*doc.m_Styles.Find("Standard1"), FactoryCharStyle(0, "Verdana"));
  // A character style had to be filled in, so the paragraph styles start afresh as well.
  EXPECT_EQ(*doc.m_StylesPar.Find("Normal1"), FactoryParStyle(0));

  // All faces set now: a second set-up changes nothing, and a missing paragraph style comes back.
  doc.m_StylesPar.Insert("Normal1", ownPar);
  doc.m_StylesPar.Erase("Normal2");
  editor.DoInitialUpdate("Arial", [](std::string_view) { return true; });
  EXPECT_EQ(*doc.m_Styles.Find("Standard2"), own);
  EXPECT_EQ(doc.m_StylesPar.Find("Normal1")->m_SpaceAfter, 999);
  EXPECT_EQ(*doc.m_StylesPar.Find("Normal2"), FactoryParStyle(1));
}

TEST(InitialUpdate, BaseFaceNotInstalledLeavesStylesFacelessAndSaysSo) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CCommentaryEditor editor(doc, ui);
  editor.DoInitialUpdate("Verdana", [](std::string_view) { return false; });
  ASSERT_EQ(doc.m_Styles.size(), 4u);
  EXPECT_EQ(doc.m_Styles.Find("Standard1")->m_FaceName, "");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(4, "Pismo Verdana neexistuje."));

  ui.Clear();
  editor.OnFocusGained("2005/03/07");  // the empty style cannot be applied
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nejdříve je nutno nastavit ve stylu Standard1 písmo."});
}

}  // namespace
}  // namespace orv
