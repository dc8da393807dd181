#include "export/RtfExportDialogModel.h"

#include <algorithm>

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

CRtfExportDialogModel::CRtfExportDialogModel(const CTedDoc& doc) {
  for (const auto& [name, style] : doc.m_StylesPar)
    if (std::find(m_StyleNames.begin(), m_StyleNames.end(), name) == m_StyleNames.end())
      m_StyleNames.push_back(name);
  std::sort(m_StyleNames.begin(), m_StyleNames.end());
}

void CRtfExportDialogModel::SetFrom(const Date& date) {
  m_Choice.from = date;
  m_WholeCalendar = false;
}

void CRtfExportDialogModel::SetTo(const Date& date) {
  m_Choice.to = date;
  m_WholeCalendar = false;
}

std::optional<SRtfExportChoice> CRtfExportDialogModel::Accept(IUiServices& ui) const {
  if (!m_Choice.notes && !m_Choice.dayCommentaries && !m_Choice.monthCommentaries) {
    ui.MessageBox("Vyberte obsah výstupního souboru !");
    return std::nullopt;
  }
  SRtfExportChoice choice = m_Choice;
  if (m_WholeCalendar) {
    choice.from = FirstDate();
    choice.to = LastDate();
  } else if (DayKey(choice.from) > DayKey(choice.to)) {
    ui.MessageBox("Spodní hranice období nesmí být větší než horní !");
    return std::nullopt;
  }
  return choice;
}

}  // namespace orv
