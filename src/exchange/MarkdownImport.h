#pragma once
// Markdown daily notes as days of a calendar. A file is CommonMark (read by md4c) with an optional
// YAML front matter whose "note:" becomes the day's note; emphasis, strong emphasis, <u>underline</u>,
// ~~strike~~, headings (level 1 the first heading style, deeper the second), bulleted and numbered
// lists, block quotes, code, links and [[wiki links]] (as their text) become formatting; a first
// heading that only repeats the date is left out. Each paragraph, list item and line of code is one
// paragraph of the commentary; a line that only holds "<br>" is an empty paragraph.
//
// A folder holds the days as "YYYY-MM-DD.md", "YYYY_MM_DD.md" or "YYYY-MM-DD.txt", and month
// commentaries as "YYYY-MM.md", in any subfolder; other files are skipped and counted.
//
//   std::string failure;
//   const auto day = ReadMarkdownDay(bytes, {2024, 3, 1}, formats, failure);
//   ReadMarkdownFolder(folder, formats, days, progress);      empty, or why the import is refused

#include <optional>
#include <string>
#include <string_view>

#include "core/CalendarDates.h"
#include "exchange/RedNotebookJournal.h"
#include "richtext/RichContent.h"

namespace orv {

class CCommentaryFormats;
class CImportedDays;

struct SMarkdownDay {
  std::string note;  // Windows-1250
  RichContent commentary;
};

// nullopt when the bytes are not UTF-8 or the front matter is not YAML; `failure` then says why.
std::optional<SMarkdownDay> ReadMarkdownDay(std::string_view bytes, const Date& date,
                                            const CCommentaryFormats& formats, std::string& failure);

// Empty when the folder was read whole into `days`, else the reason in Czech (UTF-8).
std::string ReadMarkdownFolder(const std::string& folder, const CCommentaryFormats& formats,
                               CImportedDays& days, const ReadProgress& progress = {});

}  // namespace orv
