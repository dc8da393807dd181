#include "app/CommandState.h"

#include <algorithm>

#include "app/CommandIds.h"
#include "app/CommandTable.h"

namespace orv {
namespace {

bool IsTextPane(FocusPane focus) {
  return focus == FocusPane::Note || focus == FocusPane::MonthEditor || focus == FocusPane::DayEditor;
}

bool IsEditor(FocusPane focus) {
  return focus == FocusPane::MonthEditor || focus == FocusPane::DayEditor;
}

bool RuleAllows(CommandRule rule, const SFrameState& f) {
  const bool writable = !f.viewOnly;
  switch (rule) {
    case CommandRule::Always:
    case CommandRule::Writing:
      return true;
    case CommandRule::Copy:
      // Copy in view-only mode is allowed to run: the commentaries ignore it there.
      return IsTextPane(f.focus) && f.hasSelection;
    case CommandRule::Cut:
      return IsTextPane(f.focus) && f.hasSelection && writable;
    case CommandRule::Paste:
      // A commentary editor answers a clipboard without text itself ("ve Schránce neni text").
      return IsTextPane(f.focus) && writable &&
             (f.clipboardHasText || (IsEditor(f.focus) && f.clipboardHasData));
    case CommandRule::Undo:
      return IsTextPane(f.focus) && writable && f.canUndo;
    case CommandRule::EditorRead:
      return IsEditor(f.focus);
    case CommandRule::EditorWrite:
      return IsEditor(f.focus) && writable;
    case CommandRule::Grid:
      return f.focus == FocusPane::Grid;
    case CommandRule::NoteWrite:
      return f.focus == FocusPane::Note && writable;
    case CommandRule::Spelling:
      return f.spellingMissing.empty();
  }
  return false;
}

bool Checked(int id, const SFrameState& f) {
  switch (id) {
    case cmd::ViewToolBar:
      return f.toolBarVisible;
    case cmd::ViewStyleBar:
      return f.styleBarVisible;
    case cmd::ViewStatusBar:
      return f.statusBarVisible;
    case cmd::ViewRuler:
      return f.rulerVisible;
    case cmd::AlwaysOnTop:
      return f.alwaysOnTop;
    case cmd::Maximise:
      return f.maximised;
    case cmd::SpellCheck:
      return f.spellingOn;
    case cmd::ShowNameDays:
      return f.categoriesShown[0];
    case cmd::ShowStateHolidays:
      return f.categoriesShown[1];
    case cmd::ShowOtherHolidays:
      return f.categoriesShown[2];
    case cmd::ShowBirthdays:
      return f.categoriesShown[3];
    case cmd::ShowSignificantDays:
      return f.categoriesShown[4];
    case cmd::Bold:
      return f.effects[0] == 1;
    case cmd::Italic:
      return f.effects[1] == 1;
    case cmd::Underline:
      return f.effects[2] == 1;
    case cmd::Plain:
      return std::find(f.effects.begin(), f.effects.end(), 1) == f.effects.end();
    case cmd::AlignLeft:
      return f.alignment == 1;
    case cmd::AlignRight:
      return f.alignment == 2;
    case cmd::AlignCentre:
      return f.alignment == 3;
    default:
      return id >= cmd::ColourFirst && id <= cmd::ColourLast && id == f.colourId;
  }
}

}  // namespace

SCommandState CommandState(int id, const SFrameState& frame, bool handled) {
  SCommandState state;
  const SCommand* command = FindCommand(id);
  if (!command) return state;
  state.visible = !(command->rule == CommandRule::Writing && frame.viewOnly);
  state.enabled =
      handled && state.visible && RuleAllows(command->rule, frame) &&
      std::find(frame.viewDisabled.begin(), frame.viewDisabled.end(), id) == frame.viewDisabled.end();
  state.checked = command->checkable && Checked(id, frame);
  if (id == cmd::ViewOnly) state.text = frame.viewOnly ? "Povolit &zapisování" : "&Zablokovat zapisování";
  if (command->rule == CommandRule::Spelling) state.prompt = frame.spellingMissing;
  return state;
}

}  // namespace orv
