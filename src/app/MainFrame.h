#pragma once
// CMainFrame, the one top-level window: the calendar pane on the left, the month commentary above
// the day commentary on the right, the main toolbar, the formatting toolbar, the ruler and the
// status bar. Menus, toolbars and actions are built from the command table; which commands are
// enabled and checked comes from CommandState() alone.
//
// The frame carries out the window's own commands (bars, always on top, maximise, the clipboard
// commands of the focused text pane, exit, about). Everything else is given to it as handlers by
// whoever implements the command; a command without a handler stays disabled.

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandState.h"
#include "app/Panes.h"

class QLabel;
class QMenu;
class QSplitter;
class QTextEdit;
class QTimer;
class QToolBar;

namespace orv {

class CHelpWindow;
class CMoonFont;
class CRichTextView;
class CRulerBar;
class CStyleBar;
class IUiServices;

class CMainFrame : public QMainWindow {
 public:
  CMainFrame(IUiServices& ui, const QString& programDir, const SPaneFactories& panes = DefaultPanes());
  ~CMainFrame() override;

  QAction* Action(int id) const;
  void SetHandler(int id, std::function<void()> handler);
  // Recomputes every action's state; cheap, called whenever the focus, selection or clipboard moves.
  void UpdateCommandUI();
  // The view's part of the window state (the display switches, view-only), given by the view.
  void SetViewState(std::function<void(SFrameState&)> viewState);
  SFrameState FrameState() const;

  // "<title>[*] – Orvella 2": the mark shows while the window is modified.
  void SetDocumentTitle(const QString& title);
  // Asked before the window closes; false keeps it open (the user cancelled saving).
  void SetCanClose(std::function<bool()> canClose) { m_CanClose = std::move(canClose); }
  // Files dropped onto the window and chosen from the recent-file list.
  void SetOpenFile(std::function<void(const QString& path)> openFile) { m_OpenFile = std::move(openFile); }
  // Opens a file handed to the window (dropped on it or on a pane, given by a second start).
  void OpenFile(const QString& path) {
    if (m_OpenFile) m_OpenFile(path);
  }
  // True while a command runs (its dialogs and progress included).
  bool CommandRunning() const { return m_CommandsRunning > 0; }
  void SetRecentFiles(const QStringList& paths);
  // The user's guide at the section with the anchor `section`; over `dialog` when F1 came from one.
  void ShowHelp(const QString& section, QWidget* dialog = nullptr);

  QWidget* CalendarPane() const { return m_Calendar; }
  // Gives the calendar pane the width of the widest row of the shown month, within half of the
  // window (the first layout: long holiday names are not cut).
  void FitCalendarPane();
  QTextEdit* MonthEditor() const { return m_MonthEditor; }
  QTextEdit* DayEditor() const { return m_DayEditor; }
  CStyleBar* StyleBar() const { return m_StyleBar; }
  CRulerBar* RulerBar() const { return m_RulerBar; }
  QToolBar* MainToolBar() const { return m_ToolBar; }
  const CMoonFont& MoonFont() const { return *m_MoonFont; }
  // The base font of the commentaries (Windows-1250), chosen at start-up for the editors.
  void SetBaseFont(std::string face) { m_BaseFont = std::move(face); }
  const std::string& BaseFont() const { return m_BaseFont; }
  // Status panes 1 to 7 (0 is the prompt line). Leading tabs align the text: one centres it, two
  // align it right; StatusPane gives the text without them.
  void SetStatusPane(int index, const QString& text);
  QString StatusPane(int index) const;

  void ToggleAlwaysOnTop();
  void ToggleMaximised();
  bool IsAlwaysOnTop() const { return m_bAlwaysOnTop; }
  bool IsMaximisedFlag() const { return m_bMaximised; }

  // The bar layout under "MainBarState" in the settings.
  void SaveBarState() const;
  void RestoreBarState();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void CreateClient(const SPaneFactories& panes);
  void AddFrameHandlers();
  void AddTextPaneCommand(int id, const char* slot, bool writes, void (*editorCommand)(CRichTextView&));
  void RefreshClock();
  void RefreshRecentMenu();
  FocusPane FocusedPane() const;
  QWidget* PaneFocus() const;
  QWidget* FocusedTextPane() const;

  IUiServices& m_Ui;
  QString m_ProgramDir;
  std::unique_ptr<CMoonFont> m_MoonFont;
  std::map<int, QAction*> m_Actions;
  std::map<int, std::function<void()>> m_Handlers;
  int m_CommandsRunning = 0;
  QMenu* m_RecentMenu = nullptr;
  QStringList m_RecentFiles;
  QSplitter* m_Outer = nullptr;
  QSplitter* m_Inner = nullptr;
  QWidget* m_Calendar = nullptr;
  QTextEdit* m_MonthEditor = nullptr;
  QTextEdit* m_DayEditor = nullptr;
  QToolBar* m_ToolBar = nullptr;
  CStyleBar* m_StyleBar = nullptr;
  CRulerBar* m_RulerBar = nullptr;
  std::vector<QLabel*> m_StatusPanes;  // panes 1 to 7
  QTimer* m_Clock = nullptr;
  std::string m_BaseFont;
  bool m_bAlwaysOnTop = false;
  bool m_bMaximised = false;
  bool m_bShownOnce = false;
  std::function<void(SFrameState&)> m_ViewState;
  std::function<bool()> m_CanClose;
  std::function<void(const QString&)> m_OpenFile;
  std::vector<QMetaObject::Connection> m_AppConnections;
  QPointer<QWidget> m_LastPaneFocus;
  QPointer<CHelpWindow> m_Help;
  std::unique_ptr<QObject>
      m_DialogHelpKey;  // F1 in the dialogs  // where the focus was before the menu bar took it
  std::unique_ptr<QObject> m_WindowFit;  // every other window fits the screen and its content
};

}  // namespace orv
