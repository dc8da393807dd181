// The formatting commands' state, decided in the one enabling function: greyed while the calendar is
// view only, checked from the focused editor's selection.
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandState.h"
#include "app/CommandTable.h"

namespace orv {
namespace {

SFrameState InDayEditor(bool viewOnly) {
  SFrameState state;
  state.focus = FocusPane::DayEditor;
  state.viewOnly = viewOnly;
  state.clipboardHasText = true;
  return state;
}

TEST(FormattingCommandState, ViewOnlyGreysEveryFormattingStyleAndWritingCommand) {
  std::vector<int> formatting;
  for (const SCommand& c : CommandTable())
    if (c.id != 0 && c.rule == CommandRule::EditorWrite) formatting.push_back(c.id);
  for (int id : {cmd::Bold, cmd::Plain, cmd::Colours, cmd::ColourFirst, cmd::ColourLast, cmd::FontDialog,
                 cmd::StyleStandard1, cmd::StyleHlavicka2, cmd::UserCharStyle, cmd::UserParStyle + 7,
                 cmd::AlignCentre, cmd::ParagraphDialog, cmd::TabStopsDialog, cmd::InsertSymbol,
                 cmd::CharStylesDialog, cmd::ParStylesDialog, cmd::EditReplace})
    EXPECT_NE(std::find(formatting.begin(), formatting.end(), id), formatting.end()) << id;
  formatting.push_back(cmd::EditPaste);
  for (int id : formatting) {
    EXPECT_TRUE(CommandState(id, InDayEditor(false), true).enabled) << id;
    EXPECT_FALSE(CommandState(id, InDayEditor(true), true).enabled) << id;
    SFrameState inTable = InDayEditor(false);
    inTable.focus = FocusPane::Grid;
    EXPECT_FALSE(CommandState(id, inTable, true).enabled) << id;
  }
}

TEST(FormattingCommandState, CheckMarksFollowTheSelection) {
  SFrameState state = InDayEditor(false);
  state.effects = {1, 2, 0};  // bold, partly italic
  state.alignment = 3;
  state.colourId = cmd::ColourLast;
  const auto checked = [&](int id) { return CommandState(id, state, true).checked; };
  EXPECT_TRUE(checked(cmd::Bold));
  EXPECT_FALSE(checked(cmd::Italic));
  EXPECT_FALSE(checked(cmd::Plain));
  EXPECT_TRUE(checked(cmd::AlignCentre));
  EXPECT_FALSE(checked(cmd::AlignLeft));
  EXPECT_TRUE(checked(cmd::ColourLast));
  EXPECT_FALSE(checked(cmd::ColourFirst));
  state.effects = {0, 2, 0};  // nothing wholly on: "Obyčejné"
  EXPECT_TRUE(checked(cmd::Plain));
}

}  // namespace
}  // namespace orv
