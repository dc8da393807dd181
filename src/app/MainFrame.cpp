#include "app/MainFrame.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <cmath>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MoonFont.h"
#include "editor/CommentaryEditor.h"
#include "ui/HelpWindow.h"
#include "ui/RichTextView.h"
#include "ui/RulerBar.h"
#include "ui/StyleBar.h"
#include "ui/ToolIcons.h"
#include "ui/WindowFit.h"

namespace orv {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr char kBarStateKey[] = "MainBarState";
constexpr char kStatusBarKey[] = "MainBarState-StatusBar";
constexpr char kWindowSizeKey[] = "MainWindowSize";
constexpr char kCalendarSplitterKey[] = "MainSplitter";
constexpr char kCommentarySplitterKey[] = "CommentarySplitter";
constexpr int kStatusPanes = 7;  // panes 1 to 7 beside the prompt line
constexpr int kCaretPane = 1;
constexpr int kOverwritePane = 5;
constexpr int kDatePane = 6;
constexpr int kTimePane = 7;
constexpr std::string_view kOnTopNotOnWayland =
    "Na Waylandu o oknech nad ostatními rozhoduje správce oken; okno Orvelly tam zůstane, kam je umístí.";

// The month table and the commentaries are paper: their colours are chosen for white, so a dark
// theme must not darken them. The frame, the bars and the dialogs follow the theme.
void MakePaper(QWidget* pane) {
  QPalette palette = pane->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::Text,
                     group == QPalette::Disabled ? QColor(110, 110, 110) : QColor(Qt::black));
  }
  pane->setPalette(palette);
}

// The size the window first opens at, within the screen's free area whatever its scale.
QSize FirstSize(const QScreen* screen) {
  const QSize wanted(1180, 760);
  if (!screen) return wanted;
  const QSize room = screen->availableGeometry().size() * 0.92;
  return wanted.boundedTo(room);
}

// The guide's table of menu commands, straight from the command table: menu, item, keys, what it
// does.
QString CommandsHtml() {
  const auto plain = [](std::string_view text) {
    QString shown = Utf8(text).section(QLatin1Char('\t'), 0, 0);
    shown.remove(QLatin1Char('&'));
    return shown.toHtmlEscaped();
  };
  QString html = QStringLiteral(
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
      "<tr><th>Nabídka</th><th>Příkaz</th><th>Klávesy</th><th>Co dělá</th></tr>");
  for (const SCommand& c : CommandTable()) {
    if (c.id == 0) continue;
    QString menu = plain(c.menu);
    menu.replace(QLatin1Char('/'), QStringLiteral(" › "));
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                .arg(menu, plain(c.text), Utf8(c.shortcut).toHtmlEscaped(),
                     Utf8(c.prompt).section(QLatin1Char('\n'), 0, 0).toHtmlEscaped());
  }
  return html + QStringLiteral("</table>");
}

// F1 in one of the program's dialogs opens the guide at that dialog's section.
class CDialogHelpKey : public QObject {
 public:
  explicit CDialogHelpKey(std::function<void(QWidget* dialog)> showHelp) : m_ShowHelp(std::move(showHelp)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
      return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* dialog = widget ? qobject_cast<QDialog*>(widget->window()) : nullptr;
    if (!dialog) return false;
    m_ShowHelp(dialog);
    return true;
  }

 private:
  std::function<void(QWidget*)> m_ShowHelp;
};

// The menu text of a recent file: its number as the mnemonic, then the path.
QString RecentFileText(int index, const QString& path) {
  QString shown = QDir::toNativeSeparators(path);
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

CMainFrame::CMainFrame(IUiServices& ui, const QString& programDir, const SPaneFactories& panes)
    : m_Ui(ui), m_ProgramDir(programDir) {
  setObjectName(QStringLiteral("Orvella2Class"));
  setWindowIcon(AppIcon());
  setAcceptDrops(true);
  m_MoonFont = std::make_unique<CMoonFont>(programDir, ui);
  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateStatusBar();
  CreateClient(panes);
  AddFrameHandlers();
  setWindowTitle(QStringLiteral("Orvella 2"));
  resize(FirstSize(screen()));
  RestoreBarState();

  m_AppConnections = {QObject::connect(qApp, &QApplication::focusChanged, this,
                                       [this](QWidget*, QWidget* now) {
                                         if (now && centralWidget() && centralWidget()->isAncestorOf(now))
                                           m_LastPaneFocus = now;
                                         UpdateCommandUI();
                                       }),
                      QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                                       [this] { UpdateCommandUI(); })};
  m_Clock = new QTimer(this);
  m_Clock->setInterval(1000);
  QObject::connect(m_Clock, &QTimer::timeout, this, [this] { RefreshClock(); });
  m_Clock->start();
  RefreshClock();
  UpdateCommandUI();
}

