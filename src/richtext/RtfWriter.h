#pragma once
// Writes formatted paragraphs as RTF in the control's own dialect: 7-bit text, Windows-1250 as the
// document code page, a font table entry per face and character set, a colour table, paragraph
// words after \pard where the format changes and character words where it changes. Characters
// outside ASCII are \'hh in the code page of the run's character set, or \uN? where that code page
// lacks them. The same content always gives the same bytes, and ReadRtf gives the content back.
//
// The paragraphs come either as a RichContent or from a walk that hands them over one at a time
// (a document too large to copy whole); the walk is taken twice, first for the font and colour
// tables, then for the text. Time is linear in the content, fonts and colours included.

#include <functional>
#include <string>

#include "richtext/RichContent.h"

namespace orv {

using RichParagraphVisitor = std::function<void(const RichParagraph&)>;
// Calls the visitor once for every paragraph, in order.
using RichParagraphWalk = std::function<void(const RichParagraphVisitor&)>;

std::string WriteRtf(const RichContent& content);
std::string WriteRtf(const RichParagraphWalk& walk);

}  // namespace orv
