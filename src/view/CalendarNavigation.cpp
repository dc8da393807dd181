// Moving through the calendar: the navigation commands, the keys of the month table, record
// stepping and the history.
#include <algorithm>
#include <optional>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

// The day before (direction -1) or after (+1), nullopt beyond the year range.
std::optional<Date> StepDay(Date date, int direction) {
  date.day += direction;
  if (date.day < 1) {
    if (--date.month < 1) {
      date.month = 12;
      --date.year;
    }
    date.day = IsYearInRange(date.year) ? DaysInMonth(date.year, date.month) : 1;
  } else if (date.day > DaysInMonth(date.year, date.month)) {
    date.day = 1;
    if (++date.month > 12) {
      date.month = 1;
      ++date.year;
    }
  }
  if (!IsYearInRange(date.year)) return std::nullopt;
  return date;
}

// A day of the history the calendar can show now: the year range may have narrowed since the visit.
bool IsShowable(std::string_view dayKey) {
  return IsYearInRange(ParseDayKey(dayKey).year);
}

// The first day with a record from `date` on in `direction`, the start day included.
std::optional<Date> FindRecord(const CTedDoc& doc, std::optional<Date> date, int direction) {
  for (; date; date = StepDay(*date, direction))
    if (doc.GetDayRecord(DayKey(*date))) return date;
  return std::nullopt;
}

}  // namespace

bool CCalendarViewModel::NoteBeingEdited() const {
  return !m_ViewOnly && m_Panes.IsNoteBeingEdited();
}

bool CCalendarViewModel::RefuseWhileNoteEdited() {
  if (!NoteBeingEdited()) return false;
  m_Doc.Ui().MessageBox(kFinishNoteMessage);
  return true;
}

bool CCalendarViewModel::MoveTo(const Date& date) {
  if (!IsYearInRange(date.year) || date.month < 1 || date.month > 12) return false;
  const int day = std::clamp(date.day, 1, DaysInMonth(date.year, date.month));
  if (date.year == m_Year && date.month == m_Month) {
    SelectDay(day - 1);
    return true;
  }
  CommitDay();
  DoMonth(day, date.month, date.year);
  return true;
}

bool CCalendarViewModel::MoveToMonth(int year, int month) {
  if (!IsYearInRange(year)) return false;
  return MoveTo({year, month, std::min(SelectedDay(), DaysInMonth(year, month))});
}

bool CCalendarViewModel::GoToDate(const Date& date) {
  if (RefuseWhileNoteEdited()) return false;
  return MoveTo(date);
}

bool CCalendarViewModel::StepRecord(int direction) {
  CommitDay();
  const std::optional<Date> found = FindRecord(m_Doc, StepDay(SelectedDate(), direction), direction);
  return found && MoveTo(*found);
}

bool CCalendarViewModel::EdgeRecord(int direction) {
  CommitDay();
  const Date start = direction > 0 ? Date{MinYear(), 1, 1} : Date{MaxYear(), 12, 31};
  const std::optional<Date> found = FindRecord(m_Doc, start, direction);
  return found && MoveTo(*found);
}

void CCalendarViewModel::ApplyYearRange() {
  BuildMoons();
  const Date shown = SelectedDate();
  if (IsYearInRange(shown.year)) {
    RebuildMonthKeepingPanes();
    return;
  }
  const Date nearest = shown.year < MinYear() ? Date{MinYear(), 1, 1} : Date{MaxYear(), 12, 31};
  CommitDay();
  DoMonth(nearest.day, nearest.month, nearest.year);
}

// The history commands store a note being typed and go on, instead of refusing like the other moves:
// the note field is about to show another day, and what was typed must not be lost.
bool CCalendarViewModel::HistoryMove(bool back) {
  const std::optional<std::string> key = back ? m_History.Back(IsShowable) : m_History.Forward(IsShowable);
  if (!key) return false;
  m_MovingInHistory = true;
  const bool moved = MoveTo(ParseDayKey(*key));
  m_MovingInHistory = false;
  return moved;
}

bool CCalendarViewModel::Execute(ECalendarCommand command) {
  using enum ECalendarCommand;
  if (command == HistoryBack || command == HistoryForward) return HistoryMove(command == HistoryBack);
  if (RefuseWhileNoteEdited()) return false;
  if (!IsEnabled(command)) return false;
  switch (command) {
    case NextMonth:
      return m_Month == 12 ? MoveToMonth(m_Year + 1, 1) : MoveToMonth(m_Year, m_Month + 1);
    case PrevMonth:
      return m_Month == 1 ? MoveToMonth(m_Year - 1, 12) : MoveToMonth(m_Year, m_Month - 1);
    case MonthStart:
      return MoveTo({m_Year, m_Month, 1});
    case MonthEnd:
      return MoveTo({m_Year, m_Month, DaysInMonth(m_Year, m_Month)});
    case NextYear:
      return MoveToMonth(m_Year + 1, m_Month);
    case PrevYear:
      return MoveToMonth(m_Year - 1, m_Month);
    case January:
      return MoveToMonth(m_Year, 1);
    case December:
      return MoveToMonth(m_Year, 12);
    case Today:
      return MoveTo(m_Today());
    case PrevRecord:
      return StepRecord(-1);
    case NextRecord:
      return StepRecord(+1);
    case FirstRecord:
      return EdgeRecord(+1);
    case LastRecord:
      return EdgeRecord(-1);
    case HistoryBack:
    case HistoryForward:
      break;
  }
  return false;
}

bool CCalendarViewModel::IsEnabled(ECalendarCommand command) const {
  using enum ECalendarCommand;
  switch (command) {
    case NextMonth:
      return m_Year < MaxYear() || m_Month < 12;
    case PrevMonth:
      return m_Year > MinYear() || m_Month > 1;
    case NextYear:
      return m_Year < MaxYear();
    case PrevYear:
      return m_Year > MinYear();
    case Today:
      return IsYearInRange(m_Today().year);
    case HistoryBack:
      return m_History.CanGoBack(IsShowable);
    case HistoryForward:
      return m_History.CanGoForward(IsShowable);
    case MonthStart:
    case MonthEnd:
    case January:
    case December:
    case PrevRecord:
    case NextRecord:
    case FirstRecord:
    case LastRecord:
      return true;
  }
  return false;
}

bool CCalendarViewModel::HandleTableKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  using enum ECalendarCommand;
  // Shift-selection is not allowed in the table, and Alt belongs to the menu (history).
  if (modifiers & (Qt::ShiftModifier | Qt::AltModifier)) return false;
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool firstPress = !autoRepeat;
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!RefuseWhileNoteEdited())
        if (const std::optional<Date> next = StepDay(SelectedDate(), key == Qt::Key_Up ? -1 : +1))
          MoveTo(*next);
      return true;
    case Qt::Key_Left:
      if (firstPress) Execute(ctrl ? PrevYear : PrevMonth);
      return true;
    case Qt::Key_Right:
      if (firstPress) Execute(ctrl ? NextYear : NextMonth);
      return true;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
      Execute(ctrl ? January : MonthStart);
      return true;
    case Qt::Key_End:
    case Qt::Key_PageDown:
      Execute(ctrl ? December : MonthEnd);
      return true;
    case Qt::Key_F4:
      if (firstPress) Execute(ctrl ? FirstRecord : PrevRecord);
      return true;
    case Qt::Key_F5:
      if (firstPress) Execute(ctrl ? LastRecord : NextRecord);
      return true;
    default:
      return false;
  }
}

}  // namespace orv
