#include "app/SingleInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstdio>

namespace orv {
namespace {

// One line of UTF-8: "open <path>" or "show".
QByteArray Message(const QString& file) {
  return file.isEmpty() ? QByteArrayLiteral("show\n") : "open " + file.toUtf8() + '\n';
}

constexpr int kTimeoutMs = 5000;
constexpr qint64 kMaxLine = 64 * 1024;

// The other end of a connected local socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == ::geteuid();
}

QString Environment(const char* name) {
  const QString value = qEnvironmentVariable(name);
  return QDir::isAbsolutePath(value) ? value : QString();
}

}  // namespace

QString CSingleInstance::OwnFolder(const QString& path, bool create) {
  if (path.isEmpty()) return {};
  const QByteArray name = QFile::encodeName(path);
  if (create) ::mkdir(name.constData(), 0700);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
      (st.st_mode & 077) != 0)
    return {};
  return path;
}

QString CSingleInstance::PrivateFolder() {
  if (QString runtime = OwnFolder(Environment("XDG_RUNTIME_DIR"), false); !runtime.isEmpty()) return runtime;
  const QString user = QString::number(::geteuid());
  if (QString temp = OwnFolder(QDir::tempPath() + QStringLiteral("/orvella-") + user, true); !temp.isEmpty())
    return temp;
  QString cache = Environment("XDG_CACHE_HOME");
  if (cache.isEmpty() && !Environment("HOME").isEmpty()) cache = Environment("HOME") + QStringLiteral("/.cache");
  if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
  return OwnFolder(cache + QStringLiteral("/orvella-instance"), true);
}

CSingleInstance::CSingleInstance(const QString& directory) {
  const QString dir = directory.isEmpty() ? PrivateFolder() : directory;
  if (dir.isEmpty()) {
    std::fputs("orvella: nenašla se složka, do které smí jen tento uživatel; Orvella poběží bez "
               "předávání souborů dalším spuštěním.\n",
               stderr);
    return;
  }
  m_Lock = std::make_unique<QLockFile>(dir + QStringLiteral("/orvella2.lock"));
  // A lock is stale only when its process is gone, whatever its age.
  m_Lock->setStaleLockTime(0);
  m_SocketPath = dir + QStringLiteral("/orvella2.socket");
}

CSingleInstance::~CSingleInstance() {
  delete m_Server;
}

bool CSingleInstance::TryAcquire() {
  if (!m_Lock || m_Lock->isLocked()) return true;
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
    if (!PeerIsThisUser(*socket)) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    // A peer that never ends its line, or sends more than a line, is cut off.
    socket->setReadBufferSize(kMaxLine);
    QTimer::singleShot(kTimeoutMs, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Read(socket); });
    if (socket->bytesAvailable() > 0) Read(socket);
  }
}

void CSingleInstance::Read(QLocalSocket* socket) {
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() >= kMaxLine) {
      socket->abort();
      socket->deleteLater();
    }
    return;
  }
  const QByteArray line = socket->readLine(kMaxLine + 1).trimmed();
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
}

bool CSingleInstance::HandOver(const QString& file) const {
  if (m_SocketPath.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(m_SocketPath);
  if (!socket.waitForConnected(kTimeoutMs) || !PeerIsThisUser(socket)) return false;
  socket.write(Message(file));
  if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  socket.waitForDisconnected(kTimeoutMs);
  return true;
}

}  // namespace orv
