#pragma once
// The text of formatted content as UTF-8, for readable expectations: paragraphs joined by "\n",
// line breaks (U+2028) as "|".

#include <QString>
#include <string>

#include "richtext/RichContent.h"

namespace orv::test {

inline std::string Utf8Text(const RichContent& content) {
  std::u16string text;
  for (const RichParagraph& p : content.paragraphs) {
    if (&p != &content.paragraphs.front()) text += u'\n';
    for (const RichRun& r : p.runs) text += r.text;
  }
  for (char16_t& c : text)
    if (c == kLineBreak) c = u'|';
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

}  // namespace orv::test
