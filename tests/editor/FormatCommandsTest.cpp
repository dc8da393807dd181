// The formatting commands that set a format directly: effects, "Obyčejné", colours, alignment, the
// face, size and script of the formatting toolbar, each one undo step.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "EditorFixture.h"
#include "editor/FormatCommands.h"
#include "editor/SymbolInsert.h"
#include "editor/TextColours.h"

namespace orv {
namespace {

using test::Cz;

class FormatCommandsTest : public ::testing::Test, public test::EditorFixture {
 protected:
  FormatCommandsTest() {
    Type("jedna dva tři");
    doc.SetModifiedFlag(false);
  }
  CharFormat FormatOf(int from, int to) {
    editor.Control().SetSel(from, to);
    return editor.Control().GetSelectionCharFormat();
  }
  void Select(int from, int to) { editor.Control().SetSel(from, to); }
};

TEST_F(FormatCommandsTest, EffectSwitchesOnWhereMixedAndOffWhereUniform) {
  Select(0, 5);
  ToggleEffect(editor, CFE_BOLD);  // "jedna" bold
  Select(0, 9);                    // "jedna dva": partly bold
  EXPECT_EQ(FormatStateOf(editor).effects[0], EEffectState::Mixed);
  ToggleEffect(editor, CFE_BOLD);
  EXPECT_EQ(FormatStateOf(editor).effects[0], EEffectState::On);
  EXPECT_TRUE(FormatOf(0, 9).effects & CFE_BOLD);
  Select(0, 9);
  ToggleEffect(editor, CFE_BOLD);
  EXPECT_EQ(FormatOf(0, 9).effects & CFE_BOLD, 0u);
  EXPECT_TRUE(doc.IsModified());

  Select(0, 13);
  ToggleEffect(editor, CFE_ITALIC);
  ToggleEffect(editor, CFE_UNDERLINE);
  CharFormat strike;
  strike.mask = CFM_STRIKEOUT;
  strike.effects = CFE_STRIKEOUT;
  editor.ApplyCharFormat(strike);
  SetPlain(editor);
  const CharFormat plain = FormatOf(0, 13);
  EXPECT_EQ(plain.effects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT), 0u);
  EXPECT_EQ(plain.height, 200);  // the rest stays
}

TEST_F(FormatCommandsTest, EachCommandIsOneUndoStep) {
  QTextDocument* document = editor.Control().Document();
  Select(0, 9);
  ASSERT_TRUE(editor.ApplyStyleByName("Nadpis1"));
  Select(2, 7);
  ToggleEffect(editor, CFE_ITALIC);
  SetAlignment(editor, PFA_CENTER);

  document->undo();  // the alignment
  Select(0, 0);
  EXPECT_EQ(editor.Control().GetParaFormat().alignment, PFA_LEFT);
  EXPECT_TRUE(FormatOf(2, 7).effects & CFE_ITALIC);
  document->undo();  // the italic
  EXPECT_EQ(FormatOf(2, 7).effects & CFE_ITALIC, 0u);
  EXPECT_EQ(FormatOf(0, 9).height, 240);
  document->undo();  // the whole style at once
  EXPECT_EQ(FormatOf(0, 9).height, 200);
  document->redo();
  EXPECT_EQ(FormatOf(0, 9).height, 240);
  EXPECT_EQ(FormatOf(0, 9).colour, 0x800000u);
}

TEST_F(FormatCommandsTest, ColoursAndTheAutomaticOne) {
  Select(0, 5);
  ASSERT_TRUE(SetTextColour(editor, 32911));  // "Červená"
  EXPECT_EQ(FormatOf(0, 5).colour, 0x0000FFu);
  EXPECT_EQ(FormatStateOf(editor).colourId, 32911);
  Select(6, 9);
  ASSERT_TRUE(SetTextColour(editor, 32906));  // "Námořnická"
  EXPECT_EQ(FormatOf(6, 9).colour, 0x800000u);
  Select(0, 13);
  ASSERT_TRUE(SetTextColour(editor, kAutomaticColourId));
  const CharFormat automatic = FormatOf(0, 13);
  EXPECT_EQ(automatic.effects & CFE_AUTOCOLOR, CFE_AUTOCOLOR);  // no colour of its own
  EXPECT_TRUE(automatic.mask & CFM_COLOR);
  EXPECT_EQ(FormatStateOf(editor).colourId, kAutomaticColourId);

  EXPECT_FALSE(SetTextColour(editor, 32901));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"OnBarvaTextu - chyba"});
  EXPECT_EQ(TextColours().size(), 17u);
}

