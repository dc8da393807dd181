#include "ui/CalendarPanesBinding.h"

#include <QLineEdit>
#include <QTextDocument>
#include <QTextEdit>

#include "ui/CalendarView.h"
#include "ui/QtText.h"

namespace orv {

CCalendarPanesBinding::CCommentaryPane::CCommentaryPane(QTextEdit& editor, std::function<void()> onEdited)
    : m_Editor(editor) {
  m_Editor.setDocument(m_Ctrl.Document());
  QObject::connect(m_Ctrl.Document(), &QTextDocument::contentsChanged, &m_Editor,
                   [this, onEdited = std::move(onEdited)] {
                     if (!m_Loading && onEdited) onEdited();
                   });
}

CCommentaryText CCalendarPanesBinding::CCommentaryPane::Store() const {
  CCommentaryText commentary{{}, m_Ctrl.GetText()};
  if (!commentary.text.empty())
    commentary.rtf = m_Ctrl.GetModify() || m_LoadedRtf.empty() ? m_Ctrl.StreamOut() : m_LoadedRtf;
  return commentary;
}

void CCalendarPanesBinding::CCommentaryPane::Load(std::string_view rtf) {
  m_Loading = true;
  m_Ctrl.StreamIn(rtf);
  m_Loading = false;
  m_LoadedRtf = rtf;
  m_Editor.moveCursor(QTextCursor::Start);
}

CCalendarPanesBinding::CCalendarPanesBinding(CTedView& view, QTextEdit& monthEditor, QTextEdit& dayEditor,
                                             std::function<void()> onEdited)
    : m_View(view),
      m_Month(monthEditor, onEdited),
      m_Day(dayEditor, onEdited),
      m_SystemPalette(dayEditor.palette()) {}

std::string CCalendarPanesBinding::GetNote() const {
  return ToCp1250(m_View.NoteField()->text());
}

void CCalendarPanesBinding::SetNote(std::string_view note) {
  m_View.NoteField()->setText(FromCp1250(note));
  m_View.NoteField()->setCursorPosition(0);
}

bool CCalendarPanesBinding::IsNoteBeingEdited() const {
  return m_View.IsNoteBeingEdited();
}

bool CCalendarPanesBinding::SetReadOnly(bool readOnly) {
  m_View.NoteField()->setReadOnly(readOnly);
  m_Month.Editor().setReadOnly(readOnly);
  m_Day.Editor().setReadOnly(readOnly);
  return true;
}

void CCalendarPanesBinding::SetCommentaryBackground(std::optional<uint32_t> colour) {
  QPalette palette = m_SystemPalette;
  if (colour)
    palette.setColor(QPalette::Base,
                     QColor(static_cast<int>(*colour & 0xFF), static_cast<int>((*colour >> 8) & 0xFF),
                            static_cast<int>((*colour >> 16) & 0xFF)));
  m_Month.Editor().setPalette(palette);
  m_Day.Editor().setPalette(palette);
}

}  // namespace orv
