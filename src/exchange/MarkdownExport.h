#pragma once
// A calendar written out as Markdown daily notes: FOLDER/YYYY/YYYY-MM-DD.md for every day with a
// record (a YAML front matter with the note, then the commentary) and FOLDER/YYYY/YYYY-MM.md for
// every month commentary. Commentaries become CommonMark: bold **, italic *, underline <u>,
// strikeout ~~, the two heading styles # and ##, bullets "- ", numbers "1. ", indented paragraphs
// "> "; an empty paragraph is a line "<br>" and a line break "\" at the line's end; characters
// Markdown would read as markup are escaped. Reading the files back (MarkdownImport.h) gives the
// same texts and the same bold, italic, underline and strikeout.
//
//   CommentaryMarkdown(ReadRtf(record.m_Rtf), formats)
//   const SMarkdownExport done = ExportMarkdown(doc, folder, from, to, ui, progress);

#include <functional>
#include <string>

#include "core/CalendarDates.h"
#include "richtext/RichContent.h"

namespace orv {

class CCommentaryFormats;
class CTedDoc;
class IUiServices;
struct CEntrTxt;

std::string CommentaryMarkdown(const RichContent& content, const CCommentaryFormats& formats);
// A day's file: the note as front matter (when there is one) and the commentary.
std::string DayMarkdown(const CEntrTxt& record, const CCommentaryFormats& formats);
// The commentary of a record, from its RTF or, where it has none, its plain text.
RichContent RecordContent(const CEntrTxt& record);

struct SMarkdownExport {
  bool completed = false;  // false when a file could not be written (the user was told)
  int written = 0;         // files new or replaced
  int unchanged = 0;       // files that already held the same
  int kept = 0;            // files that differed and the user chose to keep
};

// "Export do Markdownu je hotov. Zapsaných souborů: 3, beze změny: 1, ponechaných: 0." (UTF-8)
std::string MarkdownExportText(const SMarkdownExport& result);

// Writes the days from `from` to `to` and the months they touch into `folder` (made if missing).
// Files already there are merged into one by one: a file with the same content is left alone, and
// before files with other content are replaced the user is asked once (No keeps them). Each file is
// written atomically.
using MarkdownExportProgress = std::function<void(int done, int total)>;
SMarkdownExport ExportMarkdown(const CTedDoc& doc, const std::string& folder, const Date& from,
                               const Date& to, IUiServices& ui, const MarkdownExportProgress& progress = {});

}  // namespace orv
