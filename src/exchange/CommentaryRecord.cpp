#include "exchange/CommentaryRecord.h"

#include "core/Cp1250.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

// What the document would change on the way in: characters it treats apart and runs it would join.
bool ControlWouldChange(const RichContent& content) {
  for (const RichParagraph& paragraph : content.paragraphs) {
    const RunFormat* previous = nullptr;
    for (const RichRun& run : paragraph.runs) {
      if (run.text.empty() || (previous && *previous == run.format)) return true;
      for (const char16_t c : run.text)
        if ((c < 0x20 && c != u'\t') || c == 0x2029 || c == 0xFFFC) return true;
      previous = &run.format;
    }
  }
  return false;
}

}  // namespace

bool CCommentaryRecord::Store(const RichContent& content, CEntrTxt& record) {
  std::string text = PlainTextOf(content);
  if (ControlWouldChange(content) || text.size() > CRichEditCtrl::kMaxStreamIn)
    return StoreThroughControl(content, record);
  // An empty commentary is stored as nothing at all, as the editor stores one.
  record.m_Rtf = text.empty() ? std::string() : WriteRtf(content);
  record.m_Text = std::move(text);
  return true;
}

bool CCommentaryRecord::StoreThroughControl(const RichContent& content, CEntrTxt& record) {
  if (!m_Control.StreamIn(WriteRtf(content))) return false;
  record.m_Text = m_Control.GetText();
  record.m_Rtf = record.m_Text.empty() ? std::string() : m_Control.StreamOut();
  return true;
}

}  // namespace orv
