// The font, paragraph and tab stop dialogs without their windows.
#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "editor/FormatDialogModels.h"

namespace orv {
namespace {

TEST(FormatDialogModels, TabStopsInCentimetresWithCommaOrDot) {
  test::FakeUiServices ui;
  CTabStopsModel tabs(0, {});
  bool clear = false;
  struct Case {
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {{"2,5", true}, {"2.5", true},    {" 0,1 ", true}, {"50", true}, {"0,05", false},
                        {"51", false}, {"50,01", false}, {"", false},     {"x", false}, {"1,5cm", false}};
  for (const Case& c : cases) {
    ui.Clear();
    EXPECT_EQ(tabs.Set(c.typed, ui, clear), c.accepted) << c.typed;
    EXPECT_EQ(ui.Messages().empty(), c.accepted) << c.typed;
    if (!c.accepted) {
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Neplatné zadání zarážky"});
    }
  }
  EXPECT_EQ(tabs.Positions(), (std::vector<int32_t>{56, 1417, 28350}));  // 2,5 cm is 1417 twips, truncated
  EXPECT_EQ(tabs.Texts(), (std::vector<std::string>{"0,10", "2,50", "50,00"}));

  tabs.RemoveAll();
  for (int i = 1; i <= 32; ++i) ASSERT_TRUE(tabs.Set(std::to_string(i), ui, clear)) << i;
  ui.Clear();
  EXPECT_FALSE(tabs.Set("33", ui, clear));
  EXPECT_TRUE(clear);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Maximální počet zarážek je 32 !"});
  tabs.Remove(0);
  int16_t count = 0;
  std::array<int32_t, kMaxTabStops> stops{};
  tabs.CopyTo(count, stops);
  EXPECT_EQ(count, 31);
  EXPECT_EQ(stops[0], 1134);
  EXPECT_EQ(stops[31], 0);
}

TEST(FormatDialogModels, ParagraphIndentsAndSpacing) {
  test::FakeUiServices ui;
  ParaFormat sel;
  sel.mask = PFM_ALL;
  sel.startIndent = 567;
  sel.offset = 283;
  sel.alignment = PFA_CENTER;
  sel.lineSpacing = 240;
  sel.lineSpacingRule = kSpacingAtLeast;
  sel.spaceAfter = 80;
  SParagraphFields fields = ParagraphPreset(sel);
  EXPECT_EQ(fields.left, "1,50");
  EXPECT_EQ(fields.firstLine, "-0,50");
  EXPECT_EQ(fields.alignment, 2);
  EXPECT_EQ(fields.spacing, 2);
  EXPECT_EQ(fields.exactPoints, "12");
  EXPECT_EQ(fields.afterPoints, "4");
  sel.mask &= ~PFM_OFFSET;
  EXPECT_EQ(ParagraphPreset(sel).left, "0,00");  // mixed

  fields.left = "0,5";  // a first line hanging 1 cm further than the left indent
  fields.firstLine = "-1";
  std::optional<ParaFormat> hanging = ParagraphResult(fields, ui);
  ASSERT_TRUE(hanging);
  EXPECT_EQ(hanging->startIndent, 0);
  EXPECT_EQ(hanging->offset, 283);
  EXPECT_EQ(hanging->alignment, PFA_CENTER);
  EXPECT_EQ(hanging->lineSpacing, 240);
  EXPECT_EQ(hanging->mask & PFM_TABSTOPS, 0u);
  fields.left = "2.5";
  fields.firstLine = "1";
  std::optional<ParaFormat> indented = ParagraphResult(fields, ui);
  ASSERT_TRUE(indented);
  EXPECT_EQ(indented->startIndent, 1417 + 567);
  EXPECT_EQ(indented->offset, -567);

  for (const char* bad : {"-1", "50,5", "abc"}) {
    fields.left = bad;
    EXPECT_FALSE(ParagraphResult(fields, ui)) << bad;
  }
  EXPECT_EQ(ui.Messages().size(), 3u);
  EXPECT_EQ(ui.Messages().front(), "Hodnota odsazení zleva musí být v intervalu 0 až +50 !");
}

// A bulleted paragraph with spacings the lists do not offer (3 pt before and after, at least 30 pt
// between lines): OK without a change keeps all of it; a change touches only its own part.
TEST(FormatDialogModels, ParagraphOkChangesOnlyWhatTheUserChanged) {
  test::FakeUiServices ui;
  ParaFormat sel;
  sel.mask = PFM_ALL;
  sel.numbering = PFN_BULLET;
  sel.numberingTab = 360;
  sel.alignment = PFA_JUSTIFY;
  sel.spaceBefore = 60;
  sel.spaceAfter = 60;
  sel.lineSpacing = 600;
  sel.lineSpacingRule = kSpacingAtLeast;
  const SParagraphFields shown = ParagraphPreset(sel);
  EXPECT_EQ(shown.beforePoints, "3");
  EXPECT_EQ(shown.exactPoints, "30");

  const std::optional<ParaFormat> untouched = ParagraphResult(shown, ui);
  ASSERT_TRUE(untouched);
  EXPECT_EQ(untouched->mask, 0u);
  ParaFormat kept = *untouched;
  kept.mask = sel.mask;
  EXPECT_EQ(kept, sel);

  SParagraphFields typed = shown;
  typed.afterPoints = "2,5";
  typed.firstLine = "1";
  const std::optional<ParaFormat> changed = ParagraphResult(typed, ui);
  ASSERT_TRUE(changed);
  EXPECT_EQ(changed->mask, PFM_SPACEAFTER | PFM_STARTINDENT | PFM_OFFSET | PFM_OFFSETINDENT);
  EXPECT_EQ(changed->spaceAfter, 50);
  EXPECT_EQ(changed->startIndent, 567);
  EXPECT_EQ(changed->numbering, PFN_BULLET);
  EXPECT_EQ(changed->lineSpacing, 600);
  EXPECT_TRUE(ui.Messages().empty());

  // A mixed selection leaves the boxes empty; only a box the user fills is applied.
  sel.mask = PFM_ALL & ~(PFM_SPACEBEFORE | PFM_ALIGNMENT);
  SParagraphFields mixed = ParagraphPreset(sel);
  EXPECT_EQ(mixed.beforePoints, "");
  EXPECT_EQ(mixed.alignment, -1);
  EXPECT_EQ(ParagraphResult(mixed, ui)->mask, 0u);
  mixed.beforePoints = "7";
  EXPECT_EQ(ParagraphResult(mixed, ui)->mask, PFM_SPACEBEFORE);

  for (const char* bad : {"-1", "x", "", "1585"}) {
    ui.Clear();
    typed = shown;
    typed.beforePoints = bad;
    EXPECT_FALSE(ParagraphResult(typed, ui)) << bad;
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"Hodnota mezery musí být v intervalu 0 až 1584 bodů !"});
  }
}

TEST(FormatDialogModels, FontPresetLeavesMixedPartsOpenAndOkKeepsSupportedSets) {
  test::FakeUiServices ui;
  CharFormat sel;
  sel.mask = CFM_ALL & ~(CFM_SIZE | CFM_ITALIC);
  sel.face = "Verdana";
  sel.charset = 238;
  sel.effects = CFE_BOLD | CFE_UNDERLINE;
  sel.colour = 0x0000FF;
  const SFontChoice preset = FontPreset(sel);
  EXPECT_EQ(preset.pointsTenths, 0);
  EXPECT_FALSE(preset.styleKnown);
  EXPECT_TRUE(preset.effectsKnown);
  EXPECT_TRUE(preset.underline);
  EXPECT_EQ(preset.colour, 0x0000FFu);

  SFontChoice chosen = preset;
  chosen.pointsTenths = 105;
  chosen.bold = true;
  SFontResult result = FontResult(chosen, ui);
  EXPECT_EQ(result.format.height, 210);
  EXPECT_EQ(result.format.effects, CFE_BOLD | CFE_UNDERLINE);
  EXPECT_EQ(result.format.mask, CFM_ALL & ~CFM_PROTECTED);
  ASSERT_TRUE(result.charsetFirst);
  EXPECT_EQ(result.charsetFirst->charset, 238);
  EXPECT_TRUE(ui.Messages().empty());

  chosen.charset = 186;  // Baltic
  chosen.colour = kNoColour;
  result = FontResult(chosen, ui);
  EXPECT_EQ(result.format.charset, 0);
  EXPECT_EQ(result.format.mask & CFM_COLOR, 0u);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{
                "2 Zadaná znaková sada není podporována, a byla nahrazena sadou ANSI (západní jazyky)"});
}

}  // namespace
}  // namespace orv