TEST_F(FormatCommandsTest, FaceTakesTheFirstCharacterSetItExistsIn) {
  // Which sets each face exists in.
  const auto fonts = [](std::string_view face, int charset) {
    if (face == "Symbolic") return charset == kCharsetSymbol || charset == kCharsetAnsi;
    if (face == "Cyrillic Sans") return charset == 204 || charset == kCharsetAnsi;
    if (face == "Western") return charset == kCharsetAnsi;
    return false;
  };
  struct Case {
    const char* face;
    int selectionCharset;
    int expected;  // -1: refused
  };
  const Case cases[] = {
      {"Symbolic", kCharsetEastEurope, kCharsetSymbol},
      {"Cyrillic Sans", 204, 204},
      {"Cyrillic Sans", kCharsetEastEurope, kCharsetAnsi},
      {"Western", kCharsetEastEurope, kCharsetAnsi},
      {"Nowhere", kCharsetEastEurope, -1},
  };
  for (const Case& c : cases) {
    Select(0, 5);
    SetCharset(editor, c.selectionCharset);
    const std::string before = FormatOf(0, 5).face;
    Select(0, 5);
    ui.Clear();
    EXPECT_EQ(SetFace(editor, c.face, fonts), c.expected >= 0) << c.face;
    const CharFormat result = FormatOf(0, 5);
    if (c.expected >= 0) {
      EXPECT_EQ(result.face, c.face);
      EXPECT_EQ(result.charset, c.expected) << c.face;
      EXPECT_TRUE(ui.Messages().empty());
    } else {
      EXPECT_EQ(result.face, before);
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Požadované písmo vyžaduje použití dialogu Písmo."});
    }
  }
  Select(0, 5);
  SetPoints(editor, 14);
  EXPECT_EQ(FormatOf(0, 5).height, 280);
  EXPECT_EQ(FormatOf(6, 9).height, 200);
}

TEST_F(FormatCommandsTest, SymbolTakesThePlaceOfTheSelectionInItsFace) {
  Select(6, 9);  // "dva"
  InsertSymbol(editor, 0xA7, "Symbolic", kCharsetSymbol);
  EXPECT_EQ(editor.Control().GetText(), Cz("jedna § tři"));
  EXPECT_EQ(editor.Control().GetSel(), (CharRange{7, 7}));
  const CharFormat symbol = FormatOf(6, 7);
  EXPECT_EQ(symbol.face, "Symbolic");
  EXPECT_EQ(symbol.charset, kCharsetSymbol);
  EXPECT_EQ(FormatOf(0, 5).face, "Arial");
  EXPECT_TRUE(doc.IsModified());
  editor.Control().Document()->undo();  // one step
  EXPECT_EQ(editor.Control().GetText(), Cz("jedna dva tři"));

  EXPECT_EQ(SymbolCodes().size(), 222u);
  const auto fonts = +[](std::string_view face, int charset) {
    return (face == "Sym" && charset == kCharsetSymbol) || (face != "Sym" && charset == kCharsetEastEurope);
  };
  EXPECT_EQ(SymbolFaces({"Sym", "Arial", "Verdana"}, kCharsetSymbol, fonts),
            (std::vector<std::string>{"Arial", "Verdana", "Sym"}));
}

}  // namespace
}  // namespace orv
