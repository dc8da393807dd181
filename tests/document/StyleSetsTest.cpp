#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/StyleSets.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

TEST(StyleSets, PredefinedSlotsAndExactNames) {
  EXPECT_EQ(PredefinedCharSlot("Nadpis2"), 3);
  EXPECT_EQ(PredefinedCharSlot("nadpis2"), -1);  // case matters
  EXPECT_EQ(PredefinedParSlot(Cp1250FromUtf8("Hlavička1")), 2);
  EXPECT_EQ(PredefinedParSlot("Hlavicka1"), -1);  // so do accents
}

TEST(StyleSets, MissingCharacterStyleIsReportedAndMissingParagraphStyleIsNot) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  CCharFormat mine;
  mine.m_Height = 300;
  doc.m_Styles.Insert("Moje", mine);
  doc.m_StylesPar.Insert("Odstavec", CParFormat{});

  ASSERT_NE(GetStyle(doc, "Moje"), nullptr);
  EXPECT_EQ(GetStyle(doc, "Moje")->m_Height, 300);
  EXPECT_NE(GetStylePar(doc, "Odstavec"), nullptr);
  EXPECT_TRUE(ui.Messages().empty());

  EXPECT_EQ(GetStyle(doc, "moje"), nullptr);
  EXPECT_EQ(GetStylePar(doc, "Jiný"), nullptr);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"GetStyle - Chyba konzistence - zadaný styl písma neexistuje !"});
}

}  // namespace
}  // namespace orv
