#pragma once
// What an import read from another diary, before anything of it enters a calendar: the days with
// their notes and commentaries, the month commentaries, and how many files were skipped. Reading
// fills it whole, and only a complete reading is merged (ImportIntoCalendar), so a damaged source
// leaves the calendar as it was.
//
//   CImportedDays days;
//   days.AddDay({2024, 3, 1}, note, content);     a second entry of the same day joins the first
//   const SImportSummary s = ImportIntoCalendar(doc, days, progress);

#include <functional>
#include <map>
#include <string>

#include "core/CalendarDates.h"
#include "richtext/RichContent.h"

namespace orv {

class CTedDoc;

struct SImportedDay {
  std::string note;  // Windows-1250
  RichContent commentary;
};

class CImportedDays {
 public:
  // The note joins an earlier one of the day by the append rule (no part twice), the commentary
  // follows the earlier one.
  void AddDay(const Date& date, std::string note, RichContent commentary);
  void AddMonth(int year, int month, RichContent commentary);
  void CountSkipped() { ++m_Skipped; }

  const std::map<std::string, SImportedDay>& Days() const { return m_Days; }
  const std::map<std::string, RichContent>& Months() const { return m_Months; }
  int Skipped() const { return m_Skipped; }

 private:
  std::map<std::string, SImportedDay> m_Days;   // by DayKey
  std::map<std::string, RichContent> m_Months;  // by MonthKey
  int m_Skipped = 0;
};

struct SImportSummary {
  int daysImported = 0;  // days the calendar had no record of
  int daysJoined = 0;    // records (days or months) that gained something
  int filesSkipped = 0;
  std::string yearsWidened;  // the status text when the year range grew (UTF-8), else empty
};

// "Import je hotov. Nových dní: 3, dní připojených k zapsaným: 1, přeskočených souborů: 2." (UTF-8)
std::string ImportSummaryText(const SImportSummary& summary);

// The records of `days`, each stored as the editor stores a commentary, merge into the calendar by
// the rules of appending a whole calendar: what the calendar already holds is not added again, so a
// second import of the same source changes nothing. The run's year range grows to the records.
using ImportProgress = std::function<void(int done, int total)>;
SImportSummary ImportIntoCalendar(CTedDoc& doc, const CImportedDays& days,
                                  const ImportProgress& progress = {});

// Whether an imported day is a real date in the years a calendar's range can reach (1900-2100).
bool IsImportableDate(const Date& date);

}  // namespace orv
