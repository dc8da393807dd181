#pragma once
// One undo step of a commentary editor: every change made to the control's document while the object
// lives is undone (and redone) together. Steps nest; the outermost one counts.

#include <QTextCursor>

#include "richtext/RichEditCtrl.h"

namespace orv {

class CUndoStep {
 public:
  explicit CUndoStep(CRichEditCtrl& ctrl) : m_Cursor(ctrl.Document()) { m_Cursor.beginEditBlock(); }
  ~CUndoStep() { m_Cursor.endEditBlock(); }
  CUndoStep(const CUndoStep&) = delete;
  CUndoStep& operator=(const CUndoStep&) = delete;

 private:
  QTextCursor m_Cursor;
};

}  // namespace orv
