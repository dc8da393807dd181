#include "editor/ContentJoin.h"

#include "core/Cp1250.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

// The paragraph the editor starts after `last` on Enter at its end: its format, and the character
// format at that end as its mark.
RichParagraph NewParagraphAfter(const RichParagraph& last) {
  RichParagraph next;
  next.format = last.format;
  next.mark = last.runs.empty() ? last.mark : last.runs.back().format;
  return next;
}

}  // namespace

bool CContentJoin::CanJoin(const CEntrTxt& target, const CEntrTxt& source) {
  return CRichEditCtrl::Fits({target.m_Rtf, source.m_Rtf});
}

void CContentJoin::Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) {
  if (target.m_Text.empty()) {
    joined.m_Rtf = source.m_Rtf;
    joined.m_Text = source.m_Text;
    return;
  }
  RichContent content = ReadRtf(target.m_Rtf);
  if (content.paragraphs.empty()) {
    // RTF that holds nothing leaves the editor empty, in its own formats.
    RichParagraph empty;
    empty.mark = CRichEditCtrl::DefaultRunFormat();
    content.paragraphs.push_back(std::move(empty));
  }
  RichContent tail = ReadRtf(source.m_Rtf);
  if (tail.paragraphs.empty()) {
    content.paragraphs.push_back(NewParagraphAfter(content.paragraphs.back()));
  } else {
    for (RichParagraph& paragraph : tail.paragraphs) content.paragraphs.push_back(std::move(paragraph));
  }
  joined.m_Rtf = WriteRtf(content);
  joined.m_Text = PlainTextOf(content);
}

}  // namespace orv
