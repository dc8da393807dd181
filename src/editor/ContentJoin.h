#pragma once
// Joins two commentaries as CCommentaryJoin does, without a document: the paragraphs the source's
// RTF holds follow those of the target's, each with its own paragraph format, mark and runs, and the
// whole is written in the control's own dialect. That is what the control holds after its join, so
// both give the same bytes; this one needs no Qt and costs a reading and a writing of the two.
//
//   CContentJoin joiner;  joiner.Join(target, source, joined);   joined.m_Rtf, joined.m_Text

#include "document/merge/AppendCalendar.h"

namespace orv {

class CContentJoin : public ICommentaryJoin {
 public:
  // A target without text gives the source's commentary as it is.
  void Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) override;
  // Both commentaries must fit the editor together, as the joined one must.
  bool CanJoin(const CEntrTxt& target, const CEntrTxt& source) override;
};

}  // namespace orv
