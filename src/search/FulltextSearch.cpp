#include "search/FulltextSearch.h"

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

bool HasLogicalOperator(std::string_view input) {
  return input.find(" AND ") != std::string_view::npos || input.find(" OR ") != std::string_view::npos ||
         input.find("NOT ") != std::string_view::npos;
}

}  // namespace

FulltextOutcome CFulltextSearch::OnButHledat(const CTedDoc& doc, const FulltextRequest& request,
                                             IUiServices& ui) {
  FulltextOutcome out;
  out.options = request.options;
  if (request.input.empty()) {
    ui.MessageBox("Zadejte hledaný výraz.");
    return out;
  }
  if (out.options.logical && !HasLogicalOperator(request.input)) {
    ui.MessageBox("Výraz neobsahuje logický operátor.");
    out.options.logical = false;
    out.logicalSwitchedOff = true;
  }
  if (out.options.useMask && request.input.find_first_of("*?") == std::string::npos) {
    out.options.useMask = false;
    out.options.wholeWords = request.userWholeWords;
    out.maskSwitchedOff = true;
    ui.MessageBox("Výraz neobsahuje ani jeden zástupný znak.");
  }
  m_Input = request.input;
  if (!m_Engine.Prepare(request.input, out.options, ui)) return out;

  bool found = false;
  {
    CWaitCursor wait(ui);
    found = request.previousResult ? FultxtCursearch(doc, request.commentariesOnly, ui)
                                   : SearchAll(doc, request.commentariesOnly, ui);
  }
  if (!found) ui.MessageBox("Nebyl nenalezen žádný výskyt hledaného textu !");
  out.status = found ? FulltextStatus::Found : FulltextStatus::NotFound;
  return out;
}

// The expression must hold within one text: the commentary, or else the note.
bool CFulltextSearch::MatchesDay(const CEntrTxt& record, bool commentariesOnly, IUiServices& ui) const {
  if (commentariesOnly) return !record.m_Text.empty() && m_Engine.Matches(record.m_Text, ui);
  if (record.m_Text.empty() && record.m_Poznamka.empty()) return false;
  return m_Engine.Matches(record.m_Text, ui) || m_Engine.Matches(record.m_Poznamka, ui);
}

bool CFulltextSearch::SearchAll(const CTedDoc& doc, bool commentariesOnly, IUiServices& ui) {
  if (doc.m_DataTxt.empty() && doc.m_DataMesice.empty()) {
    ui.MessageBox("Kalendář je prázdný !");
    return false;
  }
  std::vector<std::string> days;
  for (const auto& [key, record] : doc.m_DataTxt)
    if (MatchesDay(record, commentariesOnly, ui)) days.push_back(key);
  std::vector<std::string> months;
  for (const auto& [key, record] : doc.m_DataMesice)
    if (!record.m_Text.empty() && m_Engine.Matches(record.m_Text, ui)) months.push_back(key);
  m_Days.Assign(std::move(days));
  m_Months.Assign(std::move(months));
  return !m_Days.IsEmpty() || !m_Months.IsEmpty();
}

bool CFulltextSearch::FultxtCursearch(const CTedDoc& doc, bool commentariesOnly, IUiServices& ui) {
  if (m_Days.IsEmpty()) {
    ui.MessageBox("Současný výběr je prázdný");
    return false;
  }
  const CSortedKeyList previous = std::move(m_Days);
  m_Days.Clear();
  std::vector<std::string> days;
  for (const std::string& key : previous) {
    const CEntrTxt* record = doc.GetDayRecord(key);
    if (!record) {
      ui.MessageBox(m_Engine.Options().logical ? "FultxtCursearch - chyba konzistence 2."
                                               : "FultxtCursearch - chyba konzistence 1.");
      continue;
    }
    if (MatchesDay(*record, commentariesOnly, ui)) days.push_back(key);
  }
  m_Days.Assign(std::move(days));
  return !m_Days.IsEmpty();
}

std::string CFulltextSearch::SelectedDayKey(std::size_t entry) const {
  return entry < m_Days.Size() ? m_Days[entry] : std::string();
}

std::string CFulltextSearch::SelectedMonthKey(std::size_t entry) const {
  return entry < m_Months.Size() ? m_Months[entry] + "/01" : std::string();
}

PreviewHighlights CFulltextSearch::Highlights(std::string_view text, IUiServices& ui) const {
  return FindPreviewHighlights(text, m_Input, m_Engine.Options(), ui);
}

}  // namespace orv
