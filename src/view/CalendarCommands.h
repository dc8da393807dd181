#pragma once
// The navigation commands of the calendar view with their menu texts (shortcut after the tab), in
// the order of the "Navi&gace" menu. The widgets turn each into an action; the view model runs them.

#include <array>

namespace orv {

enum class ECalendarCommand {
  NextMonth,
  PrevMonth,
  MonthStart,
  MonthEnd,
  NextYear,
  PrevYear,
  January,
  December,
  Today,
  PrevRecord,
  NextRecord,
  FirstRecord,
  LastRecord,
  HistoryBack,
  HistoryForward,
};

struct CCalendarCommandText {
  ECalendarCommand command;
  const char* menuText;
};

inline constexpr std::array<CCalendarCommandText, 15> kCalendarCommandTexts = {{
    {ECalendarCommand::NextMonth, "následující měsíc\t-->"},
    {ECalendarCommand::PrevMonth, "předcházející měsíc\t<--"},
    {ECalendarCommand::MonthStart, "začátek měsíce\tHome, PgUp"},
    {ECalendarCommand::MonthEnd, "konec měsíce\tEnd, PgDn"},
    {ECalendarCommand::NextYear, "následující rok\tCtrl + -->"},
    {ECalendarCommand::PrevYear, "předcházející rok\tCtrl + <--"},
    {ECalendarCommand::January, "leden\tCtrl+Home, Ctrl+PgUp"},
    {ECalendarCommand::December, "prosinec\tCtrl+End, Ctrl+PgDn"},
    {ECalendarCommand::Today, "&Dnes\tCtrl+D"},
    {ECalendarCommand::PrevRecord, "předcházející záznam\tF4"},
    {ECalendarCommand::NextRecord, "následující záznam\tF5"},
    {ECalendarCommand::FirstRecord, "první záznam\tCtrl+F4"},
    {ECalendarCommand::LastRecord, "poslední záznam\tCtrl+F5"},
    {ECalendarCommand::HistoryBack, "historie - předchozí datum\tAlt+<-- "},
    {ECalendarCommand::HistoryForward, "histlorie - následující datum\tAlt+-->"},
}};

// The note must be finished before a move; the history commands store it and go on instead.
inline constexpr const char* kFinishNoteMessage = "Nejprve je nutno ukončit editování poznámky !";

}  // namespace orv
