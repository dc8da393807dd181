#pragma once
// The text of a day in a RedNotebook journal as a commentary and a note. Every line is a paragraph:
// "= heading =" (one "=" a side: the first heading style, more: the second), "- item" a bulleted
// paragraph, "+ item" a numbered one; inside a line **bold**, //italic//, __underline__ and
// --strike-- (a marker opens only before a non-space and closes only after one), "[text url]" and
// "[""file"".jpg]" links become their text, bare addresses and #tags stay as written. The day's
// categories follow, a paragraph each: "Name: entry, entry".
//
//   RedNotebookCommentary(u"**Výlet** na //Sněžku//", {}, formats)    one paragraph, three runs
//   RedNotebookNote(u"= Výlet =\n...")                                "Výlet"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "richtext/RichContent.h"

namespace orv {

class CCommentaryFormats;

struct SCategory {
  std::u16string name;
  std::vector<std::u16string> entries;
};

RichContent RedNotebookCommentary(std::u16string_view text, const std::vector<SCategory>& categories,
                                  const CCommentaryFormats& formats);

// The first line with text, without its markup, as an imported note (ImportedNote, CutNote).
std::string RedNotebookNote(std::u16string_view text);

}  // namespace orv
