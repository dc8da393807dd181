#pragma once
// The commands of the main window as data: one row per menu item (menu path, text, key, status-bar
// prompt, toolbar icon and the rule that decides when it is enabled). The frame builds its menus,
// actions and toolbars from these rows alone; CommandState.h computes their state.
//
// Menu texts keep the program's own key texts after a tab ("Jdi na ...\tCtrl+G"): the menu shows
// them as written. `shortcut` is the key the window itself reacts to; it is empty where the key
// belongs to a pane (the arrow keys of the calendar, Enter and Esc of the note field).
// The prompt's part after "\n" is the tooltip.

#include <span>
#include <string_view>

namespace orv {

enum class CommandRule {
  Always,       // enabled whenever the command is handled
  Writing,      // saving: hidden while the calendar is view only
  Copy,         // needs a selection in a text pane
  Cut,          // needs a selection in a writable text pane
  Paste,        // needs a writable text pane and text on the clipboard
  Undo,         // needs a writable text pane that can undo
  EditorRead,   // needs a commentary editor (find)
  EditorWrite,  // needs a writable commentary editor (formatting, styles, replace, symbols)
  Grid,         // needs the focus in the calendar's month table (view only)
  NoteWrite,    // needs the focus in a writable note field
  Spelling,     // needs the Czech dictionary
};

struct SCommand {
  int id = 0;  // 0: a separator in `menu`
  std::string_view menu;
  std::string_view text;
  std::string_view shortcut;
  std::string_view prompt;
  CommandRule rule = CommandRule::Always;
  bool checkable = false;
  std::string_view icon;  // name for the toolbar icon painter; empty when not on a toolbar
};

// Every menu item, in menu order. Menus appear in the order of their first row.
std::span<const SCommand> CommandTable();
const SCommand* FindCommand(int id);

// The toolbars' buttons in order; 0 is a separator.
std::span<const int> MainToolBarCommands();
std::span<const int> StyleBarCommands();

// The row of cmd::RecentFiles stands for the submenu that lists the recent files.
// Status-bar text when nothing is being pointed at.
inline constexpr std::string_view kIdlePrompt = "Navigace kurzorovými klávesami, nápověda F1";

}  // namespace orv
