#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

namespace orv {
namespace {

// One line of UTF-8: "open <path>" or "show".
QByteArray Message(const QString& file) {
  return file.isEmpty() ? QByteArrayLiteral("show\n") : "open " + file.toUtf8() + '\n';
}

constexpr int kTimeoutMs = 5000;

}  // namespace

CSingleInstance::CSingleInstance(const QString& directory) {
  QString dir = directory;
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  m_Lock = std::make_unique<QLockFile>(dir + QStringLiteral("/orvella2.lock"));
  // A lock is stale only when its process is gone, whatever its age.
  m_Lock->setStaleLockTime(0);
  m_SocketPath = dir + QStringLiteral("/orvella2.socket");
}

CSingleInstance::~CSingleInstance() {
  delete m_Server;
}

bool CSingleInstance::TryAcquire() {
  if (m_Lock->isLocked()) return true;
  if (!m_Lock->tryLock(0)) return false;
  Listen();
  return true;
}

// The lock says this is the one instance, so a socket left by a crashed one is removed; the socket
// is the user's alone.
void CSingleInstance::Listen() {
  m_Server = new QLocalServer;
  m_Server->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(m_SocketPath);
  if (!m_Server->listen(m_SocketPath)) return;
  QObject::connect(m_Server, &QLocalServer::newConnection, m_Server, [this] { Receive(); });
}

void CSingleInstance::Receive() {
  while (QLocalSocket* socket = m_Server->nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      if (!socket->canReadLine()) return;
      const QByteArray line = socket->readLine(64 * 1024).trimmed();
      socket->disconnectFromServer();
      QString file;
      if (line.startsWith("open "))
        file = QString::fromUtf8(line.mid(5));
      else if (line != "show")
        return;
      // Asking about unsaved changes opens a dialog: not inside the socket's own signal.
      QTimer::singleShot(0, m_Server, [this, file] {
        if (m_OnHandOver) m_OnHandOver(file);
      });
    });
  }
}

bool CSingleInstance::HandOver(const QString& file) const {
  QLocalSocket socket;
  socket.connectToServer(m_SocketPath);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write(Message(file));
  if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  socket.waitForDisconnected(kTimeoutMs);
  return true;
}

}  // namespace orv
