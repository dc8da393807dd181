#include "ui/WindowFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QLayout>
#include <QListView>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace orv {
namespace {

const QString kProgramName = QStringLiteral("Orvella 2");

// The windows fitted here: the program's dialogs and its other windows, not the main window (it
// chooses its first size itself), popups, tool tips or the windows of embedded controls.
bool IsFitted(const QWidget* widget) {
  if (!widget->isWindow() || qobject_cast<const QMainWindow*>(widget)) return false;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Dialog || type == Qt::Window || type == Qt::Sheet;
}

// How much wider the list `view` must be to show its longest entry whole.
int MissingListWidth(const QAbstractItemView* view) {
  int content = 0;
  if (const auto* tree = qobject_cast<const QTreeView*>(view)) {
    const QHeaderView* header = tree->header();
    for (int column = 0; column < header->count(); ++column)
      if (!header->isSectionHidden(column))
        content += std::max(view->sizeHintForColumn(column),
                            header->isHidden() ? 0 : header->sectionSizeHint(column));
  } else if (const auto* list = qobject_cast<const QListView*>(view)) {
    if (list->viewMode() != QListView::ListMode || list->isWrapping()) return 0;  // a grid wraps
    content = list->sizeHintForColumn(0);
  } else {
    return 0;
  }
  if (view->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
    content += view->verticalScrollBar()->sizeHint().width();
  return std::max(0, content - view->viewport()->width());
}

int MissingListsWidth(const QWidget* window) {
  int missing = 0;
  for (const QAbstractItemView* view : window->findChildren<QAbstractItemView*>())
    if (view->isVisibleTo(window) && view->window() == window)
      missing = std::max(missing, MissingListWidth(view));
  return missing;
}

// Content larger than the screen goes into a scroll area filling the window, with its widgets as
// they were.
void ScrollContent(QWidget* window) {
  QLayout* content = window->layout();
  if (!content) return;
  QWidget* focus = window->focusWidget();
  QList<QWidget*> shown;
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->isWindow() && !child->isHidden()) shown.append(child);
  auto* inside = new QWidget(window);  // in the same window: the order of the focus stays
  inside->setLayout(content);          // takes the widgets along
  auto* scroll = new QScrollArea(window);
  scroll->setObjectName(QStringLiteral("WindowFitScroll"));
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(inside);
  auto* outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  for (QWidget* child : shown) child->show();
  scroll->show();
  outer->activate();
  if (focus) focus->setFocus();  // hidden on the way, it lost the focus
}

// A shown window that grew is moved back within its screen's free area, frame and all.
void KeepOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  // The platform's frame: QWidget's copy of the margins can lag behind a window manager that frames late.
  const QRect frame = window->windowHandle() ? window->windowHandle()->frameGeometry() : window->frameGeometry();
  const int x = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
  const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
  if (x != frame.left() || y != frame.top()) window->move(x, y);
}

}  // namespace

QString ProgramTitle(const QString& title) {
  if (title.endsWith(kProgramName)) return title;
  return title.isEmpty() ? kProgramName : title + QStringLiteral(" – ") + kProgramName;
}

// The window manager's title font is not known to the program; a bold application font is as large
// as the usual ones. The buttons: the window's icon, minimise, maximise and close.
int TitleBarWidth(const QWidget* window, const QString& title) {
  QFont font = window->font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(title) + 4 * (metrics.height() + 8) + 24;
}

QMargins FrameMargins(const QWidget* window) {
  const auto marginsOf = [](const QWidget* shown) -> QMargins {
    const QWindow* handle = shown ? shown->windowHandle() : nullptr;
    if (!handle || !shown->isVisible()) return {};
    return handle->frameMargins();
  };
  QMargins frame = marginsOf(window);
  if (frame.isNull()) frame = marginsOf(window->parentWidget() ? window->parentWidget()->window() : nullptr);
  if (frame.isNull()) frame = marginsOf(QApplication::activeWindow());
  if (frame.isNull()) {
    const int title = window->fontMetrics().height() + 12;
    frame = QMargins(4, title, 4, 4);
  }
  return frame;
}

QSize ContentRoom(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const QMargins frame = FrameMargins(window);
  return screen->availableGeometry().size().shrunkBy(frame);
}

void FitWindow(QWidget* window) {
  if (window->isMaximized() || window->isFullScreen() || qobject_cast<QMessageBox*>(window) ||
      qobject_cast<QProgressDialog*>(window))
    return;
  const QSize room = ContentRoom(window);
  if (window->layout() && !window->findChild<QScrollArea*>(QStringLiteral("WindowFitScroll"))) {
    const QSize least = window->minimumSizeHint();
    if (least.width() > room.width() || least.height() > room.height()) ScrollContent(window);
  }
  // As wide as the content asks (lines of text do not wrap); the height the dialog chose stays.
  QSize wanted = window->size();
  wanted.setWidth(std::max(wanted.width(), window->sizeHint().width()));
  wanted.rwidth() += MissingListsWidth(window);
  wanted.setWidth(std::max(wanted.width(), TitleBarWidth(window, ProgramTitle(window->windowTitle()))));
  const QSize fitted = wanted.boundedTo(room).expandedTo(window->minimumSize());
  // The width also as the least one: the window manager, which may still hold the first size of
  // the window, keeps to it, and so does the user.
  if (fitted.width() > window->minimumWidth()) window->setMinimumWidth(fitted.width());
  if (fitted != window->size()) window->resize(fitted.boundedTo(window->maximumSize()));
  if (window->testAttribute(Qt::WA_Mapped)) KeepOnScreen(window);  // on its first showing it is placed after
}

bool CWindowFit::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Show && type != QEvent::WindowTitleChange) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !IsFitted(widget)) return false;
  if (QWindow* handle = widget->windowHandle()) {
    const QString shown = widget->windowTitle().remove(QStringLiteral("[*]"));
    if (!shown.endsWith(kProgramName)) handle->setTitle(ProgramTitle(shown));
  }
  if (type == QEvent::Show && !event->spontaneous()) FitWindow(widget);
  return false;
}

}  // namespace orv
