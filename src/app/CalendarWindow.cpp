#include "app/CalendarWindow.h"

#include <unistd.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "app/AppendToCalendar.h"
#include "app/ExchangeWithDiaries.h"
#include "app/CalendarDialogCommands.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/CrashRecovery.h"
#include "app/ExternalChanges.h"
#include "app/FormattingBinding.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/SearchCommands.h"
#include "app/SpellingBinding.h"
#include "core/UiServices.h"
#include "document/RecordYears.h"
#include "document/RecoveryStore.h"
#include "document/TedDoc.h"
#include "editor/BaseFont.h"
#include "editor/CommentaryEditor.h"
#include "names/NamesDatabase.h"
#include "ui/CalendarPanesBinding.h"
#include "ui/CalendarView.h"
#include "ui/ExportCommands.h"
#include "ui/GoToDateDialog.h"
#include "ui/OnThisDayWindow.h"
#include "ui/RichTextView.h"
#include "ui/StyleBar.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

struct SCalendarMove {
  int id;
  ECalendarCommand command;
  bool focusTable;  // the move ends in the month table, wherever it was given
};

constexpr SCalendarMove kMoves[] = {
    {cmd::NextMonth, ECalendarCommand::NextMonth, false},
    {cmd::PrevMonth, ECalendarCommand::PrevMonth, false},
    {cmd::StartOfMonth, ECalendarCommand::MonthStart, false},
    {cmd::EndOfMonth, ECalendarCommand::MonthEnd, false},
    {cmd::NextYear, ECalendarCommand::NextYear, false},
    {cmd::PrevYear, ECalendarCommand::PrevYear, false},
    {cmd::January, ECalendarCommand::January, false},
    {cmd::December, ECalendarCommand::December, false},
    {cmd::Today, ECalendarCommand::Today, true},
    {cmd::PrevRecord, ECalendarCommand::PrevRecord, true},
    {cmd::NextRecord, ECalendarCommand::NextRecord, true},
    {cmd::FirstRecord, ECalendarCommand::FirstRecord, true},
    {cmd::LastRecord, ECalendarCommand::LastRecord, true},
    {cmd::HistoryBack, ECalendarCommand::HistoryBack, true},
    {cmd::HistoryForward, ECalendarCommand::HistoryForward, true},
};

struct SCategorySwitch {
  int id;
  int category;
};

constexpr SCategorySwitch kCategorySwitches[] = {
    {cmd::ShowNameDays, kNameDays},
    {cmd::ShowStateHolidays, kStateHolidays},
    {cmd::ShowOtherHolidays, kOtherHolidays},
    {cmd::ShowBirthdays, kPrivateHolidays},
    {cmd::ShowSignificantDays, kSignificantDays},
};

// The calendar view's context menu; 0 is a separator.
constexpr int kContextMenu[] = {cmd::Today,
                                cmd::GoTo,
                                cmd::NoteSearch,
                                cmd::FullTextSearch,
                                cmd::DeleteDay,
                                cmd::DeletePeriod,
                                0,
                                cmd::HolidayLists,
                                cmd::ChangeHolidays,
                                cmd::ShowAllHolidays,
                                0,
                                cmd::ExportTxt,
                                cmd::ExportRtf,
                                cmd::FileAppend};

// Runs `action` (in the life of `context`) once a widget not yet shown has been painted.
class CAfterFirstPaint : public QObject {
 public:
  CAfterFirstPaint(QWidget& widget, QObject& context, std::function<void()> action)
      : QObject(&widget), m_Context(&context), m_Action(std::move(action)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      if (m_Context) QTimer::singleShot(0, m_Context, std::move(m_Action));
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QObject> m_Context;
  std::function<void()> m_Action;
};

bool IsHistoryMove(ECalendarCommand command) {
  return command == ECalendarCommand::HistoryBack || command == ECalendarCommand::HistoryForward;
}

}  // namespace