// The window's own destruction moves the focus; by then there are no commands to update. The moon
// font goes last, after every widget that may draw with it.
CMainFrame::~CMainFrame() {
  for (const QMetaObject::Connection& connection : m_AppConnections) QObject::disconnect(connection);
  // An editor losing the focus on the way moves its selection.
  for (QTextEdit* editor : {m_MonthEditor, m_DayEditor}) QObject::disconnect(editor, nullptr, this, nullptr);
  if (m_DialogHelpKey) qApp->removeEventFilter(m_DialogHelpKey.get());
  if (m_WindowFit) qApp->removeEventFilter(m_WindowFit.get());
  m_Calendar = nullptr;  // the editors going may still report their selection
}

void CMainFrame::CreateActions() {
  for (const SCommand& c : CommandTable()) {
    if (c.id == 0 || c.id == cmd::RecentFiles) continue;
    auto* action = new QAction(Utf8(c.text), this);
    const QString prompt = Utf8(c.prompt);
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    if (!c.shortcut.empty()) action->setShortcut(QKeySequence(Utf8(c.shortcut)));
    action->setCheckable(c.checkable);
    if (!c.icon.empty()) action->setIcon(ToolIcon(c.icon));
    const int id = c.id;
    QObject::connect(action, &QAction::triggered, this, [this, id] {
      const auto handler = m_Handlers.find(id);
      ++m_CommandsRunning;
      if (handler != m_Handlers.end()) handler->second();
      --m_CommandsRunning;
      UpdateCommandUI();
    });
    m_Actions[id] = action;
    addAction(action);  // keys work while the menu bar is hidden or the item is not shown
  }
}

void CMainFrame::CreateMenus() {
  std::map<QString, QMenu*> menus;
  const auto menuOf = [&](std::string_view path) {
    const QString full = Utf8(path);
    QMenu*& menu = menus[full];
    if (menu) return menu;
    const qsizetype slash = full.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
      menu = menuBar()->addMenu(full);
    } else {
      QMenu* parent = menus[full.left(slash)];
      menu = parent->addMenu(full.mid(slash + 1));
    }
    QObject::connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
    return menu;
  };
  for (const SCommand& c : CommandTable()) {
    if (c.menu.empty()) continue;  // placed by their owners
    QMenu* menu = menuOf(c.menu);
    if (c.id == 0) {
      menu->addSeparator();
    } else if (c.id == cmd::RecentFiles) {
      m_RecentMenu = menu->addMenu(Utf8(c.text));
      m_RecentMenu->menuAction()->setStatusTip(Utf8(c.prompt));
      m_Actions[c.id] = m_RecentMenu->menuAction();
    } else {
      menu->addAction(m_Actions.at(c.id));
    }
  }
  RefreshRecentMenu();
}

