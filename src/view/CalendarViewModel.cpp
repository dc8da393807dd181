// The month table, the day commit, the display switches and view-only mode.
#include "view/CalendarViewModel.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "view/MonthColours.h"

namespace orv {
namespace {

CharFormat DefaultBaseFormat() {
  CharFormat format;
  format.mask = CFM_ALL;
  format.height = 200;
  format.charset = kCharsetEastEurope;
  format.face = "Arial";
  return format;
}

// 0.6, 1.2, 1.7, 2.2 and 3.8 cm, then every 0.2 cm from 4.0 to 9.0 cm; counted in tenths of a
// centimetre so that the truncation to twips is exact.
ParaFormat TableTabStops() {
  ParaFormat format;
  format.mask = PFM_TABSTOPS;
  std::vector<int> tenths = {6, 12, 17, 22, 38};
  for (int t = 40; t <= 90; t += 2) tenths.push_back(t);
  for (int t : tenths) format.tabs[format.tabCount++] = t * 567 / 10;
  return format;
}

}  // namespace

CCalendarViewModel::CCalendarViewModel(CTedDoc& doc, ICalendarPanes& panes, std::function<Date()> today)
    : m_Doc(doc), m_Panes(panes), m_Today(std::move(today)), m_BaseFormat(DefaultBaseFormat()) {
  BuildMoons();
}

void CCalendarViewModel::BuildMoons() {
  BuildMoonMap(m_Moons);
  m_MoonYears = YearRange();
}

void CCalendarViewModel::Start() {
  m_Started = false;
  m_History.Clear();
  m_Switches = CDisplaySwitches{};
  m_AllHolidays = true;
  if (m_ViewOnly) ToggleViewOnly();
  // Opening a calendar may have widened the years.
  if (m_MoonYears != YearRange()) BuildMoons();
  const Date start = StartDateFor(m_Today());
  DoMonth(start.day, start.month, start.year);
  m_Doc.SetModifiedFlag(false);
  m_Started = true;
}

void CCalendarViewModel::DoMonth(int day, int month, int year) {
  const bool wasRebuilding = m_Rebuilding;
  m_Rebuilding = true;
  m_Table.SetRedraw(false);
  m_Year = year;
  m_Month = month;
  m_Rows = BuildMonthRows(m_Doc, m_Moons, m_Switches, year, month);
  ShowRows();
  m_Caption = MonthCaption(year, month);
  SelectDay(std::clamp(day, 1, static_cast<int>(m_Rows.size())) - 1);
  m_Table.SetRedraw(true);
  m_Rebuilding = wasRebuilding;
}

void CCalendarViewModel::ShowRows() {
  std::string text;
  for (const CMonthRow& row : m_Rows) {
    if (!text.empty()) text += "\r\n";
    text += row.text;
  }
  m_Table.SetSel(0, -1);
  m_Table.ReplaceSel(text);
  m_Table.SetSel(0, -1);
  m_Table.SetParaFormat(TableTabStops());
  m_Table.SetSel(0, 0);
  FormatRows();
}

void CCalendarViewModel::FormatRows() {
  m_Table.SetSel(0, -1);
  m_Table.SetSelectionCharFormat(m_BaseFormat);
  for (int line = 0; line < static_cast<int>(m_Rows.size()); ++line) {
    const int start = LineStart(line);
    for (const CRowSpan& span : m_Rows[line].spans) {
      m_Table.SetSel(start + span.start, start + span.start + span.length);
      m_Table.SetSelectionCharFormat(span.format);
    }
  }
  m_Table.SetSel(0, 0);
}

void CCalendarViewModel::FormatRow(int line) {
  const int start = LineStart(line);
  m_Table.SetSel(start, start + static_cast<int>(m_Rows[line].text.size()));
  m_Table.SetSelectionCharFormat(m_BaseFormat);
  for (const CRowSpan& span : m_Rows[line].spans) {
    m_Table.SetSel(start + span.start, start + span.start + span.length);
    m_Table.SetSelectionCharFormat(span.format);
  }
}

int CCalendarViewModel::LineStart(int line) const {
  int start = 0;
  for (int i = 0; i < line; ++i) start += static_cast<int>(m_Rows[i].text.size()) + 1;
  return start;
}

void CCalendarViewModel::SelectLineText(int line) {
  const int start = LineStart(line);
  m_Table.SetSel(start, start + 8);
}

void CCalendarViewModel::SelectDay(int line) {
  if (!m_Rebuilding) CommitDay();
  m_Line = line;
  SelectLineText(line);
  LoadSelectedDay();
  if (!m_MovingInHistory) m_History.Record(DayKey(SelectedDate()));
  if (m_OnDayShown) m_OnDayShown();
}

void CCalendarViewModel::LoadSelectedDay() {
  const CEntrTxt* day = m_Doc.GetDayRecord(DayKey(SelectedDate()));
  const CEntrTxt* month = m_Doc.GetMonthRecord(MonthKey(m_Year, m_Month));
  m_Panes.SetNote(day ? day->m_Poznamka : std::string());
  m_Panes.LoadDayCommentary(day ? day->m_Rtf : std::string());
  m_Panes.LoadMonthCommentary(month ? month->m_Rtf : std::string());
}

void CCalendarViewModel::CommitMonth() {
  const CCommentaryText month = m_Panes.StoreMonthCommentary();
  if (!month.kept) m_Doc.StoreMonthCommentary(MonthKey(m_Year, m_Month), month.rtf, month.text);
}

void CCalendarViewModel::CommitDay() {
  if (m_Rows.empty()) return;
  CommitMonth();
  const std::string key = DayKey(SelectedDate());
  const bool hadRecord = m_Doc.GetDayRecord(key) != nullptr;
  CCommentaryText day = m_Panes.StoreDayCommentary();
  if (const CEntrTxt* record = m_Doc.GetDayRecord(key); day.kept && record) {
    day.rtf = record->m_Rtf;
    day.text = record->m_Text;
  }
  m_Doc.StoreDay(key, m_Panes.GetNote(), day.rtf, day.text);
  if (!hadRecord && !m_Doc.GetDayRecord(key)) return;
  RebuildRow(m_Line);
  SelectLineText(m_Line);
}

// A row the day's record left as it was is not written again: the table would be laid out and
// painted anew for nothing, on every move.
void CCalendarViewModel::RebuildRow(int line) {
  CMonthRow row = BuildMonthRow(m_Doc, m_Moons, m_Switches, m_Year, m_Month, line + 1);
  if (row == m_Rows[line]) return;
  const int start = LineStart(line);
  m_Table.SetSel(start, start + static_cast<int>(m_Rows[line].text.size()));
  m_Rows[line] = std::move(row);
  m_Table.ReplaceSel(m_Rows[line].text);
  FormatRow(line);
}

void CCalendarViewModel::RebuildMonthKeepingPanes() {
  m_Table.SetRedraw(false);
  m_Rows = BuildMonthRows(m_Doc, m_Moons, m_Switches, m_Year, m_Month);
  ShowRows();
  SelectLineText(m_Line);
  m_Table.SetRedraw(true);
}

void CCalendarViewModel::ApplySwitches(const CDisplaySwitches& switches) {
  m_Switches = switches;
  RebuildMonthKeepingPanes();
}

void CCalendarViewModel::ToggleCategory(int category) {
  CDisplaySwitches switches = m_Switches;
  switches.categories[category] = !switches.categories[category];
  ApplySwitches(switches);
}

void CCalendarViewModel::ToggleAllHolidays() {
  m_AllHolidays = !m_AllHolidays;
  CDisplaySwitches switches = m_Switches;
  switches.categories.fill(m_AllHolidays);
  ApplySwitches(switches);
}

void CCalendarViewModel::SetMoonColumn(bool on) {
  CDisplaySwitches switches = m_Switches;
  switches.moon = on;
  ApplySwitches(switches);
}

void CCalendarViewModel::SetNoteColumn(bool on) {
  CDisplaySwitches switches = m_Switches;
  switches.notes = on;
  ApplySwitches(switches);
}

void CCalendarViewModel::ToggleViewOnly() {
  m_ViewOnly = !m_ViewOnly;
  if (!m_Panes.SetReadOnly(m_ViewOnly))
    m_Doc.Ui().MessageBox(m_ViewOnly ? "chyba: SetReadOnly(TRUE)" : "chyba: SetReadOnly(FALSE)");
  m_Panes.SetCommentaryBackground(m_ViewOnly ? std::optional<uint32_t>(kReadOnlyBackground) : std::nullopt);
}

CViewOnlyMenus CCalendarViewModel::ViewOnlyMenus() const {
  if (m_ViewOnly) return {false, false, "Povolit zapisování"};
  return {true, true, "Zablokovat zapisování"};
}

}  // namespace orv
