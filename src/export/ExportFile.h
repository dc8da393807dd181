#pragma once
// Writing an export's finished bytes, shared by the plain-text and the RTF exports. An export never
// replaces the calendar it comes from, nor a read-only file unasked, and a failure says its cause.

#include <string>
#include <string_view>

namespace orv {

class CTedDoc;
class IUiServices;

// Writes finished export bytes; false (and the reason said) when the file could not be written, when
// it is the calendar's own file, or when it is read-only and the user does not agree to replace it.
// `syncEach` false: the caller flushes the file system once after many files (SWriteOptions).
bool WriteExportFile(const CTedDoc& doc, const std::string& path, std::string_view bytes, IUiServices& ui,
                     bool syncEach = true);
// The path as the count messages name it: absolute, UTF-8.
std::string ExportFullPath(const std::string& path);

}  // namespace orv
