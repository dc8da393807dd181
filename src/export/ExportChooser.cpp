#include "export/ExportChooser.h"

#include <filesystem>

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

std::string ProposedExportName(const CTedDoc& doc, std::string_view extension) {
  if (doc.GetPathName().empty()) return doc.GetTitle() + std::string(extension);
  return std::filesystem::path(doc.GetPathName()).replace_extension(extension).string();
}

std::optional<std::string> ChooseExportFile(IUiServices& ui, std::string_view title, std::string_view filter,
                                            std::string_view extension, const CTedDoc& doc) {
  const std::string proposed = ProposedExportName(doc, extension);
  for (;;) {
    std::optional<std::string> path = ui.ChooseFileToSave(title, filter, proposed);
    if (!path) return std::nullopt;
    const std::filesystem::path name = std::filesystem::path(*path).filename();
    if (name.string().find_first_of("*?") != std::string::npos) {
      ui.MessageDialog("Název souboru nesmí obsahovat znaky * a ?");
      continue;
    }
    if (!name.has_extension()) *path += extension;
    return path;
  }
}

}  // namespace orv
