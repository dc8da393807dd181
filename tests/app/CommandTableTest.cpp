#include <gtest/gtest.h>

#include <QKeySequence>
#include <QString>
#include <map>
#include <set>
#include <string>

#include "app/CommandIds.h"
#include "app/CommandState.h"
#include "app/CommandTable.h"

namespace orv {
namespace {

TEST(CommandTable, EveryCommandHasTextPromptAndOneRow) {
  std::set<int> ids;
  for (const SCommand& c : CommandTable()) {
    if (c.id == 0) {
      EXPECT_FALSE(c.menu.empty());
      continue;
    }
    EXPECT_TRUE(ids.insert(c.id).second) << "twice: " << c.id;
    EXPECT_FALSE(c.text.empty()) << c.id;
    EXPECT_FALSE(c.prompt.empty()) << c.text;
    if (c.id != cmd::RecentFiles) {
      const auto nl = c.prompt.find('\n');
      ASSERT_NE(nl, std::string_view::npos) << "no tooltip: " << c.text;
      EXPECT_GT(nl, 0u) << c.text;
      EXPECT_LT(nl + 1, c.prompt.size()) << c.text;
    }
  }
  for (std::span<const int> bar : {MainToolBarCommands(), StyleBarCommands()})
    for (int id : bar)
      if (id != 0) {
        ASSERT_NE(FindCommand(id), nullptr) << id;
        EXPECT_FALSE(FindCommand(id)->icon.empty()) << id;
      }
}

TEST(CommandTable, ShortcutsAreValidAndUnique) {
  std::map<QKeySequence, std::string_view> seen;
  for (const SCommand& c : CommandTable()) {
    if (c.shortcut.empty()) continue;
    const QKeySequence key(QString::fromUtf8(c.shortcut.data(), static_cast<qsizetype>(c.shortcut.size())));
    ASSERT_EQ(key.count(), 1) << c.text;
    EXPECT_NE(key[0].key(), Qt::Key_unknown) << c.text;
    const auto [it, fresh] = seen.emplace(key, c.text);
    EXPECT_TRUE(fresh) << c.text << " and " << it->second;
  }
  // The program's own key texts stand in the menu as written.
  EXPECT_EQ(FindCommand(cmd::HistoryForward)->text, "his&torie - následující datum\tAlt+-->");
  EXPECT_EQ(FindCommand(cmd::GoTo)->shortcut, "Ctrl+G");
}

TEST(CommandTable, SaveItemsAreThirdAndFourthOfTheFileMenu) {
  std::vector<int> file;
  for (const SCommand& c : CommandTable())
    if (c.menu == "&Soubor") file.push_back(c.id);
  ASSERT_GE(file.size(), 4u);
  EXPECT_EQ(file[2], cmd::FileSave);
  EXPECT_EQ(file[3], cmd::FileSaveAs);
}

TEST(CommandState, UnhandledCommandsStayDisabledButShown) {
  const SFrameState frame;
  const SCommandState s = CommandState(cmd::FullTextSearch, frame, false);
  EXPECT_FALSE(s.enabled);
  EXPECT_TRUE(s.visible);
  EXPECT_TRUE(CommandState(cmd::FullTextSearch, frame, true).enabled);
  EXPECT_FALSE(CommandState(12345, frame, true).enabled);
}

TEST(CommandState, EnabledByFocusAndViewOnly) {
  struct Case {
    int id;
    FocusPane focus;
    bool viewOnly;
    bool enabled;
  };
  const Case cases[] = {
      {cmd::Bold, FocusPane::DayEditor, false, true},
      {cmd::Bold, FocusPane::MonthEditor, false, true},
      {cmd::Bold, FocusPane::DayEditor, true, false},
      {cmd::Bold, FocusPane::Grid, false, false},
      {cmd::ParStylesDialog, FocusPane::Note, false, false},
      {cmd::EditReplace, FocusPane::DayEditor, true, false},
      {cmd::EditFind, FocusPane::DayEditor, true, true},
      {cmd::EditFind, FocusPane::Grid, false, false},
      {cmd::ViewOnly, FocusPane::Grid, false, true},
      {cmd::ViewOnly, FocusPane::Grid, true, true},
      {cmd::ViewOnly, FocusPane::DayEditor, false, false},
      {cmd::ViewOnly, FocusPane::Note, false, false},
      {cmd::NoteToCalendar, FocusPane::Note, false, true},
      {cmd::NoteToCalendar, FocusPane::Note, true, false},
      {cmd::NoteToCalendar, FocusPane::Grid, false, false},
      {cmd::Today, FocusPane::Other, true, true},
  };
  for (const Case& c : cases) {
    SFrameState frame;
    frame.focus = c.focus;
    frame.viewOnly = c.viewOnly;
    EXPECT_EQ(CommandState(c.id, frame, true).enabled, c.enabled)
        << FindCommand(c.id)->text << " focus " << static_cast<int>(c.focus) << " viewOnly " << c.viewOnly;
  }
}

TEST(CommandState, ClipboardCommandsFollowThePane) {
  SFrameState frame;
  frame.focus = FocusPane::Note;
  frame.clipboardHasText = true;
  EXPECT_TRUE(CommandState(cmd::EditPaste, frame, true).enabled);
  EXPECT_FALSE(CommandState(cmd::EditCopy, frame, true).enabled);  // nothing selected
  frame.hasSelection = true;
  frame.viewOnly = true;
  EXPECT_FALSE(CommandState(cmd::EditPaste, frame, true).enabled);
  EXPECT_FALSE(CommandState(cmd::EditCut, frame, true).enabled);  // a view-only text is not cut
  EXPECT_TRUE(CommandState(cmd::EditCopy, frame, true).enabled);
  frame.focus = FocusPane::Grid;
  EXPECT_FALSE(CommandState(cmd::EditCut, frame, true).enabled);
  frame.focus = FocusPane::DayEditor;
  frame.viewOnly = false;
  frame.clipboardHasText = false;
  EXPECT_FALSE(CommandState(cmd::EditPaste, frame, true).enabled);
  frame.clipboardHasData = true;  // a picture: the editor answers it with its message
  EXPECT_TRUE(CommandState(cmd::EditPaste, frame, true).enabled);
  frame.focus = FocusPane::Note;
  EXPECT_FALSE(CommandState(cmd::EditPaste, frame, true).enabled);
  frame.focus = FocusPane::DayEditor;
  frame.canUndo = true;
  EXPECT_TRUE(CommandState(cmd::EditUndo, frame, true).enabled);
}

TEST(CommandState, ViewOnlyHidesSavingAndRenamesItsItem) {
  SFrameState frame;
  for (int id : {cmd::FileSave, cmd::FileSaveAs, cmd::ViewStyleBar})
    EXPECT_TRUE(CommandState(id, frame, true).visible);
  EXPECT_EQ(CommandState(cmd::ViewOnly, frame, true).text, "&Zablokovat zapisování");
  frame.viewOnly = true;
  for (int id : {cmd::FileSave, cmd::FileSaveAs, cmd::ViewStyleBar}) {
    EXPECT_FALSE(CommandState(id, frame, true).visible);
    EXPECT_FALSE(CommandState(id, frame, true).enabled);
  }
  EXPECT_EQ(CommandState(cmd::ViewOnly, frame, true).text, "Povolit &zapisování");
  EXPECT_TRUE(CommandState(cmd::FileOpen, frame, true).visible);
}

TEST(CommandState, CheckMarksFollowTheWindow) {
  SFrameState frame;
  EXPECT_FALSE(CommandState(cmd::AlwaysOnTop, frame, true).checked);
  EXPECT_TRUE(CommandState(cmd::ViewRuler, frame, true).checked);
  EXPECT_TRUE(CommandState(cmd::ShowBirthdays, frame, true).checked);
  frame.alwaysOnTop = true;
  frame.maximised = true;
  frame.rulerVisible = false;
  frame.categoriesShown[3] = false;
  EXPECT_TRUE(CommandState(cmd::AlwaysOnTop, frame, true).checked);
  EXPECT_TRUE(CommandState(cmd::Maximise, frame, true).checked);
  EXPECT_FALSE(CommandState(cmd::ViewRuler, frame, true).checked);
  EXPECT_FALSE(CommandState(cmd::ShowBirthdays, frame, true).checked);
  EXPECT_TRUE(CommandState(cmd::ShowNameDays, frame, true).checked);
  EXPECT_FALSE(CommandState(cmd::Today, frame, true).checked);
}

}  // namespace
}  // namespace orv
