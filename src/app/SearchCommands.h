#pragma once
// The search commands of the main window, the full-text search window (Alt+L) and the search in
// short notes (Ctrl+L), the text export of notes they share with the calendar (Ctrl+E), and find and
// replace in the focused commentary (Ctrl+F, F3, Ctrl+R). They refuse while
// the day's note is being edited, store the selected day before searching, keep the last result and
// the window's settings for the next opening, and move the calendar to the day chosen on OK.

#include <array>
#include <functional>
#include <map>

#include "editor/FindReplace.h"
#include "search/FulltextDialog.h"
#include "search/FulltextSearch.h"

namespace orv {

class CCalendarViewModel;
class CMainFrame;
class CRichTextView;
class CTedView;

class CSearchCommands {
 public:
  // `editors`: the month and the day commentary editor.
  CSearchCommands(CTedDoc& doc, IUiServices& ui, CMainFrame& frame, CCalendarViewModel& model, CTedView& view,
                  std::array<CRichTextView*, 2> editors, std::function<bool()> noteHeld);
  // A new or opened calendar: the last result belonged to the one before.
  void Reset() { m_Fulltext = CFulltextSearch(); }

 private:
  bool RefuseWhileNoteHeld();
  void MoveTo(const std::optional<Date>& date);
  void FullTextSearch();
  void NoteSearch();
  void ExportTxt();
  // "Najít" and "Zaměnit" open their dialog for the focused commentary editor; "Najít další" finds
  // what that editor's dialogs last looked for.
  void FindOrReplace(bool replacing);
  void FindNextAgain();
  CRichTextView* FocusedEditor() const;

  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CMainFrame& m_Frame;
  CCalendarViewModel& m_Model;
  CTedView& m_View;
  std::array<CRichTextView*, 2> m_Editors;
  std::function<bool()> m_NoteHeld;
  CFulltextSearch m_Fulltext;
  FulltextSettings m_FulltextSettings;
  std::map<const CRichTextView*, FindSettings> m_Find;  // per editor, kept between its dialogs
};

}  // namespace orv
