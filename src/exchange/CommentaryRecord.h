#pragma once
// Formatted text stored as the editor stores a commentary: the RTF the control's writer produces and
// the control's plain text (Windows-1250, "?" for what the code page lacks, while the RTF keeps every
// character). Content the control would take as it is (no control characters, no two neighbouring
// runs in one format) is written directly, which gives the same bytes as a way through the control at
// a fraction of the cost; anything else goes through the rich edit control.
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
  bool StoreThroughControl(const RichContent& content, CEntrTxt& record);

  CRichEditCtrl m_Control;
};

}  // namespace orv
