#pragma once
// CCalendarWindow: the main window bound to the open calendar. It builds the frame with the calendar
// view and the two commentary editors, the view model over the document and the file commands, and
// gives the frame a handler for every command of the calendar: navigation, display switches,
// view-only mode, going to a date and the moves of the focus between the panes. Whether a move is
// possible where the calendar stands comes from the view model, through the frame's state.
//
//   CCalendarWindow window(doc, ui, recent, programDir, askSave);
//   doc.OnOpenDocument(path);  window.Start();  window.Frame().show();
//
// New and opened calendars start again by themselves; every save first stores the texts of the
// selected day and the displayed month, and so does every recovery copy (KeepRecoveryCopies). The editors
// write their status texts into the frame's panes 1 and 5, and are set up for every calendar in the frame's
// base font (CMainFrame::SetBaseFont).

#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "app/DocumentCommands.h"
#include "app/EditorUiServices.h"
#include "core/CalendarDates.h"
#include "view/CalendarCommands.h"

namespace orv {

class CCalendarPanesBinding;
class CCrashRecovery;
class CExternalChanges;
class CRecoveryStore;
class CFormattingBinding;
class CCalendarViewModel;
class CMainFrame;
class COnThisDayWindow;
class CRecentFileList;
class CRichTextView;
class CSearchCommands;
class CSpellingBinding;
class CTedDoc;
class CTedView;
class IUiServices;
struct SExportContext;
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
  // Changes of the calendar's file by other programs, and its conflict copies.
  CExternalChanges& External() { return *m_External; }

  // Shows the calendar the document holds now: the editors set up afresh, today's month, the month
  // table focused, writable, every switch on, not modified. The run's years first grow to cover the
  // calendar's records; the status bar tells when they did.
  void Start();
  // The short-note field of the shown day takes the focus, so that the program opens ready for
  // today's note (a view-only calendar keeps the table focused).
  void ReadyForTyping();

  // Keeps recovery copies of unsaved changes in `store` every `intervalMs` (the store outlives the
  // window); saves and discards remove them.
  void KeepRecoveryCopies(CRecoveryStore& store, int intervalMs);
  // Writes the recovery copy at once, when there are unsaved changes (the program is being ended).
  void WriteRecoveryCopy();
  // "Kalendář %s nebyl při posledním ukončení uložen. Obnovit neuložené změny?" for the copy of the
  // open calendar, or with a new calendar for the newest copy left; "Ano" shows its content, modified.
  void OfferRecovery();

 private:
  void BindEditor(CRichTextView& editor);
  // The editors' first set-up for the calendar, then the style lists of the formatting toolbar.
  void SetUpEditors();
  void AddCalendarHandlers();
  void AddFocusHandlers();
  void Navigate(ECalendarCommand command, bool focusTable);
  void GoTo();
  // "Tento den v minulých letech": opens the window, which then follows the shown day.
  void ShowOnThisDay();
  void ToggleViewOnly();
  // An export command, refused while the note is being edited (`dialog` names its dialog).
  void RunExport(void (*run)(const SExportContext&), std::string_view dialog);
  // The note field holds the focus of a writable calendar: moves are refused.
  bool NoteHeld() const;
  void DescribeView(SFrameState& state) const;
  void ShowDocumentState();
  void StoreOpenTexts();
  // The commentaries of the selected day and its month again, as the calendar stores them.
  void ShowSelectedCommentaries();

  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CRecentFileList& m_Recent;
  CEditorUiServices m_EditorUi;
  std::unique_ptr<CMainFrame> m_Frame;
  CTedView* m_View = nullptr;
  CRichTextView* m_MonthEditor = nullptr;
  CRichTextView* m_DayEditor = nullptr;
  std::unique_ptr<CCalendarPanesBinding> m_Panes;
  std::unique_ptr<CCalendarViewModel> m_Model;
  CFormattingBinding* m_Formatting = nullptr;  // owned by the frame
  CSpellingBinding* m_Spelling = nullptr;      // owned by the frame
  CDocumentCommands m_Commands;
  std::unique_ptr<CCrashRecovery> m_Recovery;
  std::unique_ptr<CSearchCommands> m_Search;
  COnThisDayWindow* m_OnThisDay = nullptr;  // owned by the frame, made on first use
  std::unique_ptr<CExternalChanges> m_External;
};

}  // namespace orv
