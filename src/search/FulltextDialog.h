#pragma once
// The full-text search window ("Vyhledávání ve výkladech") without its widgets: the check boxes and
// their rules, the "Vyhledat" button, the two result lists, what the previews show and colour, and
// the day the calendar moves to on OK. The window binds its controls to this and shows what it says.
//
//   CFulltextDialog dialog(doc, search, settings);   // search and settings outlive the window
//   dialog.SetText(typed); dialog.SetUseMask(true);
//   if (dialog.Search(ui)) show(dialog.DayEntries(), dialog.MonthEntries(), dialog.Preview());
//   dialog.SelectDay(row, ui); ... on OK: FoundKeyDate(dialog.SelectedKey())
//
// The settings (text and check boxes) are the window's memory from one opening to the next.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CalendarDates.h"
#include "search/FulltextSearch.h"
#include "search/MaskWholeWords.h"

namespace orv {

// The mask and "Celá slova" follow the rule of MaskWholeWords.
struct FulltextSettings : MaskWholeWords {
  std::string text;  // Windows-1250
  bool matchCase = false;
  bool logical = false;
  bool previousResult = false;
  bool commentariesOnly = false;
  bool ignoreAccents = false;  // "Bez ohledu na diakritiku"
};

// What the two previews show for the selected entry: the note as plain text (empty for a month),
// the commentary as RTF (empty when its plain text is), and the ranges coloured blue in each.
struct FulltextPreview {
  std::string note;
  std::string rtf;
  std::vector<TextRange> noteRanges;
  std::vector<TextRange> textRanges;
  std::optional<std::size_t> caret;  // the first occurrence in the commentary
};

class CFulltextDialog {
 public:
  CFulltextDialog(const CTedDoc& doc, CFulltextSearch& search, FulltextSettings& settings)
      : m_Doc(doc), m_Search(search), m_Settings(settings) {}

  const FulltextSettings& Settings() const { return m_Settings; }
  void SetText(std::string text) { m_Settings.text = std::move(text); }
  // Ticking the mask ticks "Celá slova" and locks it; clearing it gives back the user's own choice.
  void SetUseMask(bool on) { m_Settings.SetMask(on); }
  void SetWholeWords(bool on) { m_Settings.SetWholeWords(on); }
  bool WholeWordsEnabled() const { return m_Settings.WholeWordsEnabled(); }
  void SetMatchCase(bool on) { m_Settings.matchCase = on; }
  void SetLogical(bool on) { m_Settings.logical = on; }
  void SetPreviousResult(bool on) { m_Settings.previousResult = on; }
  void SetCommentariesOnly(bool on) { m_Settings.commentariesOnly = on; }
  void SetIgnoreAccents(bool on) { m_Settings.ignoreAccents = on; }

  // "Vyhledat": empties the lists and the previews, searches, fills the lists and selects the first
  // day found (else the first month). False when nothing is listed; every message has been shown.
  bool Search(IUiServices& ui);
  // The same in steps (CFulltextSearch::Begin), so that the window keeps painting: BeginSearch empties
  // the lists and checks the input (false: refused, the search is over); StepSearch until it says
  // done, then FinishSearch, which answers as Search. CancelSearch ends it with empty lists and the
  // last result kept for "Předchozí výsledek vyhledávání" and the exports.
  bool BeginSearch(IUiServices& ui);
  bool StepSearch(std::size_t records, IUiServices& ui) { return m_Search.Step(m_Doc, records, ui); }
  bool FinishSearch(IUiServices& ui);
  void CancelSearch() { m_Search.Cancel(); }

  const std::vector<std::string>& DayEntries() const { return m_DayEntries; }
  const std::vector<std::string>& MonthEntries() const { return m_MonthEntries; }
  std::optional<std::size_t> SelectedDay() const { return m_SelectedDay; }
  std::optional<std::size_t> SelectedMonth() const { return m_SelectedMonth; }
  void SelectDay(std::size_t entry, IUiServices& ui);
  void SelectMonth(std::size_t entry, IUiServices& ui);
  const FulltextPreview& Preview() const { return m_Preview; }
  // The day OK moves to ("YYYY/MM/DD"; a month's first day); empty when nothing was selected.
  const std::string& SelectedKey() const { return m_SelectedKey; }

 private:
  void ShowRecord(const CEntrTxt* record, IUiServices& ui);

  const CTedDoc& m_Doc;
  CFulltextSearch& m_Search;
  FulltextSettings& m_Settings;
  std::vector<std::string> m_DayEntries;
  std::vector<std::string> m_MonthEntries;
  std::optional<std::size_t> m_SelectedDay;
  std::optional<std::size_t> m_SelectedMonth;
  std::string m_SelectedKey;
  FulltextPreview m_Preview;
};

// The date of a key a search window returns, when the calendar can show it: nothing for an empty
// key, a year outside the calendar's range, or a day its month does not have (29 February 2005).
std::optional<Date> FoundKeyDate(std::string_view dayKey);

}  // namespace orv
