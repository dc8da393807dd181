#pragma once
// Appending one calendar to another: the styles and the records of a source calendar are merged
// into the target calendar the document holds. The names database, the author data and the
// passwords of the source are not carried over.
//
//   CAppendResult r = AppendCalendar(target, source, options, joiner, progress);
//
// Whole calendar: every day record and then every month record of the source; a record the target
// lacks is copied, otherwise the notes join by MergeNotesWhole and a source commentary the target's
// does not contain (CommentaryContains) is joined after it. A range: only the day records of those
// days, notes joined by MergeNotesRange; a range without source records says "V zadaném rozsahu
// žádné poznámky nejsou !" and takes nothing, not even styles; so does a source with a commentary that
// would have to be joined with the target's and is too large for the editor ("Výklad je příliš velký"),
// or whose join would be. Joining formatted text needs the rich text
// engine, one layer up: it comes in as an ICommentaryJoin.

#include <functional>
#include <string>

#include "core/CalendarDates.h"
#include "document/EntrTxt.h"

namespace orv {

struct CCalendarContent;
class CTedDoc;

struct SAppendOptions {
  bool wholeCalendar = true;     // "Celý kalendář"; otherwise "Rozsah"
  Date from{MinYear(), 1, 1};    // "Od:", both days included
  Date to{MaxYear(), 12, 31};    // "Do:"
  bool overwriteStyles = false;  // "Styly v cílovém souboru přepsat"
};

// Appends a source commentary after a target commentary, the source starting a new paragraph and
// both keeping their formatting.
class ICommentaryJoin {
 public:
  virtual ~ICommentaryJoin() = default;
  // Fills `joined` with the RTF and the plain text of the two commentaries joined.
  virtual void Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) = 0;
  // Whether the two commentaries, and what joining them gives, are small enough for the editor.
  virtual bool CanJoin(const CEntrTxt& /*target*/, const CEntrTxt& /*source*/) { return true; }
};

struct SAppendResult {
  int recordsAdded = 0;
  int recordsChanged = 0;
  int stylesChanged = 0;
  bool rangeEmpty = false;  // a range without source records
  bool tooLarge = false;    // commentaries too large to be joined: nothing was appended
  bool Changed() const { return recordsAdded + recordsChanged + stylesChanged > 0; }
};

// Told how many records of how many are done, now and then during a long merge.
using AppendProgress = std::function<void(int done, int total)>;

SAppendResult AppendCalendar(CTedDoc& target, const CCalendarContent& source, const SAppendOptions& options,
                             ICommentaryJoin& joiner, const AppendProgress& progress = {});

}  // namespace orv
