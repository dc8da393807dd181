#pragma once
// Joins two commentaries in memory, through the rich text engine and never the clipboard or the
// editors on screen: the source commentary follows the target's on a new paragraph, and both keep
// their character and paragraph formats. One hidden control serves every join of an append.
//
//   CCommentaryJoin joiner;  joiner.Join(target, source, joined);   joined.m_Rtf, joined.m_Text

#include <memory>

#include "document/merge/AppendCalendar.h"

namespace orv {

class CRichEditCtrl;

class CCommentaryJoin : public ICommentaryJoin {
 public:
  CCommentaryJoin();
  ~CCommentaryJoin() override;

  // A target without text gives the source's commentary as it is.
  void Join(const CEntrTxt& target, const CEntrTxt& source, CEntrTxt& joined) override;
  // Both commentaries must fit the control together, as the joined one must fit the editor.
  bool CanJoin(const CEntrTxt& target, const CEntrTxt& source) override;

 private:
  std::unique_ptr<CRichEditCtrl> m_Control;
};

}  // namespace orv
