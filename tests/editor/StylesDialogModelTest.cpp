// The two style dialogs without their windows: every check of "Nový", "Upravit" and "Smazat" with its
// message, OK writing the set back, and the edits that re-format the stored commentaries.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "editor/StyleFormats.h"
#include "editor/StylesDialogModel.h"

namespace orv {
namespace {

using test::Cz;

class StylesDialogModelTest : public ::testing::Test, public test::EditorFixture {
 protected:
  StylesDialogModelTest() { doc.SetModifiedFlag(false); }
  CharFormat Format(const char* name) const { return ToCharFormat(*doc.m_Styles.Find(name)); }
  static CharFormat Courier(int height) {
    CharFormat f;
    f.mask = CFM_ALL;
    f.face = "Courier";
    f.height = height;
    return f;
  }
};

TEST_F(StylesDialogModelTest, NewStyleChecksInTheirOrder) {
  CCharStylesModel model(doc, ui);
  ASSERT_TRUE(model.Open());
  for (int i = 1; i <= 8; ++i)
    ASSERT_TRUE(model.AddNew("Moje" + std::to_string(i), Courier(200 + 20 * i))) << i;
  EXPECT_EQ(model.Names().size(), 12u);
  EXPECT_FALSE(model.CheckNewName("Moje9"));  // the thirteenth, before any other check
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Další styl již přidat nelze."});

  ASSERT_TRUE(model.Delete("Moje8"));
  struct Case {
    std::string name;
    const char* message;
  };
  const Case refused[] = {
      {"Moje1", "Styl již existuje."},
      {"", "Zadejte název stylu."},
      {" Moje", "Název stylu nemůže začínat mezerou."},
  };
  for (const Case& c : refused) {
    ui.Clear();
    EXPECT_FALSE(model.CheckNewName(c.name)) << c.name;
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message}) << c.name;
  }
  ui.Clear();
  EXPECT_TRUE(model.CheckNewName("moje1"));  // letter case makes another name
  CharFormat noFace = Courier(300);
  noFace.face.clear();
  EXPECT_FALSE(model.AddNew("Bez", noFace));
  EXPECT_FALSE(model.AddNew("Jako2", Format("Standard2")));
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"Je nutno zadat písmo !",
                                      "Zadaný formát písma již existuje pod názvem Standard2"}));
  EXPECT_FALSE(doc.m_Styles.Contains("Moje1"));  // nothing reaches the calendar before OK
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(StylesDialogModelTest, EditDeleteAndOk) {
  CCharStylesModel model(doc, ui);
  ASSERT_TRUE(model.AddNew(Cz("Malé"), Courier(160)));
  EXPECT_FALSE(model.CheckEdit(""));
  EXPECT_FALSE(model.Delete(""));
  EXPECT_FALSE(model.Delete("Nadpis1"));
  EXPECT_FALSE(model.Edit("Standard1", Format("Nadpis1")));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Prosím, vyberte v seznamu styl, který chcete editovat !",
                               "Prosím, vyberte v seznamu styl, který chcete vymazat !",
                               "Styly Standard1, Standard2, Nadpis1 a Nadpis2 vymazat nelze !",
                               "Zadaný formát písma již existuje pod názvem Nadpis1",
                           }));
  ui.Clear();
  CharFormat bigger = Format("Standard2");
  ASSERT_TRUE(model.Edit("Standard2", bigger));  // unchanged: no edit
  bigger.height = 240;
  bigger.face = "Georgia";
  ASSERT_TRUE(model.Edit("Standard2", bigger));
  bigger.height = 260;
  ASSERT_TRUE(model.Edit("Standard2", bigger));  // edited twice: re-formats from the first format
  ASSERT_TRUE(model.Edit(Cz("Malé"), Courier(140)));

  const CharFormat before = Format("Standard2");
  const SStyleEdits edits = model.Commit(doc);
  ASSERT_EQ(edits.chars.size(), 1u);
  EXPECT_TRUE(IsSameCharStyle(edits.chars[0].before, before));
  EXPECT_EQ(edits.chars[0].after.height, 260);
  EXPECT_EQ(doc.m_Styles.Find("Standard2")->m_FaceName, "Georgia");
  EXPECT_EQ(doc.m_Styles.Find(Cz("Malé"))->m_Height, 140);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(StylesDialogModelTest, ParagraphStylesHaveTheirOwnMessages) {
  CParStylesModel model(doc, ui);
  SParStyleChoice same = model.ChoiceOf("Normal2");
  same.charStyle = "Nadpis1";  // the character style is no part of the comparison
  EXPECT_FALSE(model.AddNew("Nový", same));
  EXPECT_FALSE(model.Delete(Cz("Hlavička2")));
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"Zadaný formát odstavce již existuje pod názvem Normal2",
                                      "Styly Normal1, Normal2, Hlavička1 a Hlavička2 vymazat nelze !"}));
  same.format.alignment = PFA_CENTER;
  ASSERT_TRUE(model.AddNew(Cz("Střed"), same));
  EXPECT_EQ(model.Names(),
            (std::vector<std::string>{Cz("Hlavička1"), Cz("Hlavička2"), "Normal1", "Normal2", Cz("Střed")}));
  model.Commit(doc);
  EXPECT_EQ(doc.m_StylesPar.Find(Cz("Střed"))->m_CharStyle, "Nadpis1");
}

}  // namespace
}  // namespace orv
