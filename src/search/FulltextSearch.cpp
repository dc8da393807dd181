#include "search/FulltextSearch.h"

#include <limits>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "search/MaskWholeWords.h"

namespace orv {
namespace {

bool HasLogicalOperator(std::string_view input) {
  return input.find(" AND ") != std::string_view::npos || input.find(" OR ") != std::string_view::npos ||
         input.find("NOT ") != std::string_view::npos;
}

CSortedKeyList AllKeys(const CRecordMap& records) {
  CSortedKeyList keys;
  keys.Reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) keys.Append(records.KeyAt(i));
  return keys;
}

}  // namespace

FulltextOutcome CFulltextSearch::OnButHledat(const CTedDoc& doc, const FulltextRequest& request,
                                             IUiServices& ui) {
  if (Begin(request, ui).status != FulltextStatus::Searching) return m_Walk.outcome;
  {
    CWaitCursor wait(ui);
    Step(doc, std::numeric_limits<std::size_t>::max(), ui);
  }
  return Finish(ui);
}

FulltextOutcome CFulltextSearch::Begin(const FulltextRequest& request, IUiServices& ui) {
  m_Walk = {};
  FulltextOutcome& out = m_Walk.outcome;
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
    MaskWholeWords boxes{true, out.options.wholeWords, request.userWholeWords};
    boxes.SetMask(false);
    out.options.useMask = boxes.useMask;
    out.options.wholeWords = boxes.wholeWords;
    out.maskSwitchedOff = true;
    ui.MessageBox("Výraz neobsahuje ani jeden zástupný znak.");
  }
  m_Input = request.input;
  if (!m_Engine.Prepare(request.input, out.options, ui)) return out;
  m_Walk.previousResult = request.previousResult;
  m_Walk.commentariesOnly = request.commentariesOnly;
  out.status = FulltextStatus::Searching;
  return out;
}

bool CFulltextSearch::StartWalk(const CTedDoc& doc, IUiServices& ui) {
  m_Walk.started = true;
  if (m_Walk.previousResult) {
    if (m_Days.IsEmpty()) {
      ui.MessageBox("Současný výběr je prázdný");
      return false;
    }
    m_Walk.dayKeys = m_Days;
    return true;
  }
  if (doc.m_DataTxt.empty() && doc.m_DataMesice.empty()) {
    ui.MessageBox("Kalendář je prázdný !");
    return false;
  }
  m_Walk.dayKeys = AllKeys(doc.m_DataTxt);
  m_Walk.monthKeys = AllKeys(doc.m_DataMesice);
  return true;
}

// The expression must hold within one text: the commentary, or else the note.
bool CFulltextSearch::MatchesDay(const CEntrTxt& record, bool commentariesOnly, IUiServices& ui) const {
  if (commentariesOnly) return !record.m_Text.empty() && m_Engine.Matches(record.m_Text, ui);
  if (record.m_Text.empty() && record.m_Poznamka.empty()) return false;
  return m_Engine.Matches(record.m_Text, ui) || m_Engine.Matches(record.m_Poznamka, ui);
}

bool CFulltextSearch::Step(const CTedDoc& doc, std::size_t records, IUiServices& ui) {
  SWalk& w = m_Walk;
  if (w.outcome.status != FulltextStatus::Searching || w.nothingToSearch) return true;
  if (!w.started && !StartWalk(doc, ui)) {
    w.nothingToSearch = true;
    return true;
  }
  const std::size_t days = w.dayKeys.Size();
  const std::size_t total = days + w.monthKeys.Size();
  const std::size_t end = total - w.next > records ? w.next + records : total;
  // Each record is read for the search and not kept: a calendar of a million records would
  // otherwise hold them all unscrambled.
  CEntrTxt scratch;
  for (; w.next < end; ++w.next) {
    if (w.next >= days) {
      const std::string key = w.monthKeys[w.next - days];
      const CEntrTxt* record = doc.m_DataMesice.Peek(key, scratch);
      if (record && !record->m_Text.empty() && m_Engine.Matches(record->m_Text, ui)) w.months.Append(key);
      continue;
    }
    const std::string key = w.dayKeys[w.next];
    const CEntrTxt* record = doc.m_DataTxt.Peek(key, scratch);
    if (!record) {
      if (w.previousResult)
        ui.MessageBox(m_Engine.Options().logical ? "FultxtCursearch - chyba konzistence 2."
                                                 : "FultxtCursearch - chyba konzistence 1.");
      continue;
    }
    if (MatchesDay(*record, w.commentariesOnly, ui)) w.days.Append(key);
  }
  return w.next == total;
}

FulltextOutcome CFulltextSearch::Finish(IUiServices& ui) {
  FulltextOutcome out = m_Walk.outcome;
  if (out.status != FulltextStatus::Searching) return out;
  bool found = false;
  if (!m_Walk.nothingToSearch) {
    m_Days = std::move(m_Walk.days);
    if (!m_Walk.previousResult) m_Months = std::move(m_Walk.months);
    found = !m_Days.IsEmpty() || (!m_Walk.previousResult && !m_Months.IsEmpty());
  }
  m_Walk = {};
  if (!found) ui.MessageBox("Nebyl nalezen žádný výskyt hledaného textu !");
  out.status = found ? FulltextStatus::Found : FulltextStatus::NotFound;
  return out;
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