CCalendarWindow::CCalendarWindow(CTedDoc& doc, IUiServices& ui, CRecentFileList& recent,
                                 const QString& programDir, AskSave askSave, std::function<Date()> today)
    : m_Doc(doc),
      m_Ui(ui),
      m_Recent(recent),
      m_EditorUi(ui),
      m_Commands(doc, ui, recent, std::move(askSave)) {
  const auto monthEditor = RichTextViewFactory(doc, m_EditorUi, QStringLiteral("MonthEditor"));
  const auto dayEditor = RichTextViewFactory(doc, m_EditorUi, QStringLiteral("DayEditor"));
  SPaneFactories panes;
  panes.calendar = [this](QWidget* parent) { return m_View = new CTedView(parent); };
  panes.monthEditor = [&](QWidget* parent) { return m_MonthEditor = monthEditor(parent); };
  panes.dayEditor = [&](QWidget* parent) { return m_DayEditor = dayEditor(parent); };
  m_Frame = std::make_unique<CMainFrame>(ui, programDir, panes);
  m_Frame->StyleBar()->SetFaces(InstalledFaces());
  BindEditor(*m_MonthEditor);
  BindEditor(*m_DayEditor);
  m_Formatting = new CFormattingBinding(*m_Frame, doc, m_EditorUi, *m_MonthEditor, *m_DayEditor);
  m_Spelling = new CSpellingBinding(*m_Frame, *m_MonthEditor, *m_DayEditor);

  m_Panes = std::make_unique<CCalendarPanesBinding>(*m_View, *m_MonthEditor, *m_DayEditor);
  m_Model = std::make_unique<CCalendarViewModel>(doc, *m_Panes, std::move(today));
  m_View->Attach(*m_Model);
  m_View->SetOnNoteEdited([&doc] { doc.SetModifiedFlag(true); });
  m_View->SetOnNoteRefused([this](const QString& message) { m_Frame->statusBar()->showMessage(message); });
  m_View->SetOnMoved([this] { m_Frame->UpdateCommandUI(); });
  m_Model->SetOnDayShown([this] {
    if (m_OnThisDay) m_OnThisDay->Follow(m_Model->SelectedDate());
  });
  std::vector<QAction*> contextMenu;
  for (int id : kContextMenu) contextMenu.push_back(id == 0 ? nullptr : m_Frame->Action(id));
  m_View->SetContextMenu(std::move(contextMenu));

  AddCalendarHandlers();
  AddFocusHandlers();
  AddCalendarDialogCommands({doc, ui, *m_Frame, *m_View, *m_Model, *m_Panes});
  m_Search = std::make_unique<CSearchCommands>(doc, ui, *m_Frame, *m_Model, *m_View,
                                               std::array{m_MonthEditor, m_DayEditor},
                                               [this] { return NoteHeld(); });
  m_Frame->SetViewState([this](SFrameState& state) { DescribeView(state); });
  m_Formatting->SetReformatHooks([this] { m_Model->CommitDay(); }, [this] { ShowSelectedCommentaries(); });

  m_Commands.SetOnReplaced([this] {
    if (m_Recovery) m_Recovery->Store().Discard();
    Start();
  });
  m_Commands.SetOnChanged([this] { ShowDocumentState(); });
  SExternalChangesHost host{doc, ui, *m_Frame, *m_Model, *m_View, {m_MonthEditor, m_DayEditor}, {}, {}};
  host.storeOpenTexts = [this] { StoreOpenTexts(); };
  host.refreshStyles = [this] { m_Formatting->RefreshStyleLists(); };
  m_External = std::make_unique<CExternalChanges>(std::move(host));
  m_Commands.SetOnSaved([this](const std::string& path) {
    if (m_Recovery) m_Recovery->Store().Saved(path);
    m_External->Saved(path);
  });
  m_Doc.SetBeforeSave([this] { StoreOpenTexts(); });
  // While orv holds the calendar's file, the window says so and keeps painting; what the user types
  // or clicks waits for the open or save to end.
  m_Doc.SetOnLockWait([this](std::string_view text) {
    const std::string_view shown = text.empty() ? kIdlePrompt : text;
    m_Frame->statusBar()->showMessage(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
  });
  m_Doc.AddModifiedObserver([frame = QPointer<CMainFrame>(m_Frame.get())](bool modified) {
    if (frame) frame->setWindowModified(modified);
  });
  m_Frame->SetHandler(cmd::FileNew, [this] { m_Commands.FileNew(); });
  m_Frame->SetHandler(cmd::FileOpen, [this] {
    if (m_Commands.FileOpen()) OfferRecovery();
  });
  m_Frame->SetHandler(cmd::FileSave, [this] { m_Commands.FileSave(); });
  m_Frame->SetHandler(cmd::FileSaveAs, [this] { m_Commands.FileSaveAs(); });
  m_Frame->SetHandler(cmd::FileAppend, [this] { AppendToCalendar(*this, m_Doc, m_Ui, m_Recent); });
  m_Frame->SetHandler(cmd::ImportRedNotebook, [this] { ImportRedNotebook(*this, m_Doc, m_Ui); });
  m_Frame->SetHandler(cmd::ImportMarkdown, [this] { ImportMarkdown(*this, m_Doc, m_Ui); });
  m_Frame->SetHandler(cmd::ExportMarkdown, [this] { ExportMarkdownFolder(*this, m_Doc, m_Ui); });
  m_Frame->SetOpenFile([this](const QString& path) {
    if (m_Commands.OpenFile(path.toStdString())) OfferRecovery();
  });
  // Closing without saving leaves nothing to recover.
  m_Frame->SetCanClose([this] {
    if (!m_Commands.SaveModified()) return false;
    if (m_Recovery) m_Recovery->Store().Discard();
    return true;
  });
  ShowDocumentState();
}

// The widgets show the model's documents: they go first. The editors lose the focus on the way,
// when there is no frame to tell any more.
CCalendarWindow::~CCalendarWindow() {
  m_Model->SetOnDayShown({});
  m_External.reset();
  m_Recovery.reset();
  m_Doc.SetBeforeSave({});
  m_Doc.SetOnLockWait({});
  for (CRichTextView* editor : {m_MonthEditor, m_DayEditor}) {
    editor->SetFocusHandler({});
    editor->SetSelectionShownHandler({});
    editor->Editor().SetStatusHandler({});
  }
  m_Frame.reset();
}

void CCalendarWindow::BindEditor(CRichTextView& editor) {
  editor.Editor().SetStatusHandler([frame = m_Frame.get()](int pane, const std::string& text) {
    frame->SetStatusPane(pane, QString::fromStdString(text));
  });
  editor.SetCurrentDateKey([this] { return DayKey(m_Model->SelectedDate()); });
  editor.SetEscapeHandler([this] { m_View->FocusTable(); });
  editor.SetFocusHandler([this](bool) { m_Frame->UpdateCommandUI(); });
  editor.SetSelectionShownHandler(
      [this, &editor] { m_Frame->StyleBar()->ShowSelectionFormat(editor.Editor().SelectionFormat()); });
}

void CCalendarWindow::SetUpEditors() {
  m_EditorUi.BeginSetUp();
  for (CRichTextView* editor : {m_MonthEditor, m_DayEditor})
    editor->Editor().DoInitialUpdate(m_Frame->BaseFont());
  m_EditorUi.EndSetUp();
  m_Formatting->RefreshStyleLists();
}

void CCalendarWindow::Start() {
  const bool wasViewOnly = m_Model->IsViewOnly();
  const std::string widened = WidenYearRangeToRecords(m_Doc);
  SetUpEditors();
  m_Model->Start();
  m_Search->Reset();
  if (wasViewOnly) m_Frame->StyleBar()->show();
  m_View->Refresh();
  m_View->FocusTable();
  ShowDocumentState();
  if (m_OnThisDay) m_OnThisDay->Relist();
  if (!widened.empty()) m_Frame->statusBar()->showMessage(QString::fromStdString(widened));
  // The base of later merges is a second reading and a copy of the whole file: a window not yet
  // shown is painted first. A change meanwhile is seen by the watch, which starts at once.
  const bool shown = m_Frame->isVisible();
  m_External->Opened(/*keepBase=*/shown);
  if (!shown) new CAfterFirstPaint(*m_Frame, *m_External, [this] { m_External->KeepOpenedBase(); });
}

void CCalendarWindow::ReadyForTyping() {
  if (!m_Model->IsViewOnly()) m_View->FocusNote();
}

void CCalendarWindow::StoreOpenTexts() {
  m_Model->CommitDay();
  m_View->Refresh();
}

void CCalendarWindow::KeepRecoveryCopies(CRecoveryStore& store, int intervalMs) {
  m_Recovery = std::make_unique<CCrashRecovery>(
      m_Doc, store, [this] { StoreOpenTexts(); }, intervalMs);
  m_Recovery->SetOnFailure([this](const QString& message) { m_Frame->statusBar()->showMessage(message); });
}

void CCalendarWindow::WriteRecoveryCopy() {
  if (m_Recovery) m_Recovery->WriteNow();
}

void CCalendarWindow::OfferRecovery() {
  if (!m_Recovery) return;
  CRecoveryStore& store = m_Recovery->Store();
  const bool newCalendar = m_Doc.GetPathName().empty() && !m_Doc.IsModified();
  const std::string key = CRecoveryStore::CalendarKey(m_Doc.GetPathName());
  const std::vector<SRecoveryCopy> pending = store.Pending();
  const auto copy = std::find_if(pending.begin(), pending.end(), [&](const SRecoveryCopy& c) {
    return newCalendar || c.calendarPath == key;
  });
  if (copy == pending.end()) return;
  const std::string name = copy->calendarPath.empty() ? m_Doc.GetTitle() : copy->calendarPath;
  if (!m_Ui.AskYesNo("Kalendář " + name + " nebyl při posledním ukončení uložen. Obnovit neuložené změny?"))
    return;
  // A copy of a named calendar comes into that calendar, opened as usual (its password, its
  // read-only state); one whose file is gone keeps the path to be saved under.
  if (newCalendar && !copy->calendarPath.empty() && ::access(copy->calendarPath.c_str(), F_OK) == 0 &&
      !m_Commands.OpenFile(copy->calendarPath))
    return;
  if (!store.Restore(m_Doc, *copy)) return;
  Start();
  m_Doc.SetModifiedFlag(true);
}

void CCalendarWindow::ShowSelectedCommentaries() {
  const Date date = m_Model->SelectedDate();
  const CEntrTxt* month = std::as_const(m_Doc.m_DataMesice).Find(MonthKey(date.year, date.month));
  const CEntrTxt* day = std::as_const(m_Doc.m_DataTxt).Find(DayKey(date));
  m_Panes->LoadMonthCommentary(month ? month->m_Rtf : std::string());
  m_Panes->LoadDayCommentary(day ? day->m_Rtf : std::string());
}

void CCalendarWindow::ShowDocumentState() {
  m_Frame->SetDocumentTitle(QString::fromStdString(m_Commands.Title()));
  m_Frame->setWindowModified(m_Doc.IsModified());
  m_Frame->SetRecentFiles(m_Recent.Files());
}

void CCalendarWindow::AddCalendarHandlers() {
  for (const SCalendarMove& move : kMoves)
    m_Frame->SetHandler(move.id, [this, move] { Navigate(move.command, move.focusTable); });
  for (const SCategorySwitch& s : kCategorySwitches)
    m_Frame->SetHandler(s.id, [this, category = s.category] {
      m_Model->ToggleCategory(category);
      m_View->Refresh();
    });
  m_Frame->SetHandler(cmd::ShowAllHolidays, [this] {
    m_Model->ToggleAllHolidays();
    m_View->Refresh();
  });
  m_Frame->SetHandler(cmd::ViewOnly, [this] { ToggleViewOnly(); });
  m_Frame->SetHandler(cmd::GoTo, [this] { GoTo(); });
  m_Frame->SetHandler(cmd::OnThisDay, [this] { ShowOnThisDay(); });
  m_Frame->SetHandler(cmd::ExportRtf, [this] { RunExport(RunRtfExport, "Export do rtf"); });
  m_Frame->SetHandler(cmd::ExportPdf, [this] { RunExport(RunPdfExport, "Export do PDF"); });
  m_Frame->SetHandler(cmd::FilePrint, [this] { RunExport(RunPrint, "Tisk"); });
  m_Frame->SetHandler(cmd::FilePrintPreview, [this] { RunExport(RunPrintPreview, "Náhled tisku"); });
}

void CCalendarWindow::AddFocusHandlers() {
  m_Frame->SetHandler(cmd::CalendarNote, [this] {
    if (m_View->NoteField()->hasFocus())
      m_View->FocusTable();
    else
      m_View->FocusNote();
  });
  m_Frame->SetHandler(cmd::NoteToCalendar, [this] { m_View->FocusTable(); });
  m_Frame->SetHandler(cmd::CommentaryToCalendar, [this] { m_View->FocusTable(); });
  m_Frame->SetHandler(cmd::ToDayCommentary, [this] { m_DayEditor->setFocus(Qt::OtherFocusReason); });
  m_Frame->SetHandler(cmd::ToMonthCommentary, [this] { m_MonthEditor->setFocus(Qt::OtherFocusReason); });
}

bool CCalendarWindow::NoteHeld() const {
  return !m_Model->IsViewOnly() && m_View->IsNoteBeingEdited();
}

void CCalendarWindow::Navigate(ECalendarCommand command, bool focusTable) {
  const bool refused = NoteHeld() && !IsHistoryMove(command);
  m_Model->Execute(command);
  if (focusTable && !refused) m_View->FocusTable();
  m_View->Refresh();
}

void CCalendarWindow::GoTo() {
  if (NoteHeld()) {
    m_Ui.MessageBox(kFinishNoteMessage);
    return;
  }
  const std::optional<Date> date = AskGoToDate(m_Frame.get(), m_Model->SelectedDate());
  if (date && m_Model->GoToDate(*date)) m_View->FocusTable();
  m_View->Refresh();
}

void CCalendarWindow::ShowOnThisDay() {
  if (!m_OnThisDay) {
    m_OnThisDay = new COnThisDayWindow(m_Frame.get(), m_Doc);
    // A move like any other: refused while the note is being typed, the day left is committed.
    m_OnThisDay->SetOnChosen([this](const Date& date) {
      m_Model->GoToDate(date);
      m_View->Refresh();
      m_Frame->UpdateCommandUI();
    });
  }
  m_OnThisDay->ShowFor(m_Model->SelectedDate());
}

void CCalendarWindow::RunExport(void (*run)(const SExportContext&), std::string_view dialog) {
  if (NoteHeld()) {
    m_Ui.MessageBox("Před otevřením dialogu \"" + std::string(dialog) +
                    "\" je nejprve\r\n\r\nnutno ukončit editování poznámky !");
    return;
  }
  run(SExportContext{m_Frame.get(), m_Doc, m_Ui, m_Frame->BaseFont(), [this] { m_Model->CommitDay(); }});
  m_View->Refresh();
}

void CCalendarWindow::ToggleViewOnly() {
  m_Model->ToggleViewOnly();
  m_Frame->StyleBar()->setVisible(!m_Model->IsViewOnly());
  m_View->Refresh();
}

void CCalendarWindow::DescribeView(SFrameState& state) const {
  state.viewOnly = m_Model->IsViewOnly();
  state.categoriesShown = m_Model->Switches().categories;
  m_Formatting->Describe(state);
  m_Spelling->Describe(state);
  for (const SCalendarMove& move : kMoves)
    if (!m_Model->IsEnabled(move.command)) state.viewDisabled.push_back(move.id);
}

}  // namespace orv
