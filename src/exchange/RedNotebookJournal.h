#pragma once
// Reading a RedNotebook journal folder: its month files "YYYY-MM.txt", YAML that maps each day number
// to the day's "text" and its categories (a category maps its entries to nothing). Other files are
// skipped and counted. The whole folder is read before anything is used: a damaged month file (not
// YAML, not a map of days, a day that is no date) ends the reading with a message naming the file.
//
//   CImportedDays days;
//   const std::string failure = ReadRedNotebookJournal(folder, formats, days, progress);

#include <functional>
#include <string>

namespace orv {

class CCommentaryFormats;
class CImportedDays;

// Told the files read of all, now and then.
using ReadProgress = std::function<void(int done, int total)>;

// Empty when the folder was read whole into `days`, else the reason in Czech (UTF-8).
std::string ReadRedNotebookJournal(const std::string& folder, const CCommentaryFormats& formats,
                                   CImportedDays& days, const ReadProgress& progress = {});

}  // namespace orv
