#pragma once
// The full-text search over the calendar's commentaries (and, unless told otherwise, the day notes),
// as document operations: the search dialog reads its controls, calls these, and shows what comes
// back.
//
//   CFulltextSearch search;                                   // lives as long as the open calendar
//   FulltextOutcome out = search.OnButHledat(doc, request, ui);  // the "Vyhledat" button
//   ... out.options shows which check boxes the search switched off ...
//   months = NaplnitFulltextMonth(search.FoundMonths(), ui); days = NaplnitFulltext(search.FoundDays(), ui);
//   search.Highlights(previewText, ui)                        // what the previews colour
//
// The same search in steps, for a window that keeps painting while a long search runs:
//
//   FulltextOutcome out = search.Begin(request, ui);         // the input checks: Searching or Refused
//   while (!search.Step(doc, 64, ui)) { ...the window paints, the user may cancel... }
//   out = search.Finish(ui);                                  // Found or NotFound, as OnButHledat
//
// Cancel() instead of Finish leaves both result lists as they were before Begin. Records that go
// away between steps are passed over; the lists come out in date order whatever the steps were.
//
// The result lists live from one search to the next: "Předchozí výsledek vyhledávání" narrows the
// last days list, and the exports read them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "search/PreviewHighlights.h"
#include "search/SearchEngine.h"
#include "search/SortedKeyList.h"

namespace orv {

class CTedDoc;
struct CEntrTxt;

struct FulltextRequest {
  std::string input;              // the search text as typed, Windows-1250
  SearchOptions options;          // as ticked; "Celá slova" is ticked while the mask is
  bool userWholeWords = false;    // the user's own choice of "Celá slova", back when the mask goes off
  bool previousResult = false;    // "Předchozí výsledek vyhledávání": search the last days list only
  bool commentariesOnly = false;  // "Pouze výklady": leave the short notes out
};

enum class FulltextStatus {
  Refused,   // the input was refused; nothing was searched
  NotFound,  // searched, nothing found (or nothing to search)
  Found,
  Searching,  // begun: Step until it says done, then Finish
};

struct FulltextOutcome {
  FulltextStatus status = FulltextStatus::Refused;
  // The options the search ran with; the dialog's check boxes show them afterwards.
  SearchOptions options;
  bool logicalSwitchedOff = false;  // the input had no operator
  bool maskSwitchedOff = false;     // the input had no wildcard; "Celá slova" is the user's own again
};

class CFulltextSearch {
 public:
  // The search button after the text has been read: the input checks, the walk, and "nothing found".
  // Every message has been shown when it returns.
  FulltextOutcome OnButHledat(const CTedDoc& doc, const FulltextRequest& request, IUiServices& ui);

  // The button in steps. The walk searches every day and month record (SearchAll), or with
  // "Předchozí výsledek vyhledávání" the days of the last result again and leaves the months as they
  // were (FultxtCursearch). Step tests up to `records` more records and says whether the walk is done.
  FulltextOutcome Begin(const FulltextRequest& request, IUiServices& ui);
  bool Step(const CTedDoc& doc, std::size_t records, IUiServices& ui);
  FulltextOutcome Finish(IUiServices& ui);
  void Cancel() { m_Walk = {}; }

  const CSortedKeyList& FoundDays() const { return m_Days; }
  const CSortedKeyList& FoundMonths() const { return m_Months; }
  // The key the dialog returns for an entry of the days list, or of the months list (its first day).
  std::string SelectedDayKey(std::size_t entry) const;
  std::string SelectedMonthKey(std::size_t entry) const;

  // The occurrences the previews colour in a shown note or commentary, for the last search.
  PreviewHighlights Highlights(std::string_view text, IUiServices& ui) const;

 private:
  // A search between Begin and Finish: the keys to test (a snapshot, so that steps resume where they
  // stopped) and what was found so far.
  struct SWalk {
    FulltextOutcome outcome;
    bool previousResult = false;
    bool commentariesOnly = false;
    bool started = false;
    bool nothingToSearch = false;
    CSortedKeyList dayKeys;
    CSortedKeyList monthKeys;
    std::size_t next = 0;  // into dayKeys, then on into monthKeys
    CSortedKeyList days;
    CSortedKeyList months;
  };

  // The keys the walk tests; false, with the message, when there is nothing to search.
  bool StartWalk(const CTedDoc& doc, IUiServices& ui);
  bool MatchesDay(const CEntrTxt& record, bool commentariesOnly, IUiServices& ui) const;

  CSearchEngine m_Engine;
  SWalk m_Walk;
  std::string m_Input;  // the input the engine was last prepared with
  CSortedKeyList m_Days;
  CSortedKeyList m_Months;
};

}  // namespace orv
