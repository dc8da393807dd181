#pragma once
// The content of the result exports of the search windows ("Export do rtf" of the full-text dialog
// and of the note search dialog): the found days with heading, note and commentary, or the found
// months with heading and commentary. Writing the file is ExportResultRtf (RtfExport.h); print and
// PDF take the content from here.
//
//   CRtfAssembly out(baseFace);
//   const auto written = AssembleResultExport(doc, dayKeys, ERtfResultArea::Days, out, ui);
//
// Each entry starts with an empty paragraph and its heading in the day heading format. With the
// limit (RTF) at most 365 entries are taken and a longer list says "Exportovat lze nejvýše 365
// záznamů !" first; print and PDF take them all.

#include <optional>

namespace orv {

class CRtfAssembly;
class CSortedKeyList;
class CTedDoc;
class IUiServices;

// The full-text dialog's exportArea; the note search dialog exports Days.
enum class ERtfResultArea {
  Days = 0,             // heading, note (when there is one), commentary
  DayCommentaries = 1,  // "pouze výklady dní": days without a commentary are left out
  Months = 2,           // the months result list: heading and month commentary
};

// The number of entries written; nullopt when a key has no record ("Chyba konzistence" was shown).
// Keys are DayKeys, for Months MonthKeys.
std::optional<int> AssembleResultExport(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                        CRtfAssembly& out, IUiServices& ui, bool limited = true);

}  // namespace orv
