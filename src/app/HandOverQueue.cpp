#include "app/HandOverQueue.h"

#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>
#include <utility>

#include "app/MainFrame.h"

namespace orv {
namespace {

constexpr int kPollMs = 100;

void BringToFront(QWidget& window) {
  if (window.isMinimized()) window.showNormal();
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

CHandOverQueue::CHandOverQueue(CMainFrame& frame) : m_Frame(frame) {
  m_Poll.setInterval(kPollMs);
  QObject::connect(&m_Poll, &QTimer::timeout, this, [this] { OpenWhenFree(); });
}

void CHandOverQueue::Receive(const QString& file) {
  BringToFront(m_Frame);
  if (file.isEmpty()) return;
  m_Waiting = file;
  if (Busy()) {
    m_Frame.statusBar()->showMessage(
        QStringLiteral("Soubor %1 bude otevřen po zavření dialogu.").arg(QFileInfo(file).fileName()));
    m_Poll.start();
    return;
  }
  OpenWhenFree();
}

// A modal dialog outside any command (the question before closing, the offer of a recovery copy)
// counts as well as a command's own, and so does an open still waiting for another program's lock.
bool CHandOverQueue::Busy() const {
  return m_Opening || QApplication::activeModalWidget() != nullptr || m_Frame.CommandRunning();
}

void CHandOverQueue::OpenWhenFree() {
  if (Busy()) return;
  m_Poll.stop();
  const QString file = std::exchange(m_Waiting, QString());
  if (file.isEmpty()) return;
  m_Opening = true;
  m_Frame.OpenFile(file);
  m_Opening = false;
}

}  // namespace orv
