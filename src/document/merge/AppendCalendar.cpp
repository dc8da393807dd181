#include "document/merge/AppendCalendar.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/CalendarDates.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "document/merge/AppendNotes.h"
#include "document/merge/AppendStyles.h"

namespace orv {
namespace {

constexpr char kRangeEmpty[] = "V zadaném rozsahu žádné poznámky nejsou !";
constexpr char kTooLarge[] = "Výklad je příliš velký";
constexpr int kProgressStep = 64;

enum class EMerged { Nothing, Added, Changed };

// A record without note and text is no record, whatever a file may hold.
bool IsEmpty(const CEntrTxt& record) {
  return record.m_Poznamka.empty() && record.m_Text.empty();
}

// Whether the source's commentary goes after the target's through the joiner.
bool NeedsJoin(const CEntrTxt& target, const CEntrTxt& source) {
  return !source.m_Text.empty() && !target.m_Text.empty() &&
         !CommentaryContains(target.m_Text, source.m_Text);
}

// The records of the source are read one at a time and not kept: a source of a million records
// costs its file's bytes, not a million unscrambled copies. A record the target lacks is taken as
// its bytes, unread, where it is unchanged in the source.
class CRecordMerge {
 public:
  CRecordMerge(CTedDoc& doc, bool range, ICommentaryJoin& joiner)
      : m_Doc(doc), m_Range(range), m_Joiner(joiner) {}

  EMerged Merge(bool month, std::string_view key, const CEntrTxt& source, const CRecordMap& from) {
    if (IsEmpty(source)) return EMerged::Nothing;
    CRecordMap& records = month ? m_Doc.m_DataMesice : m_Doc.m_DataTxt;
    const std::string_view raw = from.RawBody(key);
    if (!raw.empty() && raw == records.RawBody(key)) return EMerged::Nothing;
    const CEntrTxt* target = records.Peek(key, m_Target);
    if (!target) {
      if (!records.InsertUnread(key, from)) records.Store(key, source);
      return EMerged::Added;
    }
    CEntrTxt merged = *target;
    merged.m_Poznamka = m_Range ? MergeNotesRange(target->m_Poznamka, source.m_Poznamka)
                                : MergeNotesWhole(target->m_Poznamka, source.m_Poznamka);
    MergeCommentary(*target, source, merged);
    if (merged == *target) return EMerged::Nothing;
    records.Store(key, merged);
    return EMerged::Changed;
  }

  // Whether the commentaries of this record could be joined, were it merged: the first record
  // they could not be joined in stops the whole append before anything changed.
  bool CanMerge(bool month, std::string_view key, const CEntrTxt& source, const CRecordMap& from) {
    if (IsEmpty(source)) return true;
    const CRecordMap& records = month ? m_Doc.m_DataMesice : m_Doc.m_DataTxt;
    const std::string_view raw = from.RawBody(key);
    if (!raw.empty() && raw == records.RawBody(key)) return true;
    const CEntrTxt* target = records.Peek(key, m_Target);
    return !target || !NeedsJoin(*target, source) || m_Joiner.CanJoin(*target, source);
  }

 private:
  void MergeCommentary(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& merged) {
    if (source.m_Text.empty()) return;
    if (target.m_Text.empty()) {
      merged.m_Rtf = source.m_Rtf;
      merged.m_Text = source.m_Text;
      if (!m_Range) merged.m_Rezerva = source.m_Rezerva;
      return;
    }
    if (!NeedsJoin(target, source)) return;
    m_Joiner.Join(target, source, m_Joined);
    merged.m_Rtf = std::move(m_Joined.m_Rtf);
    merged.m_Text = std::move(m_Joined.m_Text);
  }

  CTedDoc& m_Doc;
  bool m_Range;
  ICommentaryJoin& m_Joiner;
  CEntrTxt m_Target;
  CEntrTxt m_Joined;
};

struct SMergeWalk {
  CRecordMerge& merge;
  const AppendProgress& progress;
  SAppendResult& result;
  int total = 0;
  int done = 0;

  void Record(bool month, std::string_view key, const CEntrTxt& source, const CRecordMap& from) {
    switch (merge.Merge(month, key, source, from)) {
      case EMerged::Added:
        ++result.recordsAdded;
        break;
      case EMerged::Changed:
        ++result.recordsChanged;
        break;
      case EMerged::Nothing:
        break;
    }
    if (progress && (++done % kProgressStep == 0 || done == total)) progress(done, total);
  }
};

// The positions of the source's records that are appended: every one of the whole calendar, or
// those of the days of the range.
struct SAppendedRecords {
  std::size_t firstDay = 0;
  std::size_t lastDay = 0;  // past the last
  bool months = true;
  std::size_t Days() const { return lastDay - firstDay; }
};

SAppendedRecords Appended(const CCalendarContent& source, const SAppendOptions& options) {
  const CRecordMap& days = source.m_DataTxt;
  std::size_t first = 0, last = days.size();
  if (!options.wholeCalendar) {
    // Day keys sort in date order.
    first = days.LowerPosition(DayKey(options.from));
    last = std::max(first, days.LowerPosition(DayKey(options.to) + '\x01'));
  }
  return SAppendedRecords{first, last, options.wholeCalendar};
}

template <typename F>
void VisitAppended(const CCalendarContent& source, const SAppendedRecords& records, F&& visit) {
  source.m_DataTxt.Visit(
      records.firstDay, records.lastDay,
      [&](std::string_view key, const CEntrTxt& record) { visit(false, key, record, source.m_DataTxt); });
  if (records.months)
    source.m_DataMesice.Visit(
        [&](std::string_view key, const CEntrTxt& record) { visit(true, key, record, source.m_DataMesice); });
}

}  // namespace

SAppendResult AppendCalendar(CTedDoc& target, const CCalendarContent& source, const SAppendOptions& options,
                             ICommentaryJoin& joiner, const AppendProgress& progress) {
  SAppendResult result;
  if (&source == &static_cast<const CCalendarContent&>(target)) return result;
  const SAppendedRecords records = Appended(source, options);
  // A range takes nothing of the source without records, its styles neither.
  if (!options.wholeCalendar && records.Days() == 0) {
    result.rangeEmpty = true;
    target.Ui().MessageBox(kRangeEmpty);
    return result;
  }
  CRecordMerge merge(target, !options.wholeCalendar, joiner);
  bool fits = true;
  VisitAppended(source, records,
                [&](bool month, std::string_view key, const CEntrTxt& record, const CRecordMap& from) {
                  fits = fits && merge.CanMerge(month, key, record, from);
                });
  if (!fits) {
    result.tooLarge = true;
    target.Ui().MessageBox(kTooLarge);
    return result;
  }
  result.stylesChanged = MergeStyles(target, source, options.overwriteStyles, target.Ui());
  SMergeWalk walk{merge, progress, result};
  walk.total = static_cast<int>(records.Days() + (records.months ? source.m_DataMesice.size() : 0));
  target.m_DataTxt.BeginInserts(records.Days());
  target.m_DataMesice.BeginInserts(records.months ? source.m_DataMesice.size() : 0);
  VisitAppended(source, records,
                [&](bool month, std::string_view key, const CEntrTxt& record, const CRecordMap& from) {
                  walk.Record(month, key, record, from);
                });
  for (CRecordMap* map : {&target.m_DataTxt, &target.m_DataMesice}) map->EndInserts();
  if (result.Changed()) target.SetModifiedFlag();
  return result;
}

}  // namespace orv
