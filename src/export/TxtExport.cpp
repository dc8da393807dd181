#include "export/TxtExport.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "core/UiServices.h"
#include "document/EncryptedCalendar.h"
#include "document/TedDoc.h"
#include "export/ExportFile.h"
#include "export/TxtExportFormat.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

// The header names the file by its full path.
std::string FullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

// Writes the header and the lines in one piece; on success shows the count as the header says it.
TxtExportStatus WriteExport(const CTedDoc& doc, const std::string& path, int dayCount, std::string_view lines,
                            IUiServices& ui) {
  if (!WriteExportFile(doc, path, TxtExportFile(FullPath(path), dayCount, lines), ui))
    return TxtExportStatus::Failed;
  ui.MessageBox(TxtExportCountText(dayCount), MessageIcon::Information);
  return TxtExportStatus::Written;
}

// An export never overwrites the calendar it comes from.
bool IsTheCalendarFile(const CTedDoc& doc, const std::string& path, IUiServices& ui) {
  std::error_code error;
  if (doc.GetPathName().empty() || !std::filesystem::equivalent(path, doc.GetPathName(), error)) return false;
  ui.MessageBox("Export nelze zapsat do souboru otevřeného kalendáře.");
  return true;
}

bool HasFileName(const CTedDoc& doc, std::string_view refusal, IUiServices& ui) {
  if (!doc.GetPathName().empty()) return true;
  ui.MessageBox(refusal);
  return false;
}

}  // namespace

bool CheckExportPeriod(const TxtExportPeriod& period, IUiServices& ui) {
  if (DayKey(period.from) <= DayKey(period.to)) return true;
  ui.MessageBox("Spodní hranice období nesmí být větší než horní !");
  return false;
}

bool CanExportNotesTxt(const CTedDoc& doc, IUiServices& ui) {
  if (!HasFileName(doc, "Soubor nemá jméno, nejprve je nutno jej Uložit jako.", ui)) return false;
  if (!ConfirmPlainExport(doc, ui)) return false;
  if (doc.m_DataTxt.empty()) {
    ui.MessageBox("Kalendář je prázdný");
    return false;
  }
  return true;
}

TxtExportStatus ExportNotesTxt(const CTedDoc& doc, const std::string& path, const TxtExportPeriod& period,
                               std::string_view separator, bool blankLines, IUiServices& ui) {
  if (IsTheCalendarFile(doc, path, ui)) return TxtExportStatus::Failed;
  const std::string from = DayKey(period.from);
  const std::string to = DayKey(period.to);
  // The records are read one by one and not kept, in key order (which is date order): a calendar of
  // a million records would otherwise hold them all unscrambled.
  const std::string_view lineEnd = blankLines ? kTxtLineEndBlank : kTxtLineEnd;
  std::string lines;
  int days = 0;
  doc.m_DataTxt.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (record.m_Poznamka.empty() || key < from || key > to) return;
    lines += TxtExportLine(key, separator, record.m_Poznamka, lineEnd);
    ++days;
  });
  if (days == 0) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !WriteExportFile(doc, path, {}, ui))
      return TxtExportStatus::Failed;
    ui.MessageBox("V zadaném rozsahu krátké poznámky nejsou !");
    return TxtExportStatus::NothingToExport;
  }
  return WriteExport(doc, path, days, lines, ui);
}

bool CanExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                        IUiServices& ui) {
  const std::string_view refusal = source == TxtResultSource::Fulltext
                                       ? "Soubor nemá jméno, nejprve je nutno jej uložit."
                                       : "Soubor nemá jméno, nejprve je nutno jej Uložit jako.";
  if (!HasFileName(doc, refusal, ui)) return false;
  if (!ConfirmPlainExport(doc, ui)) return false;
  if (dayKeys.IsEmpty()) {
    ui.MessageBox("Výběr je prázdný");
    return false;
  }
  return true;
}

TxtExportStatus ExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                                const std::string& path, IUiServices& ui) {
  if (IsTheCalendarFile(doc, path, ui)) return TxtExportStatus::Failed;
  const std::string_view separator = source == TxtResultSource::Fulltext ? ":" : ";";
  std::string lines;
  int count = 0;
  CEntrTxt scratch;
  for (const std::string& key : dayKeys) {
    const CEntrTxt* record = doc.m_DataTxt.Peek(key, scratch);
    if (!record) {
      ui.MessageBox("Chyba konzistence v OnExportTxt výběru");
      return TxtExportStatus::Failed;
    }
    if (record->m_Poznamka.empty()) continue;
    lines += TxtExportLine(key, separator, record->m_Poznamka, kTxtLineEnd);
    ++count;
  }
  return WriteExport(doc, path, count, lines, ui);
}

}  // namespace orv
