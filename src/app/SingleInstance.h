#pragma once
// One running program per user. The first start holds a lock file in a folder of this user's own
// for as long as it runs (the lock dies with its process, so a crashed program does not block the
// next start) and listens on a local socket beside it. A later start finds the lock held, hands its
// file (or nothing) over that socket and ends; the running program comes to the front and opens
// the file.
//
// The folder is the user's runtime directory, else /tmp/orvella-UID, else the user's cache folder:
// the first that is a real folder (no link) owned by this user that no one else may enter. A name
// that other users share would let one of them hold the lock first and learn which file is opened.
// Both ends of the socket check that the other belongs to the same user, and a message is one line
// of at most 64 KB.
//
//   CSingleInstance instance;
//   if (!instance.TryAcquire()) return instance.HandOver(file) ? 0 : 1;
//   instance.SetOnHandOver([&](const QString& file) { ... });

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace orv {

class CSingleInstance {
 public:
  // `directory` empty: the folder chosen by PrivateFolder().
  explicit CSingleInstance(const QString& directory = {});
  ~CSingleInstance();
  // True when this process is the one instance; it stays so until the object is destroyed. The
  // one instance listens for later starts from then on. With no private folder to be found the
  // program runs on its own, without hand-overs.
  bool TryAcquire();
  // A later start: gives `file` (absolute, or empty to only bring the window to the front) to the
  // running program. False when it could not be reached.
  bool HandOver(const QString& file) const;
  // What the one instance does with a file handed over (empty: only come to the front).
  void SetOnHandOver(std::function<void(const QString& file)> onHandOver) {
    m_OnHandOver = std::move(onHandOver);
  }

  // The folder of the lock and the socket, created where missing; empty when none is this user's own.
  static QString PrivateFolder();
  // `path` when it is a folder (not a link) owned by this user and closed to everyone else, made so
  // first when `create` and it does not exist; else empty.
  static QString OwnFolder(const QString& path, bool create);

 private:
  void Listen();
  void Receive();
  void Read(QLocalSocket* socket);

  QString m_SocketPath;
  std::unique_ptr<QLockFile> m_Lock;
  QLocalServer* m_Server = nullptr;
  std::function<void(const QString&)> m_OnHandOver;
};

}  // namespace orv
