#include "app/SearchCommands.h"

#include <QApplication>

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "core/UiServices.h"
#include "editor/CommentaryEditor.h"
#include "ui/CalendarView.h"
#include "ui/FindReplaceDialog.h"
#include "ui/FulltextSearchDialog.h"
#include "ui/NoteSearchDialog.h"
#include "ui/RichTextView.h"
#include "ui/TxtExportDialog.h"
#include "view/CalendarCommands.h"
#include "view/CalendarViewModel.h"

namespace orv {

CSearchCommands::CSearchCommands(CTedDoc& doc, IUiServices& ui, CMainFrame& frame, CCalendarViewModel& model,
                                 CTedView& view, std::array<CRichTextView*, 2> editors,
                                 std::function<bool()> noteHeld)
    : m_Doc(doc),
      m_Ui(ui),
      m_Frame(frame),
      m_Model(model),
      m_View(view),
      m_Editors(editors),
      m_NoteHeld(std::move(noteHeld)),
      m_FulltextSettings(LoadFulltextSettings()) {
  frame.SetHandler(cmd::FullTextSearch, [this] { FullTextSearch(); });
  frame.SetHandler(cmd::NoteSearch, [this] { NoteSearch(); });
  frame.SetHandler(cmd::ExportTxt, [this] { ExportTxt(); });
  frame.SetHandler(cmd::EditFind, [this] { FindOrReplace(false); });
  frame.SetHandler(cmd::EditReplace, [this] { FindOrReplace(true); });
  frame.SetHandler(cmd::EditFindNext, [this] { FindNextAgain(); });
}

bool CSearchCommands::RefuseWhileNoteHeld() {
  if (!m_NoteHeld()) return false;
  m_Ui.MessageBox(kFinishNoteMessage);
  return true;
}

void CSearchCommands::MoveTo(const std::optional<Date>& date) {
  if (date && m_Model.GoToDate(*date)) m_View.FocusTable();
  m_View.Refresh();
}

void CSearchCommands::FullTextSearch() {
  if (RefuseWhileNoteHeld()) return;
  m_Model.CommitDay();  // the search reads what the editors show
  MoveTo(RunFulltextSearchDialog(&m_Frame, m_Doc, m_Fulltext, m_FulltextSettings, m_Frame.BaseFont(), m_Ui));
}

void CSearchCommands::NoteSearch() {
  if (RefuseWhileNoteHeld()) return;
  m_Model.CommitDay();
  MoveTo(RunNoteSearchDialog(&m_Frame, m_Doc, m_Frame.BaseFont(), m_Ui));
}

void CSearchCommands::ExportTxt() {
  if (RefuseWhileNoteHeld()) return;
  m_Model.CommitDay();  // the note of the selected day goes out as shown
  OnExportNotesTxt(m_Doc, m_Ui, [this] { return AskTxtExportChoice(&m_Frame, m_Ui); });
}

CRichTextView* CSearchCommands::FocusedEditor() const {
  QWidget* focus = QApplication::focusWidget();
  for (CRichTextView* editor : m_Editors)
    if (focus && (focus == editor || editor->isAncestorOf(focus))) return editor;
  return nullptr;
}

void CSearchCommands::FindOrReplace(bool replacing) {
  CRichTextView* view = FocusedEditor();
  if (!view) return;
  CFindReplaceDialog dialog(
      &m_Frame, replacing, m_Find[view], view->Editor(), [this] { m_Model.CommitDay(); },
      [view] { view->Editor().AfterEdit(); }, [view] { view->ShowFound(); });
  dialog.exec();
  view->setFocus(Qt::OtherFocusReason);
}

void CSearchCommands::FindNextAgain() {
  CRichTextView* view = FocusedEditor();
  if (!view) return;
  const FindSettings& find = m_Find[view];
  if (find.text.empty()) return FindOrReplace(false);
  if (FindNext(view->Editor().Control(), find, view->Editor().Ui())) view->ShowFound();
}

}  // namespace orv