void CMainFrame::CreateToolBars() {
  m_ToolBar = addToolBar(QStringLiteral("Standardní panel nástrojů"));
  m_ToolBar->setObjectName(QStringLiteral("MainToolBar"));
  m_ToolBar->setIconSize(QSize(16, 16));
  for (int id : MainToolBarCommands()) {
    if (id == 0)
      m_ToolBar->addSeparator();
    else
      m_ToolBar->addAction(m_Actions.at(id));
  }
  std::vector<QAction*> styleButtons;
  for (int id : StyleBarCommands()) styleButtons.push_back(id == 0 ? nullptr : m_Actions.at(id));
  m_StyleBar = new CStyleBar(styleButtons, this);
  addToolBarBreak();
  addToolBar(Qt::TopToolBarArea, m_StyleBar);
  m_RulerBar = new CRulerBar(this);
  addToolBarBreak();
  addToolBar(Qt::TopToolBarArea, m_RulerBar);
  for (QToolBar* bar : {m_ToolBar, static_cast<QToolBar*>(m_StyleBar), static_cast<QToolBar*>(m_RulerBar)})
    QObject::connect(bar, &QToolBar::visibilityChanged, this, [this] { UpdateCommandUI(); });
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  const int charWidth = bar->fontMetrics().averageCharWidth();
  const int widths[kStatusPanes] = {18 * charWidth,
                                    bar->fontMetrics().horizontalAdvance(QStringLiteral("CAP")) + 8,
                                    bar->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 8,
                                    bar->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8,
                                    5 * charWidth,
                                    0,
                                    0};
  for (int i = 0; i < kStatusPanes; ++i) {
    auto* pane = new QLabel(bar);
    pane->setObjectName(QStringLiteral("StatusPane%1").arg(i + 1));
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setContentsMargins(3, 0, 3, 0);
    if (widths[i] > 0) pane->setMinimumWidth(widths[i]);
    bar->addPermanentWidget(pane);
    m_StatusPanes.push_back(pane);
  }
  SetStatusPane(kCaretPane, QStringLiteral("ř 0001  s 001"));
  bar->showMessage(Utf8(kIdlePrompt));
}

void CMainFrame::CreateClient(const SPaneFactories& panes) {
  m_Outer = new QSplitter(Qt::Horizontal, this);
  m_Outer->setObjectName(QStringLiteral("OuterSplitter"));
  m_Inner = new QSplitter(Qt::Vertical);
  m_Inner->setObjectName(QStringLiteral("InnerSplitter"));
  m_Calendar = panes.calendar(m_Outer);
  m_Calendar->setMinimumWidth(90);
  m_Outer->addWidget(m_Calendar);
  m_Outer->addWidget(m_Inner);
  m_MonthEditor = panes.monthEditor(m_Inner);
  m_DayEditor = panes.dayEditor(m_Inner);
  m_MonthEditor->setMinimumHeight(10);
  m_MonthEditor->setAccessibleName(QStringLiteral("Výklad měsíce"));
  m_DayEditor->setAccessibleName(QStringLiteral("Výklad dne"));
  m_Inner->addWidget(m_MonthEditor);
  m_Inner->addWidget(m_DayEditor);
  m_Outer->setStretchFactor(0, 0);
  m_Outer->setStretchFactor(1, 1);
  m_Inner->setStretchFactor(0, 0);
  m_Inner->setStretchFactor(1, 1);
  m_Outer->setSizes({450, 730});
  m_Inner->setSizes({150, 450});
  setCentralWidget(m_Outer);
  for (QTextEdit* paper :
       {m_Calendar->findChild<QTextEdit*>(QStringLiteral("MonthTable")), m_MonthEditor, m_DayEditor})
    if (paper) MakePaper(paper);
  for (QWidget* pane : m_Outer->findChildren<QWidget*>())
    if (pane->acceptDrops()) pane->installEventFilter(this);

  const int margin = static_cast<int>(m_DayEditor->document()->documentMargin());
  m_RulerBar->Ruler()->SetTarget(m_DayEditor, margin);
  for (QTextEdit* editor : {m_MonthEditor, m_DayEditor}) {
    QObject::connect(editor, &QTextEdit::selectionChanged, this, [this] { UpdateCommandUI(); });
    QObject::connect(editor, &QTextEdit::undoAvailable, this, [this] { UpdateCommandUI(); });
  }
}

