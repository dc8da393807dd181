#include "export/ExportChooser.h"

#include <filesystem>

#include "core/UiServices.h"

namespace orv {

std::optional<std::string> ChooseExportFile(IUiServices& ui, std::string_view title, std::string_view filter,
                                            std::string_view extension, std::string_view initialName) {
  std::optional<std::string> path = ui.ChooseFileToSave(title, filter, initialName);
  if (path && !std::filesystem::path(*path).has_extension()) *path += extension;
  return path;
}

std::optional<std::string> ChooseExportFile(IUiServices& ui, std::string_view title, std::string_view filter,
                                            std::string_view extension) {
  return ChooseExportFile(ui, title, filter, extension, "*" + std::string(extension));
}

}  // namespace orv
