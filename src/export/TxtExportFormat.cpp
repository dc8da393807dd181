#include "export/TxtExportFormat.h"

#include "core/Cp1250.h"

namespace orv {

std::string TxtExportLine(std::string_view dayKey, std::string_view separator, std::string_view note,
                          std::string_view lineEnd) {
  std::string line;
  line.reserve(dayKey.size() + separator.size() + note.size() + 8);
  if (dayKey.size() >= 5) {
    line += dayKey.substr(dayKey.size() - 2);
    line += '.';
    line += dayKey.substr(dayKey.size() - 5, 2);
    line += '.';
    line += dayKey.substr(0, 4);
  }
  line += ' ';
  line += separator;
  line += ' ';
  line += note;
  line += lineEnd;
  return line;
}

std::string TxtExportCountText(int dayCount) {
  return "\r\n---  Počet exportovaných dnů = " + std::to_string(dayCount) + "  ---\r\n\r\n";
}

std::string TxtExportFile(std::string_view utf8Path, int dayCount, std::string_view lines) {
  std::string file = "\r\n---  " + Cp1250FromUtf8(utf8Path) + "  ---\r\n";
  file += Cp1250FromUtf8(TxtExportCountText(dayCount));
  file += lines;
  return file;
}

}  // namespace orv