void CMainFrame::AddFrameHandlers() {
  const auto toggleBar = [this](QWidget* bar) { bar->setVisible(bar->isHidden()); };
  SetHandler(cmd::ViewToolBar, [=, this] { toggleBar(m_ToolBar); });
  SetHandler(cmd::ViewStyleBar, [=, this] { toggleBar(m_StyleBar); });
  SetHandler(cmd::ViewRuler, [=, this] { toggleBar(m_RulerBar); });
  SetHandler(cmd::ViewStatusBar, [=, this] { toggleBar(statusBar()); });
  SetHandler(cmd::AlwaysOnTop, [this] { ToggleAlwaysOnTop(); });
  SetHandler(cmd::Maximise, [this] { ToggleMaximised(); });
  SetHandler(cmd::AppExit, [this] { close(); });
  SetHandler(cmd::AppAbout, [this] {
    QMessageBox::about(this, QStringLiteral("O programu Orvella 2"),
                       QStringLiteral("<b>Orvella 2</b>, verze %1<br><br>Kalendář a deník: krátké poznámky a "
                                      "výklady dnů a měsíců, svátky a jmeniny, fáze Měsíce.")
                           .arg(QStringLiteral(ORV_VERSION)));
  });
  SetHandler(cmd::HelpTopics, [this] { ShowHelp(QStringLiteral("obsah")); });
  m_DialogHelpKey = std::make_unique<CDialogHelpKey>(
      [this](QWidget* dialog) { ShowHelp(HelpSectionOfDialog(dialog->windowTitle()), dialog); });
  qApp->installEventFilter(m_DialogHelpKey.get());
  m_WindowFit = std::make_unique<CWindowFit>();
  qApp->installEventFilter(m_WindowFit.get());
  AddTextPaneCommand(cmd::EditCut, "cut", true, [](CRichTextView& editor) { editor.Cut(); });
  AddTextPaneCommand(cmd::EditCopy, "copy", false, [](CRichTextView& editor) { editor.Copy(); });
  AddTextPaneCommand(cmd::EditPaste, "paste", true, [](CRichTextView& editor) { editor.Paste(); });
  AddTextPaneCommand(cmd::EditUndo, "undo", true, [](CRichTextView& editor) {
    if (editor.isReadOnly()) return;
    editor.undo();
    editor.Editor().AfterEdit();
  });
}

// The text panes (line edits and text editors alike) carry these as slots of the same names; a
// commentary editor has its own rules for them. The cut, paste and undo slots of a line edit change
// even a read-only text, so `writes` commands leave a read-only pane alone.
void CMainFrame::AddTextPaneCommand(int id, const char* slot, bool writes,
                                    void (*editorCommand)(CRichTextView&)) {
  SetHandler(id, [this, slot, writes, editorCommand] {
    QWidget* pane = FocusedTextPane();
    if (auto* editor = dynamic_cast<CRichTextView*>(pane)) {
      editorCommand(*editor);
    } else if (pane && !(writes && pane->property("readOnly").toBool())) {
      QMetaObject::invokeMethod(pane, slot);
    }
  });
}

QAction* CMainFrame::Action(int id) const {
  const auto it = m_Actions.find(id);
  return it == m_Actions.end() ? nullptr : it->second;
}

void CMainFrame::SetHandler(int id, std::function<void()> handler) {
  m_Handlers[id] = std::move(handler);
  UpdateCommandUI();
}

void CMainFrame::SetViewState(std::function<void(SFrameState&)> viewState) {
  m_ViewState = std::move(viewState);
  UpdateCommandUI();
}

// A menu opened from the keyboard gives the focus to the menu bar first; its commands still act on
// the pane the user was in.
QWidget* CMainFrame::PaneFocus() const {
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == menuBar() || focus->window()->windowType() == Qt::Popup)) return m_LastPaneFocus;
  return focus;
}

QWidget* CMainFrame::FocusedTextPane() const {
  QWidget* focus = PaneFocus();
  if (qobject_cast<QLineEdit*>(focus) && m_Calendar && m_Calendar->isAncestorOf(focus)) return focus;
  if (focus && (focus == m_MonthEditor || focus == m_DayEditor)) return focus;
  if (focus && m_MonthEditor && m_MonthEditor->isAncestorOf(focus)) return m_MonthEditor;
  if (focus && m_DayEditor && m_DayEditor->isAncestorOf(focus)) return m_DayEditor;
  return nullptr;
}

FocusPane CMainFrame::FocusedPane() const {
  QWidget* focus = PaneFocus();
  if (!focus || !m_Calendar) return FocusPane::Other;
  const auto inside = [focus](QWidget* pane) { return pane == focus || pane->isAncestorOf(focus); };
  if (inside(m_MonthEditor)) return FocusPane::MonthEditor;
  if (inside(m_DayEditor)) return FocusPane::DayEditor;
  if (inside(m_Calendar)) return qobject_cast<QLineEdit*>(focus) ? FocusPane::Note : FocusPane::Grid;
  return FocusPane::Other;
}

