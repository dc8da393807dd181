#pragma once
// The one place that decides whether a command of the main window is enabled, checked and shown,
// and what the view-only item says, from a plain description of the window's state. The frame
// describes itself in SFrameState and applies the result to its actions; tests need no window.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class FocusPane { Other, Grid, Note, MonthEditor, DayEditor };

struct SFrameState {
  FocusPane focus = FocusPane::Other;
  bool viewOnly = false;
  bool hasSelection = false;  // in the focused text pane
  bool canUndo = false;       // the focused text pane can undo
  bool clipboardHasText = false;
  bool clipboardHasData = false;  // anything at all, text or not
  bool alwaysOnTop = false;
  bool maximised = false;
  bool toolBarVisible = true;
  bool styleBarVisible = true;
  bool statusBarVisible = true;
  bool rulerVisible = true;
  // Name days, state, other, private holidays, significant days (the calendar's display switches).
  std::array<bool, 5> categoriesShown{true, true, true, true, true};
  // The focused commentary editor's selection: bold, italic and underline (0 off, 1 on, 2 mixed), the
  // alignment of its paragraphs (0 when they differ) and the colour chosen last there (its command).
  std::array<int, 3> effects{};
  int alignment = 0;
  int colourId = 0;
  // Why spell checking cannot be had (empty when it can), and whether it is on.
  std::string spellingMissing;
  bool spellingOn = false;
  // Commands the calendar view cannot carry out where it stands (next month in December 2020 ...).
  std::vector<int> viewDisabled;
};

struct SCommandState {
  bool enabled = false;
  bool checked = false;
  bool visible = true;
  std::string_view text;    // replaces the table's text when not empty
  std::string_view prompt;  // replaces the table's status-bar prompt when not empty
};

// `handled`: some part of the program carries out the command. Commands nobody handles yet stay
// in the menus, disabled.
SCommandState CommandState(int id, const SFrameState& frame, bool handled);

}  // namespace orv
