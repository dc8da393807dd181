#pragma once
// One running program per user. The first start holds a lock file in the user's runtime directory
// for as long as it runs (the lock dies with its process, so a crashed program does not block the
// next start) and listens on a local socket beside it. A later start finds the lock held, hands its
// file (or nothing) over that socket and ends; the running program comes to the front and opens
// the file.
//
//   CSingleInstance instance;
//   if (!instance.TryAcquire()) return instance.HandOver(file) ? 0 : 1;
//   instance.SetOnHandOver([&](const QString& file) { ... });

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace orv {

class CSingleInstance {
 public:
  // `directory` empty: the user's runtime directory.
  explicit CSingleInstance(const QString& directory = {});
  ~CSingleInstance();
  // True when this process is the one instance; it stays so until the object is destroyed. The
  // one instance listens for later starts from then on.
  bool TryAcquire();
  // A later start: gives `file` (absolute, or empty to only bring the window to the front) to the
  // running program. False when it could not be reached.
  bool HandOver(const QString& file) const;
  // What the one instance does with a file handed over (empty: only come to the front).
  void SetOnHandOver(std::function<void(const QString& file)> onHandOver) {
    m_OnHandOver = std::move(onHandOver);
  }

 private:
  void Listen();
  void Receive();

  QString m_SocketPath;
  std::unique_ptr<QLockFile> m_Lock;
  QLocalServer* m_Server = nullptr;
  std::function<void(const QString&)> m_OnHandOver;
};

}  // namespace orv