SFrameState CMainFrame::FrameState() const {
  SFrameState state;
  state.focus = FocusedPane();
  if (QWidget* pane = FocusedTextPane()) {
    if (auto* edit = qobject_cast<QLineEdit*>(pane)) {
      state.hasSelection = edit->hasSelectedText();
      state.canUndo = edit->isUndoAvailable();
    } else if (auto* text = qobject_cast<QTextEdit*>(pane)) {
      state.hasSelection = text->textCursor().hasSelection();
      state.canUndo = text->document()->isUndoAvailable();
    }
  }
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  state.clipboardHasText = clip && clip->hasText();
  state.clipboardHasData = clip && !clip->formats().isEmpty();
  state.alwaysOnTop = m_bAlwaysOnTop;
  state.maximised = m_bMaximised;
  state.toolBarVisible = !m_ToolBar->isHidden();
  state.styleBarVisible = !m_StyleBar->isHidden();
  state.rulerVisible = !m_RulerBar->isHidden();
  state.statusBarVisible = !statusBar()->isHidden();
  if (m_ViewState) m_ViewState(state);
  return state;
}

void CMainFrame::UpdateCommandUI() {
  if (!m_Calendar) return;  // still being built
  // While a list of the formatting toolbar or a menu is open, the panes keep the state they had.
  QWidget* focus = QApplication::focusWidget();
  if (focus && (m_StyleBar->isAncestorOf(focus) || focus->window()->windowType() == Qt::Popup)) return;
  const SFrameState frame = FrameState();
  for (const auto& [id, action] : m_Actions) {
    const bool handled = id == cmd::RecentFiles ? !m_RecentFiles.isEmpty() : m_Handlers.count(id) > 0;
    const SCommandState state = CommandState(id, frame, handled);
    action->setEnabled(state.enabled);
    action->setVisible(state.visible);
    if (action->isCheckable()) action->setChecked(state.checked);
    if (!state.text.empty()) action->setText(Utf8(state.text));
    if (!state.prompt.empty()) action->setStatusTip(Utf8(state.prompt));
  }
  m_StyleBar->SetFontControlsEnabled(CommandState(cmd::FontDialog, frame, true).enabled);
}

void CMainFrame::FitCalendarPane() {
  auto* table = m_Calendar->findChild<QTextEdit*>(QStringLiteral("MonthTable"));
  if (!table) return;
  const int chrome = m_Calendar->width() - table->viewport()->width();
  const int wanted =
      static_cast<int>(std::ceil(table->document()->idealWidth())) +
      std::max(chrome, 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width());
  const int total = m_Outer->width() > 0 ? m_Outer->width() : width();
  const int calendar = std::min(wanted, total / 2);
  m_Outer->setSizes({calendar, total - calendar});
}

// The guide of the main window stays for the next F1; one opened over a dialog belongs to it, so
// that the dialog, modal as it is, does not block it.
void CMainFrame::ShowHelp(const QString& section, QWidget* dialog) {
  if (dialog) {
    auto* help = new CHelpWindow(CommandsHtml(), dialog);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->ShowSection(section);
    return;
  }
  if (!m_Help) m_Help = new CHelpWindow(CommandsHtml(), this);
  m_Help->ShowSection(section);
}

void CMainFrame::SetDocumentTitle(const QString& title) {
  setWindowTitle(title + QStringLiteral("[*] – Orvella 2"));
}

void CMainFrame::SetRecentFiles(const QStringList& paths) {
  m_RecentFiles = paths;
  RefreshRecentMenu();
  UpdateCommandUI();
}

void CMainFrame::RefreshRecentMenu() {
  m_RecentMenu->clear();
  for (int i = 0; i < m_RecentFiles.size(); ++i) {
    const QString path = m_RecentFiles[i];
    QAction* item = m_RecentMenu->addAction(RecentFileText(i, path));
    item->setStatusTip(QStringLiteral("Otevře kalendář %1").arg(QDir::toNativeSeparators(path)));
    QObject::connect(item, &QAction::triggered, this, [this, path] {
      if (m_OpenFile) m_OpenFile(path);
    });
  }
}

