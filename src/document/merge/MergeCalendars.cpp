#include "document/merge/MergeCalendars.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/CalendarContent.h"
#include "document/merge/AppendCalendar.h"
#include "document/merge/AppendNotes.h"
#include "document/merge/AppendStyles.h"

namespace orv {
namespace {

// A record without note and text is no record, whatever a file may hold.
const CEntrTxt* Present(const CEntrTxt* record) {
  return record && !(record->m_Poznamka.empty() && record->m_Text.empty()) ? record : nullptr;
}

bool SameRecord(const CEntrTxt* a, const CEntrTxt* b) {
  if (!a || !b) return a == b;
  return a->m_Poznamka == b->m_Poznamka && a->m_Text == b->m_Text && a->m_Rtf == b->m_Rtf;
}

bool SameCommentary(const CEntrTxt& a, const CEntrTxt& b) {
  return a.m_Text == b.m_Text && a.m_Rtf == b.m_Rtf;
}

// The keys of one map where theirs may change ours: records of theirs whose bytes are neither ours'
// nor the base's (or could not be compared so), and records the base had and theirs lost.
struct SCandidates {
  std::vector<std::string> inTheirs;  // in key order
  std::vector<std::string> lost;      // in key order
};

// Whether `map` has `key`, its position then in `cursor`; keys asked for must grow from call to call.
bool Seek(const CRecordMap& map, std::size_t& cursor, std::string_view key) {
  while (cursor < map.size() && map.KeyAt(cursor) < key) ++cursor;
  return cursor < map.size() && map.KeyAt(cursor) == key;
}

// One walk over the three maps in key order: most records are the same in every version, and their
// bytes tell it without reading them or looking them up.
SCandidates FindCandidates(bool month, const CRecordMap& ours, const CRecordMap& theirs,
                           const CRecordMap* base) {
  const auto valid = month ? IsValidMonthKey : IsValidDayKey;
  SCandidates found;
  std::size_t o = 0, b = 0;
  // Keys of the base up to `end` that theirs lacks, all that are left without one.
  const auto lostBefore = [&](std::optional<std::string_view> end) {
    for (; base && b < base->size() && (!end || base->KeyAt(b) < *end); ++b)
      if (valid(base->KeyAt(b))) found.lost.emplace_back(base->KeyAt(b));
  };
  for (std::size_t i = 0; i < theirs.size(); ++i) {
    const std::string_view key = theirs.KeyAt(i);
    lostBefore(key);
    const bool inOurs = Seek(ours, o, key);
    const bool inBase = base && Seek(*base, b, key);
    if (inBase) ++b;  // not lost
    if (!valid(key)) continue;
    const std::string_view raw = theirs.RawBodyAt(i);
    const bool same =
        !raw.empty() && ((inOurs && raw == ours.RawBodyAt(o)) || (inBase && raw == base->RawBodyAt(b - 1)));
    if (!same) found.inTheirs.emplace_back(key);
  }
  lostBefore(std::nullopt);
  return found;
}

// Records are read into scratch copies and not kept, and a record of theirs taken whole stays its
// file's bytes: a merge costs about what the records that differ cost. A trial run (`trial`) changes
// nothing and only tells whether every join it would make fits the editor.
class CRecordMerge {
 public:
  CRecordMerge(ICommentaryJoin& joiner, SMergeResult& result, bool trial)
      : m_Joiner(joiner), m_Result(result), m_Trial(trial) {}

  bool Fits() const { return m_Fits; }

  void Merge(bool month, CRecordMap& ours, const CRecordMap& theirs, const CRecordMap* base,
             const SCandidates& candidates) {
    m_Joined = month ? &m_Result.joinedMonths : &m_Result.joinedDays;
    for (const std::string& key : candidates.inTheirs) {
      m_TheirsRecords = &theirs;
      Record(ours, key, theirs.Peek(key, m_Theirs), base ? Present(base->Peek(key, m_Base)) : nullptr,
             base != nullptr);
    }
    // Records the base had and theirs lost: deleted there.
    for (const std::string& key : candidates.lost)
      Record(ours, key, nullptr, Present(base->Peek(key, m_Base)), true);
    ours.Erase(m_Erased);  // in one pass: a deletion of years deletes thousands of records
    m_Erased.clear();
    std::sort(m_Joined->begin(), m_Joined->end());
  }

 private:
  void Record(CRecordMap& records, const std::string& key, const CEntrTxt* theirs, const CEntrTxt* base,
              bool threeWay) {
    theirs = Present(theirs);
    const CEntrTxt* ours = Present(records.Peek(key, m_Ours));
    if (SameRecord(ours, theirs)) return;
    if (threeWay && SameRecord(theirs, base)) return;
    if (!theirs) {
      // Deleted there: the deletion holds only where ours kept the record as it was.
      if (threeWay && SameRecord(ours, base)) Put(records, key, nullptr);
      return;
    }
    if (!ours || (threeWay && SameRecord(ours, base))) {
      // Changed on their side only, or a deletion of ours against their change: their record.
      Put(records, key, theirs);
      return;
    }
    bool joined = false;
    CEntrTxt merged = *ours;
    m_TheirsRecords = nullptr;  // what is put now is no record of theirs
    merged.m_Poznamka = MergeNote(ours->m_Poznamka, theirs->m_Poznamka, base, joined);
    MergeCommentary(*ours, *theirs, base, merged, joined);
    if (joined) m_Joined->push_back(key);
    Put(records, key, &merged);
  }

