#include "export/RtfExport.h"

#include "core/UiServices.h"
#include "document/EncryptedCalendar.h"
#include "document/TedDoc.h"
#include "export/RtfAssembly.h"
#include "export/RtfExportTexts.h"
#include "richtext/RtfWriter.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

bool HasFileName(const CTedDoc& doc, std::string_view refusal, IUiServices& ui) {
  if (!doc.GetPathName().empty()) return true;
  ui.MessageBox(refusal);
  return false;
}

}  // namespace

bool CanExportRtf(const CTedDoc& doc, IUiServices& ui) {
  if (!HasFileName(doc, "Soubor nemá jméno, nejprve je nutno jej Uložit jako.", ui)) return false;
  if (!ConfirmPlainExport(doc, ui)) return false;
  if (doc.m_DataTxt.empty() && doc.m_DataMesice.empty()) {
    ui.MessageBox("Kalendář je prázdný");
    return false;
  }
  return true;
}

RtfExportStatus ExportRtf(const CTedDoc& doc, const std::string& path, const SRtfExportChoice& choice,
                          std::string_view baseFace, IUiServices& ui, const ExportProgress& progress) {
  // The calendar is walked twice, for the RTF's font and colour tables and then for its text, and
  // its paragraphs are written as they come: an export of two hundred years is never whole in memory
  // as paragraphs. The progress runs through both walks as one.
  SExportWalk walk;
  int pass = 0;
  const ExportProgress bothWalks = [&](int done, int total) {
    return !progress || progress(done + (pass - 1) * total, 2 * total);
  };
  std::string rtf;
  {
    CWaitCursor wait(ui);
    rtf = WriteRtf([&](const RichParagraphVisitor& visit) {
      ++pass;
      if (walk.cancelled) return;
      CRtfAssembly out(baseFace, visit);
      walk = AssembleCalendarExport(doc, choice, out, bothWalks);
    });
  }
  if (walk.cancelled) return RtfExportStatus::Cancelled;
  if (!WriteExportFile(doc, path, rtf, ui)) return RtfExportStatus::Failed;
  ui.MessageBox(CalendarExportCountText(walk.items, ExportFullPath(path)), MessageIcon::Information);
  return RtfExportStatus::Written;
}

bool CanExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, RtfResultSource source,
                        IUiServices& ui) {
  const std::string_view refusal = source == RtfResultSource::Fulltext
                                       ? "Soubor nemá jméno, nejprve je nutno jej uložit."
                                       : "Soubor nemá jméno, nejprve je nutno jej Uložit jako.";
  if (!HasFileName(doc, refusal, ui)) return false;
  if (!ConfirmPlainExport(doc, ui)) return false;
  if (keys.IsEmpty()) {
    ui.MessageBox("Výběr je prázdný");
    return false;
  }
  return true;
}

RtfExportStatus ExportResultRtf(const CTedDoc& doc, const CSortedKeyList& keys, ERtfResultArea area,
                                const std::string& path, std::string_view baseFace, IUiServices& ui) {
  CRtfAssembly out(baseFace);
  std::optional<int> written;
  {
    CWaitCursor wait(ui);
    written = AssembleResultExport(doc, keys, area, out, ui);
  }
  if (!written || !WriteExportFile(doc, path, out.Rtf(), ui)) return RtfExportStatus::Failed;
  ui.MessageBox(ResultExportCountText(*written, ExportFullPath(path)), MessageIcon::Information);
  return RtfExportStatus::Written;
}

}  // namespace orv
