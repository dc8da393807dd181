#pragma once
// One running program per user: the first start holds a lock file in the user's runtime directory
// for as long as it runs; a later start finds the lock held and ends without showing anything. The
// lock dies with its process, so a crashed program does not block the next start.

#include <QLockFile>
#include <QString>
#include <memory>

namespace orv {

class CSingleInstance {
 public:
  // `directory` empty: the user's runtime directory.
  explicit CSingleInstance(const QString& directory = {});
  // True when this process is the one instance; it stays so until the object is destroyed.
  bool TryAcquire();

 private:
  std::unique_ptr<QLockFile> m_Lock;
};

}  // namespace orv
