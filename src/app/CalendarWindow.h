#pragma once
// CCalendarWindow: the main window bound to the open calendar. It builds the frame with the calendar
// view and the two commentary panes, the view model over the document and the file commands, and
// gives the frame a handler for every command of the calendar: navigation, display switches,
// view-only mode, going to a date and the moves of the focus between the panes. Whether a move is
// possible where the calendar stands comes from the view model, through the frame's state.
//
//   CCalendarWindow window(doc, ui, recent, programDir, askSave);
//   doc.OnOpenDocument(path);  window.Start();  window.Frame().show();
//
// New and opened calendars start again by themselves; every save first stores the texts of the
// selected day and the displayed month.

#include <QString>
#include <functional>
#include <memory>

#include "app/DocumentCommands.h"
#include "core/CalendarDates.h"
#include "view/CalendarCommands.h"

namespace orv {

class CCalendarPanesBinding;
class CCalendarViewModel;
class CMainFrame;
class CRecentFileList;
class CTedDoc;
class CTedView;
class IUiServices;
struct SFrameState;

class CCalendarWindow {
 public:
  CCalendarWindow(CTedDoc& doc, IUiServices& ui, CRecentFileList& recent, const QString& programDir,
                  AskSave askSave, std::function<Date()> today = Today);
  ~CCalendarWindow();
  CCalendarWindow(const CCalendarWindow&) = delete;
  CCalendarWindow& operator=(const CCalendarWindow&) = delete;

  CMainFrame& Frame() const { return *m_Frame; }
  CTedView& View() const { return *m_View; }
  CCalendarViewModel& Model() const { return *m_Model; }
  CDocumentCommands& Commands() { return m_Commands; }

  // Shows the calendar the document holds now: today's month, the month table focused, writable,
  // every switch on, not modified.
  void Start();

 private:
  void AddCalendarHandlers();
  void AddFocusHandlers();
  void Navigate(ECalendarCommand command, bool focusTable);
  void GoTo();
  void ToggleViewOnly();
  // The note field holds the focus of a writable calendar: moves are refused.
  bool NoteHeld() const;
  void DescribeView(SFrameState& state) const;
  void ShowDocumentState();

  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CRecentFileList& m_Recent;
  std::unique_ptr<CMainFrame> m_Frame;
  CTedView* m_View = nullptr;
  std::unique_ptr<CCalendarPanesBinding> m_Panes;
  std::unique_ptr<CCalendarViewModel> m_Model;
  CDocumentCommands m_Commands;
};

}  // namespace orv
