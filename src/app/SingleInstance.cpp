#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace orv {

CSingleInstance::CSingleInstance(const QString& directory) {
  QString dir = directory;
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  m_Lock = std::make_unique<QLockFile>(dir + QStringLiteral("/orvella2.lock"));
  // A lock is stale only when its process is gone, whatever its age.
  m_Lock->setStaleLockTime(0);
}

bool CSingleInstance::TryAcquire() {
  return m_Lock->isLocked() || m_Lock->tryLock(0);
}

}  // namespace orv
