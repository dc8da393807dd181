#pragma once
// Formatted text stored as the editor stores a commentary: it goes through the rich edit control, and
// the record gets the RTF the control writes and the control's plain text (Windows-1250, "?" for
// what the code page lacks, while the RTF keeps every character). One hidden control serves a whole
// import.
//
//   CCommentaryRecord writer;  writer.Store(content, record);   record.m_Rtf, record.m_Text

#include <string>

#include "document/EntrTxt.h"
#include "richtext/RichContent.h"
#include "richtext/RichEditCtrl.h"

namespace orv {

class CCommentaryRecord {
 public:
  // False when the content is too large for a commentary; the record is then unchanged.
  bool Store(const RichContent& content, CEntrTxt& record);

 private:
  CRichEditCtrl m_Control;
};

}  // namespace orv
