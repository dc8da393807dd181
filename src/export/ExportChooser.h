#pragma once
// The file chooser of every export: a save chooser with the export's title and filter, proposing the
// calendar's name with the export's extension in the calendar's folder ("Nepojmenovaný" and the
// extension for a calendar never saved); a name typed without an extension gets the export's
// (".txt", ".rtf", ".pdf"). A name with a wildcard ("*.txt") is no file name: it is refused with a
// message and the chooser asked again. Nothing when the user cancels: the export then ends without a
// word.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

class CTedDoc;
class IUiServices;

std::string ProposedExportName(const CTedDoc& doc, std::string_view extension);

std::optional<std::string> ChooseExportFile(IUiServices& ui, std::string_view title, std::string_view filter,
                                            std::string_view extension, const CTedDoc& doc);

}  // namespace orv
