#pragma once
// The search commands of the main window, the full-text search window (Alt+L) and the search in
// short notes (Ctrl+L), and the text export of notes they share with the calendar (Ctrl+E). They refuse while
// the day's note is being edited, store the selected day before searching, keep the last result and
// the window's settings for the next opening, and move the calendar to the day chosen on OK.

#include <functional>

#include "search/FulltextDialog.h"
#include "search/FulltextSearch.h"

namespace orv {

class CCalendarViewModel;
class CMainFrame;
class CTedView;

class CSearchCommands {
 public:
  CSearchCommands(CTedDoc& doc, IUiServices& ui, CMainFrame& frame, CCalendarViewModel& model, CTedView& view,
                  std::function<bool()> noteHeld);
  // A new or opened calendar: the last result belonged to the one before.
  void Reset() { m_Fulltext = CFulltextSearch(); }

 private:
  bool RefuseWhileNoteHeld();
  void MoveTo(const std::optional<Date>& date);
  void FullTextSearch();
  void NoteSearch();
  void ExportTxt();

  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CMainFrame& m_Frame;
  CCalendarViewModel& m_Model;
  CTedView& m_View;
  std::function<bool()> m_NoteHeld;
  CFulltextSearch m_Fulltext;
  FulltextSettings m_FulltextSettings;
};

}  // namespace orv
