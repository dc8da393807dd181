#pragma once
// The layout of a plain-text export file, the same for the calendar export and both result exports:
//
//   "\r\n---  <full path of the file>  ---\r\n"
//   "\r\n---  Počet exportovaných dnů = <n>  ---\r\n\r\n"
//   one line per day in date order: "05.03.2004 : Návštěva\r\n"  (date, separator, note, line end)
//
// Everything is Windows-1250 bytes with CR LF, no byte-order mark; notes are written as stored.

#include <string>
#include <string_view>

namespace orv {

inline constexpr std::string_view kTxtLineEnd = "\r\n";
inline constexpr std::string_view kTxtLineEndBlank = "\r\n\r\n";  // "Prokládat prázdným řádkem"

// "DD.MM.YYYY <separator> <note><line end>", the date taken as text from the DayKey.
std::string TxtExportLine(std::string_view dayKey, std::string_view separator, std::string_view note,
                          std::string_view lineEnd);
// The second header part, in UTF-8: the file holds it and the count message shows it.
std::string TxtExportCountText(int dayCount);
// The whole file: both header parts in front of the day lines. The path is UTF-8, as the file
// system names it; the file holds it in Windows-1250.
std::string TxtExportFile(std::string_view utf8Path, int dayCount, std::string_view lines);

}  // namespace orv
