#pragma once
// The file chooser of every export: a save chooser with the export's title and filter, starting at
// `initialName`; a name typed without an extension gets the export's (".txt", ".rtf", ".pdf").
// Nothing when the user cancels: the export then ends without a word.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

class IUiServices;

std::optional<std::string> ChooseExportFile(IUiServices& ui, std::string_view title, std::string_view filter,
                                            std::string_view extension, std::string_view initialName);

// The same starting at "*" and the extension ("*.rtf"), as the search windows' exports do.
std::optional<std::string> ChooseExportFile(IUiServices& ui, std::string_view title, std::string_view filter,
                                            std::string_view extension);

}  // namespace orv
