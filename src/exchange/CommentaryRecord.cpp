#include "exchange/CommentaryRecord.h"

#include "richtext/RtfWriter.h"

namespace orv {

bool CCommentaryRecord::Store(const RichContent& content, CEntrTxt& record) {
  if (!m_Control.StreamIn(WriteRtf(content))) return false;
  record.m_Text = m_Control.GetText();
  // An empty commentary is stored as nothing at all, as the editor stores one.
  record.m_Rtf = record.m_Text.empty() ? std::string() : m_Control.StreamOut();
  return true;
}

}  // namespace orv
