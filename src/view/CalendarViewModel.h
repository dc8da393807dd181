#pragma once
// CCalendarViewModel: the calendar view without its widgets. It owns the month table (a rich edit
// control whose rows, colours and weights are the real formats), the caption, the displayed month,
// the selected day, the display switches, the history and the view-only state, and moves the
// selected day's texts between the document and the panes (ICalendarPanes).
//
//   CCalendarViewModel view(doc, panes);  view.Start();     today's month, today selected
//   view.Execute(ECalendarCommand::NextMonth);              refused while the note is being typed
//   view.HandleTableKey(Qt::Key_Down, {}, false);           keys of the month table
//
// Every move first commits the day being left (CommitDay), then rebuilds the month when it changed
// (DoMonth) and selects the new day (SelectDay), which loads its texts and records the visit.

#include <QtCore/qnamespace.h>

#include <functional>
#include <string>
#include <vector>

#include "core/CalendarDates.h"
#include "core/MoonPhases.h"
#include "richtext/RichEditCtrl.h"
#include "view/CalendarCommands.h"
#include "view/CalendarPanes.h"
#include "view/DateHistory.h"
#include "view/MonthRows.h"

namespace orv {

class CTedDoc;

// Which menu items view-only mode leaves and what the toggle says.
struct CViewOnlyMenus {
  bool formatBarItem;      // "Formátovací panel nástrojů" in the view menu
  bool saveItems;          // "&Uložit" and "Uložit jako" in the file menu
  const char* toggleText;  // "Zablokovat zapisování" / "Povolit zapisování"
};

class CCalendarViewModel {
 public:
  CCalendarViewModel(CTedDoc& doc, ICalendarPanes& panes, std::function<Date()> today = Today);
  CCalendarViewModel(const CCalendarViewModel&) = delete;
  CCalendarViewModel& operator=(const CCalendarViewModel&) = delete;

  // The first showing of an opened or new calendar: history cleared, switches on, writable, the
  // month of StartDateFor(today) with that day selected, the document not modified.
  void Start();

  // The month table and its caption ("Březen  2005").
  CRichEditCtrl& Table() { return m_Table; }
  const std::string& Caption() const { return m_Caption; }
  const std::vector<CMonthRow>& Rows() const { return m_Rows; }
  // The table's base character format (font and size come from the configuration).
  void SetBaseFormat(const CharFormat& format) { m_BaseFormat = format; }

  int DisplayedYear() const { return m_Year; }
  int DisplayedMonth() const { return m_Month; }
  int SelectedDay() const { return m_Line + 1; }
  Date SelectedDate() const { return {m_Year, m_Month, m_Line + 1}; }

  // Builds and shows a month, then selects `day` (limited to the month's length).
  void DoMonth(int day, int month, int year);
  void FormatRows();
  void FormatRow(int line);
  // Selects a line: commits the previous one (unless a rebuild is running), loads the day's note and
  // both commentaries, records the visit.
  void SelectDay(int line);

  // Stores the note field and both commentaries of the selected day into the document and redraws
  // the day's row.
  void CommitDay();
  void CommitMonth();

  // Display switches ("Zobrazit"): each rebuilds the month, keeping the selection and what is typed.
  const CDisplaySwitches& Switches() const { return m_Switches; }
  void ToggleCategory(int category);
  // F7: all five categories follow one value, inverted on every use.
  void ToggleAllHolidays();
  void SetMoonColumn(bool on);
  void SetNoteColumn(bool on);

  // "Pouze prohlížení".
  void ToggleViewOnly();
  bool IsViewOnly() const { return m_ViewOnly; }
  CViewOnlyMenus ViewOnlyMenus() const;

  // Navigation. Execute is false when the command did nothing (refused, or no such day).
  bool Execute(ECalendarCommand command);
  bool IsEnabled(ECalendarCommand command) const;
  // Goes to a day of the year range; false for any other year.
  bool GoToDate(const Date& date);
  // After the year range changed: the moon column follows it, a shown day outside it gives way to
  // the nearest day inside (the day being left is stored first), and the month is drawn again.
  void ApplyYearRange();
  // Keys of the month table; true when the key was the table's.
  bool HandleTableKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);

  const CDateHistory& History() const { return m_History; }
  // Told after every selection of a day, for what follows the calendar's shown day.
  void SetOnDayShown(std::function<void()> onShown) { m_OnDayShown = std::move(onShown); }

 private:
  bool NoteBeingEdited() const;
  bool RefuseWhileNoteEdited();
  // Commits the day being left and shows `date`; false outside the year range.
  bool MoveTo(const Date& date);
  bool MoveToMonth(int year, int month);
  bool StepRecord(int direction);
  bool EdgeRecord(int direction);
  bool HistoryMove(bool back);
  void RebuildMonthKeepingPanes();
  void ApplySwitches(const CDisplaySwitches& switches);
  void ShowRows();
  void RebuildRow(int line);
  void SelectLineText(int line);
  int LineStart(int line) const;
  void LoadSelectedDay();
  void SetTableTabStops();
  // The moon column's phases for the years of the range.
  void BuildMoons();

  CTedDoc& m_Doc;
  ICalendarPanes& m_Panes;
  std::function<Date()> m_Today;
  CMoonMap m_Moons;
  SYearRange m_MoonYears;  // the range m_Moons was built for
  CRichEditCtrl m_Table;
  CharFormat m_BaseFormat;
  std::string m_Caption;
  std::vector<CMonthRow> m_Rows;
  int m_Year = MinYear();
  int m_Month = 1;
  int m_Line = 0;
  CDisplaySwitches m_Switches;
  bool m_AllHolidays = true;
  bool m_ViewOnly = false;
  bool m_Rebuilding = false;
  bool m_MovingInHistory = false;
  bool m_Started = false;
  CDateHistory m_History;
  std::function<void()> m_OnDayShown;
};

}  // namespace orv
