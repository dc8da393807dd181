#include "ui/CalendarPanesBinding.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTextDocument>

#include "editor/CommentaryEditor.h"
#include "ui/CalendarView.h"
#include "ui/QtText.h"
#include "ui/RichTextView.h"

namespace orv {

CCalendarPanesBinding::CCommentaryPane::CCommentaryPane(CRichTextView& view) : m_View(view) {
  // Edits of the text and its formats; the spelling underlines, which only tell the layout to draw
  // again, announce themselves as contentsChanged alone and so do not count.
  QObject::connect(view.Editor().Control().Document(), &QTextDocument::contentsChange, &view,
                   [this](int, int, int) {
                     if (!m_Loading) m_Edited = true;
                   });
}

CCommentaryText CCalendarPanesBinding::CCommentaryPane::Store() const {
  if (m_Refused) return {{}, {}, /*kept=*/true};
  if (m_Edited || m_LoadedRtf.empty()) return m_View.Editor().StoreCommentary();
  CCommentaryText commentary{m_LoadedRtf, m_View.Editor().Control().GetText()};
  if (commentary.text.empty()) commentary.rtf.clear();
  return commentary;
}

void CCalendarPanesBinding::CCommentaryPane::Load(std::string_view rtf) {
  // The commentary shown, untouched since its load (the month's, on a move within the month): read
  // again it would be the same document, so only the caret goes back to the start.
  if (!m_Edited && !m_Refused && !m_LoadedRtf.empty() && rtf == m_LoadedRtf) {
    m_View.Editor().Control().ResetCaret();
    m_View.Editor().ShowSelection();
  } else {
    m_Loading = true;
    m_Refused = !m_View.Editor().StreamInFromText(rtf);
    m_Loading = false;
    m_LoadedRtf = m_Refused ? std::string() : std::string(rtf);
    m_Edited = false;
    ApplyReadOnly();
  }
  // Shown from its start, the document's margin included: the layout of the new text may come after
  // the caret was brought into view.
  m_View.verticalScrollBar()->setValue(0);
  m_View.horizontalScrollBar()->setValue(0);
}

void CCalendarPanesBinding::CCommentaryPane::SetReadOnly(bool viewOnly) {
  m_ViewOnly = viewOnly;
  ApplyReadOnly();
}

// An editor left empty by a refused commentary takes no typing, which would replace the stored one.
void CCalendarPanesBinding::CCommentaryPane::ApplyReadOnly() {
  m_View.setReadOnly(m_ViewOnly || m_Refused);
}

CCalendarPanesBinding::CCalendarPanesBinding(CTedView& view, CRichTextView& monthEditor,
                                             CRichTextView& dayEditor)
    : m_View(view), m_Month(monthEditor), m_Day(dayEditor), m_SystemPalette(dayEditor.palette()) {}

std::string CCalendarPanesBinding::GetNote() const {
  return ToCp1250(m_View.NoteField()->text());
}

void CCalendarPanesBinding::SetNote(std::string_view note) {
  m_View.SetNote(FromCp1250(note));
}

bool CCalendarPanesBinding::IsNoteBeingEdited() const {
  return m_View.IsNoteBeingEdited();
}

bool CCalendarPanesBinding::SetReadOnly(bool readOnly) {
  m_View.NoteField()->setReadOnly(readOnly);
  m_Month.SetReadOnly(readOnly);
  m_Day.SetReadOnly(readOnly);
  return true;
}

void CCalendarPanesBinding::SetCommentaryBackground(std::optional<uint32_t> colour) {
  QPalette palette = m_SystemPalette;
  if (colour)
    palette.setColor(QPalette::Base,
                     QColor(static_cast<int>(*colour & 0xFF), static_cast<int>((*colour >> 8) & 0xFF),
                            static_cast<int>((*colour >> 16) & 0xFF)));
  m_Month.View().setPalette(palette);
  m_Day.View().setPalette(palette);
}

}  // namespace orv
