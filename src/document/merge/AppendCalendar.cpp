#include "document/merge/AppendCalendar.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "document/merge/AppendNotes.h"
#include "document/merge/AppendStyles.h"

namespace orv {
namespace {

constexpr char kRangeEmpty[] = "V zadaném rozsahu žádné poznámky nejsou !";
constexpr int kProgressStep = 64;

enum class EMerged { Nothing, Added, Changed };

// The date of a day key "YYYY/MM/DD"; nullopt for a key of another form.
std::optional<Date> DateOfKey(std::string_view key) {
  if (key.size() != 10 || key[4] != '/' || key[7] != '/') return std::nullopt;
  const auto number = [&](std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (key[i] < '0' || key[i] > '9') return -1;
      value = value * 10 + (key[i] - '0');
    }
    return value;
  };
  const Date date{number(0, 4), number(5, 2), number(8, 2)};
  if (date.year < 0 || date.month < 0 || date.day < 0) return std::nullopt;
  return date;
}

auto Ordered(const Date& d) {
  return std::tie(d.year, d.month, d.day);
}

class CRecordMerge {
 public:
  CRecordMerge(CTedDoc& doc, bool range, ICommentaryJoin& joiner)
      : m_Doc(doc), m_Range(range), m_Joiner(joiner) {}

  EMerged Merge(bool month, const std::string& key, const CEntrTxt& source) {
    // A record without note and text is no record, whatever a file may hold.
    if (source.m_Poznamka.empty() && source.m_Text.empty()) return EMerged::Nothing;
    auto& records = month ? m_Doc.m_DataMesice : m_Doc.m_DataTxt;
    const CEntrTxt* target = month ? m_Doc.GetMonthRecord(key) : m_Doc.GetDayRecord(key);
    if (!target) {
      records.Insert(key, source);
      return EMerged::Added;
    }
    CEntrTxt merged = *target;
    merged.m_Poznamka = m_Range ? MergeNotesRange(target->m_Poznamka, source.m_Poznamka)
                                : MergeNotesWhole(target->m_Poznamka, source.m_Poznamka);
    MergeCommentary(*target, source, merged);
    if (merged == *target) return EMerged::Nothing;
    records.Insert(key, std::move(merged));
    return EMerged::Changed;
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
    if (CommentaryContains(target.m_Text, source.m_Text)) return;
    m_Joiner.Join(target, source, m_Joined);
    merged.m_Rtf = std::move(m_Joined.m_Rtf);
    merged.m_Text = std::move(m_Joined.m_Text);
  }

  CTedDoc& m_Doc;
  bool m_Range;
  ICommentaryJoin& m_Joiner;
  CEntrTxt m_Joined;
};

struct SMergeWalk {
  CRecordMerge& merge;
  const AppendProgress& progress;
  SAppendResult& result;
  int total = 0;
  int done = 0;

  void Record(bool month, const std::string& key, const CEntrTxt& source) {
    switch (merge.Merge(month, key, source)) {
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

void MergeWhole(const CCalendarContent& source, SMergeWalk& walk) {
  walk.total = static_cast<int>(source.m_DataTxt.size() + source.m_DataMesice.size());
  for (const auto& [key, record] : source.m_DataTxt) walk.Record(false, key, record);
  for (const auto& [key, record] : source.m_DataMesice) walk.Record(true, key, record);
}

using Entry = std::pair<const std::string, CEntrTxt>;

// The source's day records of the range, in date order.
std::vector<const Entry*> RangeRecords(const CCalendarContent& source, const SAppendOptions& options) {
  std::vector<const Entry*> entries;
  for (const Entry& entry : source.m_DataTxt) {
    const std::optional<Date> date = DateOfKey(entry.first);
    if (date && Ordered(*date) >= Ordered(options.from) && Ordered(*date) <= Ordered(options.to))
      entries.push_back(&entry);
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry* a, const Entry* b) { return a->first < b->first; });
  return entries;
}

}  // namespace

SAppendResult AppendCalendar(CTedDoc& target, const CCalendarContent& source, const SAppendOptions& options,
                             ICommentaryJoin& joiner, const AppendProgress& progress) {
  SAppendResult result;
  if (&source == &static_cast<const CCalendarContent&>(target)) return result;
  std::vector<const Entry*> range;
  if (!options.wholeCalendar) {
    range = RangeRecords(source, options);
    // Nothing of the source is taken then, its styles neither.
    if (range.empty()) {
      result.rangeEmpty = true;
      target.Ui().MessageBox(kRangeEmpty);
      return result;
    }
  }
  result.stylesChanged = MergeStyles(target, source, options.overwriteStyles, target.Ui());
  CRecordMerge merge(target, !options.wholeCalendar, joiner);
  SMergeWalk walk{merge, progress, result};
  if (options.wholeCalendar) {
    MergeWhole(source, walk);
  } else {
    walk.total = static_cast<int>(range.size());
    for (const Entry* entry : range) walk.Record(false, entry->first, entry->second);
  }
  if (result.Changed()) target.SetModifiedFlag();
  return result;
}

}  // namespace orv
