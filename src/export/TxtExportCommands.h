#pragma once
// The text exports as the windows start them: the checks, the file chooser ("Exportovat do souboru
// txt", a name without an extension gets ".txt"), then the export. Cancelling the chooser ends the
// export without a word.

#include <optional>
#include <string>

#include "export/TxtExport.h"

namespace orv {

// The chooser of the export file; nothing when cancelled.
std::optional<std::string> ChooseTxtExportFile(IUiServices& ui);

// "Export poznámek do txt" of a search window: the notes of the result's days.
void OnExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                       IUiServices& ui);

}  // namespace orv
