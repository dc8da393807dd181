#include "exchange/ImportedDays.h"

#include "core/UiServices.h"
#include "core/YearRange.h"
#include "document/RecordYears.h"
#include "document/TedDoc.h"
#include "document/merge/AppendCalendar.h"
#include "document/merge/AppendNotes.h"
#include "editor/CommentaryJoin.h"
#include "exchange/CommentaryRecord.h"

namespace orv {
namespace {

void AppendContent(RichContent& into, RichContent&& more) {
  if (into.paragraphs.empty()) {
    into = std::move(more);
    return;
  }
  for (RichParagraph& paragraph : more.paragraphs) into.paragraphs.push_back(std::move(paragraph));
}

}  // namespace

void CImportedDays::AddDay(const Date& date, std::string note, RichContent commentary) {
  SImportedDay& day = m_Days[DayKey(date)];
  day.note = MergeNotesWhole(day.note, note);
  AppendContent(day.commentary, std::move(commentary));
}

void CImportedDays::AddMonth(int year, int month, RichContent commentary) {
  AppendContent(m_Months[MonthKey(year, month)], std::move(commentary));
}

bool IsImportableDate(const Date& date) {
  return IsValidDate(date) && date.year >= kEarliestYear && date.year <= kLatestYear;
}

std::string ImportSummaryText(const SImportSummary& summary) {
  return "Import je hotov. Nových dní: " + std::to_string(summary.daysImported) +
         ", dní připojených k zapsaným: " + std::to_string(summary.daysJoined) +
         ", přeskočených souborů: " + std::to_string(summary.filesSkipped) + ".";
}

SImportSummary ImportIntoCalendar(CTedDoc& doc, const CImportedDays& days, const ImportProgress& progress) {
  CCalendarContent source(doc.Ui());
  CCommentaryRecord writer;
  for (const auto& [key, day] : days.Days()) {
    CEntrTxt record;
    record.m_Poznamka = day.note;
    writer.Store(day.commentary, record);
    source.m_DataTxt.Insert(key, std::move(record));
  }
  for (const auto& [key, content] : days.Months()) {
    CEntrTxt record;
    writer.Store(content, record);
    source.m_DataMesice.Insert(key, std::move(record));
  }
  CCommentaryJoin joiner;
  const SAppendResult result = AppendCalendar(doc, source, SAppendOptions{}, joiner, progress);
  SImportSummary summary;
  summary.daysImported = result.recordsAdded;
  summary.daysJoined = result.recordsChanged;
  summary.filesSkipped = days.Skipped();
  summary.yearsWidened = WidenYearRangeToRecords(doc);
  return summary;
}

}  // namespace orv