  static std::string MergeNote(const std::string& ours, const std::string& theirs, const CEntrTxt* base,
                               bool& joined) {
    if (ours == theirs || (base && theirs == base->m_Poznamka)) return ours;
    if (base && ours == base->m_Poznamka) return theirs;
    const std::string merged = MergeNotesWhole(ours, theirs);
    joined = joined || (merged != ours && merged != theirs);
    return merged;
  }

  void MergeCommentary(const CEntrTxt& ours, const CEntrTxt& theirs, const CEntrTxt* base, CEntrTxt& merged,
                       bool& joined) {
    const auto takeTheirs = [&] {
      merged.m_Rtf = theirs.m_Rtf;
      merged.m_Text = theirs.m_Text;
    };
    if (SameCommentary(ours, theirs) || (base && SameCommentary(theirs, *base))) return;
    if (base && SameCommentary(ours, *base)) return takeTheirs();
    if (theirs.m_Text.empty() || CommentaryContains(ours.m_Text, theirs.m_Text)) return;
    if (ours.m_Text.empty() || CommentaryContains(theirs.m_Text, ours.m_Text)) return takeTheirs();
    if (m_Trial) {
      m_Fits = m_Fits && m_Joiner.CanJoin(ours, theirs);
      joined = true;
      return;
    }
    CEntrTxt both;
    m_Joiner.Join(ours, theirs, both);
    merged.m_Rtf = std::move(both.m_Rtf);
    merged.m_Text = std::move(both.m_Text);
    joined = true;
  }

  void Put(CRecordMap& records, const std::string& key, const CEntrTxt* record) {
    const CEntrTxt* now = Present(records.Peek(key, m_Ours));
    if (SameRecord(now, record) && (record || !records.Contains(key))) return;
    ++m_Result.recordsChanged;
    if (m_Trial) return;
    if (!record) {
      m_Erased.push_back(key);
      return;
    }
    // Their record taken whole: their file's bytes, where ours lacks the key.
    if (m_TheirsRecords && record == &m_Theirs && records.InsertUnread(key, *m_TheirsRecords)) return;
    records.Insert(key, *record);
  }

  ICommentaryJoin& m_Joiner;
  SMergeResult& m_Result;
  bool m_Trial;
  bool m_Fits = true;
  std::vector<std::string>* m_Joined = nullptr;
  const CRecordMap* m_TheirsRecords = nullptr;
  CEntrTxt m_Ours, m_Theirs, m_Base;
  std::vector<std::string> m_Erased;  // keys of ours to erase once the walk is done
};

// Names of theirs that ours lacks are entered on their date; a name ours has keeps its own date.
int MergeNames(CNamesDatabase& ours, const CNamesDatabase& theirs) {
  int added = 0;
  for (int category = 0; category < kCategorySlots; ++category) {
    const CNameCategory& slot = theirs.m_Slots[category];
    for (const auto& [name, date] : slot.m_DatumPodleJmena) {
      if (ours.m_Slots[category].m_DatumPodleJmena.Contains(name)) continue;
      if (ours.AddName(category, name, date.m_Str)) ++added;
    }
  }
  return added;
}

}  // namespace

SMergeResult MergeCalendars(CCalendarContent& ours, const CCalendarContent& theirs,
                            const CCalendarContent* base, ICommentaryJoin& joiner) {
  SMergeResult result;
  if (&ours == &theirs) return result;
  const CRecordMap* baseDays = base ? &base->m_DataTxt : nullptr;
  const CRecordMap* baseMonths = base ? &base->m_DataMesice : nullptr;
  const SCandidates days = FindCandidates(false, ours.m_DataTxt, theirs.m_DataTxt, baseDays);
  const SCandidates months = FindCandidates(true, ours.m_DataMesice, theirs.m_DataMesice, baseMonths);
  for (const bool trial : {true, false}) {
    result = SMergeResult();
    CRecordMerge records(joiner, result, trial);
    for (CRecordMap* map : {&ours.m_DataTxt, &ours.m_DataMesice}) map->BeginInserts();
    records.Merge(false, ours.m_DataTxt, theirs.m_DataTxt, baseDays, days);
    records.Merge(true, ours.m_DataMesice, theirs.m_DataMesice, baseMonths, months);
    for (CRecordMap* map : {&ours.m_DataTxt, &ours.m_DataMesice}) map->EndInserts();
    if (!records.Fits()) {
      result = SMergeResult();
      result.tooLarge = true;
      return result;
    }
  }
  // The notices of appending (a style of the same settings under another name) mean nothing here:
  // ours keeps its own style then, which is the rule.
  CBatchUiServices quiet;
  result.namesAndStylesAdded = MergeStyles(ours, theirs, /*overwrite=*/false, quiet);
  result.namesAndStylesAdded += MergeNames(ours.m_Names, theirs.m_Names);
  return result;
}

}  // namespace orv
