#pragma once
// The text exports as the windows start them: the checks, the file chooser ("Exportovat do souboru
// txt", a name without an extension gets ".txt"), then the export. Cancelling the chooser ends the
// export without a word.

#include <functional>
#include <optional>
#include <string>

#include "export/TxtExport.h"

namespace orv {

// What the period dialog "Export poznámek" holds: "Celý kalendář" or "Rozsah" with its two dates,
// "Prokládat prázdným řádkem" and "Oddělovací znak:" (Windows-1250).
struct TxtExportChoice {
  bool wholeCalendar = true;
  TxtExportPeriod range;  // the pickers; changing either selects "Rozsah"
  bool blankLines = false;
  std::string separator = ":";
};

// The period of the choice on OK; nothing, with the period message, when the range runs backwards
// (the dialog then stays open).
std::optional<TxtExportPeriod> ChosenPeriod(const TxtExportChoice& choice, IUiServices& ui);

// The chooser of the export file; nothing when cancelled.
std::optional<std::string> ChooseTxtExportFile(const CTedDoc& doc, IUiServices& ui);

// "Export do txt" of the calendar: the checks, the file, then the period dialog (askPeriod answers
// the choice on OK, nothing on Storno), then the export.
void OnExportNotesTxt(const CTedDoc& doc, IUiServices& ui,
                      const std::function<std::optional<TxtExportChoice>()>& askPeriod);

// "Export poznámek do txt" of a search window: the notes of the result's days.
void OnExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                       IUiServices& ui);

}  // namespace orv
