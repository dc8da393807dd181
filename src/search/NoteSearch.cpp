#include "search/NoteSearch.h"

#include <algorithm>
#include <utility>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "search/NoteMatcher.h"
#include "search/ResultListTexts.h"
#include "search/SearchTerm.h"

namespace orv {

// Every matching day is collected and the earliest ones kept, so that a common word lists the same
// days whatever order the calendar's records are stored in.
NoteSearchStatus CNoteSearch::Search(const CTedDoc& doc, std::string_view text, bool wholeWords,
                                     bool matchCase, IUiServices& ui) {
  m_Keys.Clear();
  m_Entries.clear();
  text = TrimSearchText(text);
  if (text.empty()) {
    ui.MessageBox("Zadejte hledaný text !");
    return NoteSearchStatus::Refused;
  }
  if (!CheckTermLength(text, ui)) return NoteSearchStatus::Refused;
  if (doc.m_DataTxt.empty()) {
    ui.MessageBox("Kalendář je prázdný");
    return NoteSearchStatus::NotFound;
  }
  const CNoteMatcher matcher(text, wholeWords, matchCase, m_IgnoreAccents);
  // The walk is in key order and keeps no record it reads; the first matches up to the limit are kept.
  std::vector<std::pair<std::string, std::string>> found;  // key, note
  doc.m_DataTxt.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (found.size() < kNoteSearchLimit && matcher.Matches(record.m_Poznamka))
      found.emplace_back(key, record.m_Poznamka);
  });
  if (found.empty()) {
    ui.MessageBox("Hledaný text nebyl nalezen !");
    return NoteSearchStatus::NotFound;
  }
  std::vector<std::string> keys;
  for (const auto& [key, note] : found) {
    keys.emplace_back(key);
    m_Entries.push_back(FoundDayText(key) + '\t' + std::string(note));
  }
  m_Keys.Assign(std::move(keys));
  return NoteSearchStatus::Found;
}

std::string CNoteSearch::SelectedKey(std::optional<std::size_t> entry, IUiServices& ui) const {
  if (!entry) return {};
  if (*entry >= m_Keys.Size()) {
    ui.MessageBox("inkonzistence v CDlgFultxt");
    return {};
  }
  return m_Keys[*entry];
}

}  // namespace orv