// As the panes have always been written: one leading tab centres the text, two align it right.
void CMainFrame::SetStatusPane(int index, const QString& text) {
  if (index < 1 || index > kStatusPanes) return;
  QLabel* pane = m_StatusPanes[static_cast<std::size_t>(index - 1)];
  qsizetype tabs = 0;
  while (tabs < 2 && tabs < text.size() && text[tabs] == QLatin1Char('\t')) ++tabs;
  const Qt::Alignment alignment[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  pane->setAlignment(alignment[tabs] | Qt::AlignVCenter);
  pane->setText(text.mid(tabs));
}

QString CMainFrame::StatusPane(int index) const {
  if (index < 1 || index > kStatusPanes) return {};
  return m_StatusPanes[static_cast<std::size_t>(index - 1)]->text();
}

// Czech forms whatever the locale, as every other text of the window.
void CMainFrame::RefreshClock() {
  const QDateTime now = QDateTime::currentDateTime();
  SetStatusPane(kDatePane, now.toString(QStringLiteral("d.M.yyyy")));
  SetStatusPane(kTimePane, now.toString(QStringLiteral("H:mm:ss")));
}

void CMainFrame::ToggleAlwaysOnTop() {
  m_bAlwaysOnTop = !m_bAlwaysOnTop;
  const QRect place = geometry();
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, m_bAlwaysOnTop);
  if (shown) {
    setGeometry(place);
    show();
  }
  // Wayland leaves stacking and placement to the compositor: the user hears why nothing changed.
  if (m_bAlwaysOnTop && QGuiApplication::platformName().startsWith(QStringLiteral("wayland")))
    statusBar()->showMessage(Utf8(kOnTopNotOnWayland));
  UpdateCommandUI();
}

void CMainFrame::ToggleMaximised() {
  if (isMaximized())
    showNormal();
  else
    showMaximized();
}

void CMainFrame::SaveBarState() const {
  QSettings settings;
  settings.setValue(QString::fromLatin1(kBarStateKey), saveState());
  settings.setValue(QString::fromLatin1(kStatusBarKey), !statusBar()->isHidden());
  if (!isMaximized() && !isFullScreen()) settings.setValue(QString::fromLatin1(kWindowSizeKey), size());
  settings.setValue(QString::fromLatin1(kCalendarSplitterKey), m_Outer->saveState());
  settings.setValue(QString::fromLatin1(kCommentarySplitterKey), m_Inner->saveState());
}

void CMainFrame::RestoreBarState() {
  QSettings settings;
  restoreState(settings.value(QString::fromLatin1(kBarStateKey)).toByteArray());
  statusBar()->setVisible(settings.value(QString::fromLatin1(kStatusBarKey), true).toBool());
  // A size left on a larger screen, or at a smaller scale, is cut to this screen's free area.
  const QSize left = settings.value(QString::fromLatin1(kWindowSizeKey)).toSize();
  if (left.isValid() && screen()) resize(left.boundedTo(screen()->availableGeometry().size()));
}

// The maximised flag follows the window, also when it was maximised by its title bar.
bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
    statusBar()->showMessage(Utf8(kIdlePrompt));
    return true;
  }
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowStateChange) {
    m_bMaximised = isMaximized();
    UpdateCommandUI();
  }
  return handled;
}

// The first layout, once the window has its size and the table its month.
void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_bShownOnce) return;
  m_bShownOnce = true;
  // Narrower than its panes, the status bar would draw them over each other.
  statusBar()->setMinimumWidth(statusBar()->minimumSizeHint().width() +
                               4 * statusBar()->fontMetrics().averageCharWidth());
  // The panes as the user left them; the first time the calendar as wide as its month.
  QSettings settings;
  if (!m_Outer->restoreState(settings.value(QString::fromLatin1(kCalendarSplitterKey)).toByteArray()))
    FitCalendarPane();
  m_Inner->restoreState(settings.value(QString::fromLatin1(kCommentarySplitterKey)).toByteArray());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  SaveBarState();
  if (m_CanClose && !m_CanClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace orv
