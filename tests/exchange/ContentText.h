#pragma once
// Formatted content written out for comparisons: a line per paragraph, its kind first ("H1 ", "H2 ",
// "- ", "1. ", "> ") and effects as tags around the text (<b>, <i>, <u>, <s>; the bold of a heading is
// its style's and not shown). A line break is "|".

#include <QString>
#include <string>

#include "editor/StyleFormats.h"
#include "exchange/CommentaryFormats.h"
#include "richtext/RichContent.h"

namespace orv::test {

inline std::string ContentText(const RichContent& content, const CCommentaryFormats& formats) {
  std::string out;
  for (const RichParagraph& p : content.paragraphs) {
    const bool h1 = p.format.numbering == 0 && IsSameParStyle(p.format, formats.HeadingFormat(1));
    const bool h2 = !h1 && p.format.numbering == 0 && IsSameParStyle(p.format, formats.HeadingFormat(2));
    if (!out.empty()) out += '\n';
    out += h1                                 ? "H1 "
           : h2                               ? "H2 "
           : p.format.numbering == PFN_BULLET ? "- "
           : p.format.numbering != 0          ? "1. "
           : p.format.startIndent > 0         ? "> "
                                              : "";
    for (const RichRun& run : p.runs) {
      std::string open, close;
      for (const auto& [effect, tag] :
           {std::pair{CFE_BOLD, "b"}, {CFE_ITALIC, "i"}, {CFE_UNDERLINE, "u"}, {CFE_STRIKEOUT, "s"}}) {
        if (!(run.format.effects & effect) || (effect == CFE_BOLD && (h1 || h2))) continue;
        open += std::string("<") + tag + ">";
        close = std::string("</") + tag + ">" + close;
      }
      std::u16string text = run.text;
      for (char16_t& c : text)
        if (c == kLineBreak) c = u'|';
      out += open + QString::fromStdU16String(text).toStdString() + close;
    }
  }
  return out;
}

}  // namespace orv::test
