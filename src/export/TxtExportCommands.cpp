#include "export/TxtExportCommands.h"

#include "export/ExportChooser.h"

namespace orv {

std::optional<std::string> ChooseTxtExportFile(const CTedDoc& doc, IUiServices& ui) {
  return ChooseExportFile(ui, "Exportovat do souboru txt", "Text (*.txt)", ".txt", doc);
}

std::optional<TxtExportPeriod> ChosenPeriod(const TxtExportChoice& choice, IUiServices& ui) {
  if (choice.wholeCalendar) return TxtExportPeriod{};
  if (!CheckExportPeriod(choice.range, ui)) return std::nullopt;
  return choice.range;
}

void OnExportNotesTxt(const CTedDoc& doc, IUiServices& ui,
                      const std::function<std::optional<TxtExportChoice>()>& askPeriod) {
  if (!CanExportNotesTxt(doc, ui)) return;
  const std::optional<std::string> path = ChooseTxtExportFile(doc, ui);
  if (!path) return;
  const std::optional<TxtExportChoice> choice = askPeriod();
  if (!choice) return;
  const TxtExportPeriod period = choice->wholeCalendar ? TxtExportPeriod{} : choice->range;
  ExportNotesTxt(doc, *path, period, choice->separator, choice->blankLines, ui);
}

void OnExportResultTxt(const CTedDoc& doc, const CSortedKeyList& dayKeys, TxtResultSource source,
                       IUiServices& ui) {
  if (!CanExportResultTxt(doc, dayKeys, source, ui)) return;
  if (const std::optional<std::string> path = ChooseTxtExportFile(doc, ui))
    ExportResultTxt(doc, dayKeys, source, *path, ui);
}

}  // namespace orv
