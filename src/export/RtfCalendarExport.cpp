#include "export/RtfCalendarExport.h"

#include <algorithm>
#include <set>

#include "document/TedDoc.h"
#include "export/RtfAssembly.h"
#include "export/RtfExportTexts.h"

namespace orv {
namespace {

// Which months of the period have which content, by month key.
struct SPeriodMonths {
  std::set<std::string> withContent;  // a day record or a month record
  std::set<std::string> withMonthRecord;
  std::set<std::string> withNote;
  std::set<std::string> withDayCommentary;
};

SPeriodMonths CollectMonths(const CTedDoc& doc, const SRtfExportChoice& choice) {
  const std::string fromDay = DayKey(choice.from);
  const std::string toDay = DayKey(choice.to);
  const std::string fromMonth = MonthKey(choice.from.year, choice.from.month);
  const std::string toMonth = MonthKey(choice.to.year, choice.to.month);
  SPeriodMonths months;
  // Read one by one and not kept: a calendar of a million records would otherwise hold them all
  // unscrambled.
  doc.m_DataTxt.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (key < fromDay || key > toDay) return;
    const std::string month(key.substr(0, 7));
    months.withContent.insert(month);
    if (!record.m_Poznamka.empty()) months.withNote.insert(month);
    if (!record.m_Text.empty()) months.withDayCommentary.insert(month);
  });
  doc.m_DataMesice.Visit([&](std::string_view key, const CEntrTxt&) {
    if (key < fromMonth || key > toMonth) return;
    months.withContent.emplace(key);
    months.withMonthRecord.emplace(key);
  });
  return months;
}

Date NextDate(Date date) {
  if (++date.day > DaysInMonth(date.year, date.month)) {
    date.day = 1;
    if (++date.month > 12) {
      date.month = 1;
      ++date.year;
    }
  }
  return date;
}

Date LastWalkedDate(const SRtfExportChoice& choice) {
  const Date end{MaxYear(), 12, 31};
  return DayKey(choice.to) < DayKey(end) ? choice.to : end;
}

class CCalendarWalk {
 public:
  CCalendarWalk(const CTedDoc& doc, const SRtfExportChoice& choice, CRtfAssembly& out)
      : m_Doc(doc),
        m_Choice(choice),
        m_Out(out),
        m_Months(CollectMonths(doc, choice)),
        m_MonthHeading(CRtfAssembly::StyledHeading(doc, choice.monthStyle, out.MonthHeadingFormat())),
        m_DayHeading(CRtfAssembly::StyledHeading(doc, choice.dayStyle, out.DayHeadingFormat())) {}

  void Month(const Date& date) {
    const std::string key = MonthKey(date.year, date.month);
    if (m_Months.withContent.erase(key) == 0) return;
    const bool hasRecord = m_Months.withMonthRecord.count(key) != 0;
    const bool monthCommentary = m_Choice.monthCommentaries && hasRecord;
    if (monthCommentary || (m_Choice.notes && m_Months.withNote.count(key)) ||
        (m_Choice.dayCommentaries && m_Months.withDayCommentary.count(key)))
      m_Out.AppendHeading(CalendarMonthHeading(date.year, date.month), m_MonthHeading);
    if (!monthCommentary) return;
    if (const CEntrTxt* record = m_Doc.m_DataMesice.Peek(key, m_Scratch))
      m_Out.AppendCommentary(record->m_Rtf);
    m_Out.AppendBreak();
    ++m_Walk.items;
  }

  // Whether the date had a day record.
  bool Day(const Date& date) {
    const CEntrTxt* record = m_Doc.m_DataTxt.Peek(DayKey(date), m_Scratch);
    if (!record) return false;
    bool written = false;
    if (m_Choice.notes && !record->m_Poznamka.empty()) {
      m_Out.AppendHeading(CalendarDayHeading(date), m_DayHeading);
      m_Out.AppendText(record->m_Poznamka, m_Out.NoteFormat());
      written = true;
    }
    if (m_Choice.dayCommentaries && !record->m_Text.empty()) {
      if (!written) m_Out.AppendHeading(CalendarDayHeading(date), m_DayHeading);
      m_Out.AppendCommentary(record->m_Rtf);
      written = true;
    }
    if (written) {
      m_Out.AppendBreak();
      ++m_Walk.items;
    }
    return true;
  }

  SExportWalk Run(const ExportProgress& progress) {
    // Compared as keys, so that no date given from outside can walk the loop past its end.
    const std::string last = DayKey(LastWalkedDate(m_Choice));
    const int total = ExportWalkLength(m_Choice);
    int records = 0;
    for (Date date = m_Choice.from; DayKey(date) <= last; date = NextDate(date)) {
      Month(date);
      ++m_Walk.daysWalked;
      if (Day(date) && m_Choice.limited && ++records == kRtfExportLimit) break;
      if (progress && m_Walk.daysWalked % 32 == 0 && !progress(m_Walk.daysWalked, total)) {
        m_Walk.cancelled = true;
        break;
      }
    }
    return m_Walk;
  }

 private:
  const CTedDoc& m_Doc;
  const SRtfExportChoice& m_Choice;
  CRtfAssembly& m_Out;
  SPeriodMonths m_Months;
  SPieceFormat m_MonthHeading;
  SPieceFormat m_DayHeading;
  SExportWalk m_Walk;
  CEntrTxt m_Scratch;  // the record being written, read from the file's bytes and not kept
};

}  // namespace

int ExportWalkLength(const SRtfExportChoice& choice) {
  const auto ordinal = [](const Date& d) {
    int days = d.day + DaysBeforeMonth(d.year, d.month);
    for (int year = MinYear(); year < d.year; ++year) days += IsLeapYear(year) ? 366 : 365;
    return days;
  };
  return std::max(0, ordinal(LastWalkedDate(choice)) - ordinal(choice.from) + 1);
}

SExportWalk AssembleCalendarExport(const CTedDoc& doc, const SRtfExportChoice& choice, CRtfAssembly& out,
                                   const ExportProgress& progress) {
  return CCalendarWalk(doc, choice, out).Run(progress);
}

}  // namespace orv
