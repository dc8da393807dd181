// Calendars dropped on the window: a file dropped anywhere on it, the note field and the editors
// included, opens as "Otevřít" opens it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/MainFrame.h"

namespace orv {

namespace {

QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString file = DroppedFile(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  activateWindow();
  OpenFile(file);
}

// A file dropped on the note field or an editor opens as on the rest of the window, instead of
// going into the text as its address.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString file = DroppedFile(drop->mimeData());
    if (!file.isEmpty()) {
      drop->acceptProposedAction();
      if (type == QEvent::Drop) {
        activateWindow();
        OpenFile(file);
      }
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace orv
