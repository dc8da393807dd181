#pragma once
// Merging two versions of one calendar, as sync tools leave them: the version the user has (ours)
// takes in what the other computer wrote (theirs). With the version both started from (the base),
// the merge is three-way; without it, the union.
//
//   SMergeResult r = MergeCalendars(ours, theirs, &base, joiner);   r.joinedDays: to review
//
// Per record, three-way: a record changed on one side only takes that side, a deletion included;
// changed the same on both sides it stays; changed differently on both sides it is joined. A record
// deleted on one side and changed on the other keeps the change: nothing written is lost. Two-way:
// a record ours lacks is taken, differing records are joined.
// Joining: notes by the append rule ("; " between parts, no part twice); commentaries ours first
// and theirs after on a new paragraph, unless one already contains the other (then the containing
// one stands). Styles and names: theirs added where ours lacks them, ours wins a clash. Author data
// and passwords stay ours. Keys that are no valid day or month are skipped, as opening skips them.
// A merge repeated with the same inputs changes nothing. Commentaries too large to be joined in the
// editor stop the whole merge before anything changes.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct CCalendarContent;
class ICommentaryJoin;

struct SMergeResult {
  std::vector<std::string> joinedDays;    // DayKeys changed differently on both sides, in date order
  std::vector<std::string> joinedMonths;  // MonthKeys, the same
  int recordsChanged = 0;                 // records of ours added, replaced, joined or removed
  int namesAndStylesAdded = 0;
  bool tooLarge = false;  // a join would not fit the editor ("Výklad je příliš velký"): nothing merged
  bool Changed() const { return recordsChanged + namesAndStylesAdded > 0; }
};

SMergeResult MergeCalendars(CCalendarContent& ours, const CCalendarContent& theirs,
                            const CCalendarContent* base, ICommentaryJoin& joiner);

}  // namespace orv
