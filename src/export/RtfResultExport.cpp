#include "export/RtfResultExport.h"

#include <algorithm>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "export/RtfAssembly.h"
#include "export/RtfExportTexts.h"
#include "search/SortedKeyList.h"

namespace orv {

std::optional<int> AssembleResultExport(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                        CRtfAssembly& out, IUiServices& ui, bool limited) {
  const size_t limit = limited ? static_cast<size_t>(kRtfExportLimit) : keys.Size();
  if (keys.Size() > limit) ui.MessageBox("Exportovat lze nejvýše 365 záznamů !");
  const size_t count = std::min(keys.Size(), limit);
  const bool months = area == ERtfResultArea::Months;
  int written = 0;
  CEntrTxt scratch;  // each record is read for its part of the export and not kept
  for (size_t i = 0; i < count; ++i) {
    const std::string key = keys[i];
    const CEntrTxt* record = (months ? doc.m_DataMesice : doc.m_DataTxt).Peek(key, scratch);
    if (!record) {
      ui.MessageBox("Chyba konzistence");
      return std::nullopt;
    }
    if (area == ERtfResultArea::DayCommentaries && record->m_Text.empty()) continue;
    out.AppendBreak();
    out.AppendHeading(months ? ResultMonthHeading(key) : ResultDayHeading(key), out.DayHeadingFormat());
    if (area == ERtfResultArea::Days && !record->m_Poznamka.empty())
      out.AppendText(record->m_Poznamka, out.NoteFormat());
    out.AppendCommentary(record->m_Rtf);
    ++written;
  }
  return written;
}

}  // namespace orv
