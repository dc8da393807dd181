#pragma once
// The formats imported text takes in a calendar: its own paragraph styles with their character
// styles, so that the editor and the style commands see imported paragraphs as styled ones. Body text
// is "Normal2" (in "Standard2"), headings "Hlavička1" and "Hlavička2"; list items and quotes are body
// paragraphs with bullets, numbers or an indent. A calendar lacking a predefined style gets the
// factory one.
//
//   CCommentaryFormats formats(doc);
//   RichParagraph p = formats.Paragraph(EBlock::Heading1);
//   p.runs.push_back({formats.Run(EBlock::Heading1, CFE_ITALIC), u"text"});

#include <cstdint>

#include "richtext/RichContent.h"

namespace orv {

struct CCalendarContent;

enum class EBlock { Body, Heading1, Heading2, Bullet, Numbered, Quote };

class CCommentaryFormats {
 public:
  explicit CCommentaryFormats(const CCalendarContent& calendar);

  // An empty paragraph of the kind: its format and the format of its mark. A numbered one counts
  // from `number`.
  RichParagraph Paragraph(EBlock kind, int number = 1) const;
  // The format of text in a paragraph of the kind with these effects (CFE_BOLD ...) added.
  RunFormat Run(EBlock kind, uint32_t effects) const;

  // The paragraph formats of the two heading styles, for telling headings in a commentary apart.
  const ParaFormat& HeadingFormat(int level) const { return level <= 1 ? m_Heading1 : m_Heading2; }

 private:
  ParaFormat m_Body, m_Heading1, m_Heading2;
  RunFormat m_BodyRun, m_Heading1Run, m_Heading2Run;
};

// The indent of a quoted paragraph and of the text after a bullet or number, in twips.
inline constexpr int32_t kQuoteIndent = 567;
inline constexpr int32_t kListIndent = 360;

}  // namespace orv
