#include "search/FulltextDialog.h"

#include <charconv>
#include <limits>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "search/ResultListTexts.h"

namespace orv {

bool CFulltextDialog::Search(IUiServices& ui) {
  if (!BeginSearch(ui)) return false;
  {
    CWaitCursor wait(ui);
    while (!StepSearch(std::numeric_limits<std::size_t>::max(), ui)) {
    }
  }
  return FinishSearch(ui);
}

bool CFulltextDialog::BeginSearch(IUiServices& ui) {
  m_DayEntries.clear();
  m_MonthEntries.clear();
  m_SelectedDay.reset();
  m_SelectedMonth.reset();
  m_SelectedKey.clear();
  m_Preview = {};

  FulltextRequest request;
  request.input = m_Settings.text;
  request.options.wholeWords = m_Settings.wholeWords;
  request.options.matchCase = m_Settings.matchCase;
  request.options.useMask = m_Settings.useMask;
  request.options.logical = m_Settings.logical;
  request.options.ignoreAccents = m_Settings.ignoreAccents;
  request.userWholeWords = m_Settings.userWholeWords;
  request.previousResult = m_Settings.previousResult;
  request.commentariesOnly = m_Settings.commentariesOnly;
  const FulltextOutcome outcome = m_Search.Begin(request, ui);
  // The check boxes the search switched off stay off.
  m_Settings.logical = outcome.options.logical;
  m_Settings.useMask = outcome.options.useMask;
  m_Settings.wholeWords = outcome.options.wholeWords;
  return outcome.status == FulltextStatus::Searching;
}

bool CFulltextDialog::FinishSearch(IUiServices& ui) {
  if (m_Search.Finish(ui).status != FulltextStatus::Found) return false;
  m_MonthEntries = NaplnitFulltextMonth(m_Search.FoundMonths(), ui);
  m_DayEntries = NaplnitFulltext(m_Search.FoundDays(), ui);
  if (!m_DayEntries.empty())
    SelectDay(0, ui);
  else if (!m_MonthEntries.empty())
    SelectMonth(0, ui);
  return !m_DayEntries.empty() || !m_MonthEntries.empty();
}

void CFulltextDialog::SelectDay(std::size_t entry, IUiServices& ui) {
  if (entry >= m_DayEntries.size()) return;
  m_SelectedMonth.reset();
  m_SelectedDay = entry;
  m_SelectedKey = m_Search.SelectedDayKey(entry);
  ShowRecord(m_Doc.GetDayRecord(m_SelectedKey), ui);
}

void CFulltextDialog::SelectMonth(std::size_t entry, IUiServices& ui) {
  if (entry >= m_MonthEntries.size()) return;
  m_SelectedDay.reset();
  m_SelectedMonth = entry;
  m_SelectedKey = m_Search.SelectedMonthKey(entry);
  ShowRecord(m_Doc.GetMonthRecord(m_Search.FoundMonths()[entry]), ui);
  m_Preview.note.clear();
  m_Preview.noteRanges.clear();
}

void CFulltextDialog::ShowRecord(const CEntrTxt* record, IUiServices& ui) {
  m_Preview = {};
  if (!record) return;
  m_Preview.note = record->m_Poznamka;
  if (!record->m_Text.empty()) {
    m_Preview.rtf = record->m_Rtf;
    PreviewHighlights text = m_Search.Highlights(record->m_Text, ui);
    m_Preview.textRanges = std::move(text.ranges);
    m_Preview.caret = text.caret;
  }
  if (!m_Settings.commentariesOnly && !m_Preview.note.empty())
    m_Preview.noteRanges = m_Search.Highlights(m_Preview.note, ui).ranges;
}

std::optional<Date> FoundKeyDate(std::string_view key) {
  if (key.size() != 10 || key[4] != '/' || key[7] != '/') return std::nullopt;
  Date date;
  auto number = [&key](std::size_t at, std::size_t length, int& out) {
    const char* first = key.data() + at;
    const auto [end, error] = std::from_chars(first, first + length, out);
    return error == std::errc() && end == first + length;
  };
  if (!number(0, 4, date.year) || !number(5, 2, date.month) || !number(8, 2, date.day)) return std::nullopt;
  if (!IsYearInRange(date.year) || date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
  return date;
}

}  // namespace orv
