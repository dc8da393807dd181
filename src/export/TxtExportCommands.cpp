#include "export/TxtExportCommands.h"

#include <filesystem>

#include "core/UiServices.h"

namespace orv {

std::optional<std::string> ChooseTxtExportFile(IUiServices& ui) {
  std::optional<std::string> path = ui.ChooseFileToSave("Exportovat do souboru txt", "(*.txt)", "*.txt");
  if (path && !std::filesystem::path(*path).has_extension()) *path += ".txt";
  return path;
}

void OnExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                       IUiServices& ui) {
  if (!CanExportResultTxt(doc, dayKeys, source, ui)) return;
  if (const std::optional<std::string> path = ChooseTxtExportFile(ui))
    ExportResultTxt(doc, dayKeys, source, *path, ui);
}

}  // namespace orv
