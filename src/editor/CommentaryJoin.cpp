#include "editor/CommentaryJoin.h"

#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"

namespace orv {

CCommentaryJoin::CCommentaryJoin() : m_Control(std::make_unique<CRichEditCtrl>()) {}

CCommentaryJoin::~CCommentaryJoin() = default;

bool CCommentaryJoin::CanJoin(const CEntrTxt& target, const CEntrTxt& source) {
  return CRichEditCtrl::Fits({target.m_Rtf, source.m_Rtf});
}

void CCommentaryJoin::Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) {
  if (target.m_Text.empty()) {
    joined.m_Rtf = source.m_Rtf;
    joined.m_Text = source.m_Text;
    return;
  }
  m_Control->StreamIn(target.m_Rtf);
  const int end = m_Control->GetTextLength();
  m_Control->SetSel(end, end);
  // A new paragraph in the format of the target's last one; the source's first paragraph then
  // brings its own format into it.
  m_Control->ReplaceSel("\r");
  m_Control->InsertAtCaret(ReadRtf(source.m_Rtf));
  joined.m_Rtf = m_Control->StreamOut();
  joined.m_Text = m_Control->GetText();
  m_Control->StreamIn({});
}

}  // namespace orv
