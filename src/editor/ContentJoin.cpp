#include "editor/ContentJoin.h"

#include "core/Cp1250.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

// The editor's plain text of the content: "\r" between paragraphs, "\v" for a line break, an object
// as a space, Windows-1250 with "?" for what it lacks, one byte per position.
std::string PlainText(const RichContent& content) {
  std::string text;
  for (std::size_t i = 0; i < content.paragraphs.size(); ++i) {
    if (i > 0) text.push_back('\r');
    for (const RichRun& run : content.paragraphs[i].runs)
      for (const char16_t unit : run.text)
        text.push_back(unit == kLineBreak ? '\v'
                       : unit == 0xFFFC   ? ' '
                                          : static_cast<char>(UnicodeToCp1250(unit)));
  }
  return text;
}

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
  joined.m_Text = PlainText(content);
}

}  // namespace orv
