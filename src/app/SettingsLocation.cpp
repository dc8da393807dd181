#include "app/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace orv {

void UseXdgSettings() {
  QCoreApplication::setOrganizationName(QStringLiteral("orvella"));
  QCoreApplication::setApplicationName(QStringLiteral("orvella"));
  const QString current = QSettings().fileName();
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString oldDir = config + QStringLiteral("/Local AppWizard-Generated Applications");
  const QString old = oldDir + QStringLiteral("/Orvella 2.conf");
  if (QFile::exists(current) || !QFile::exists(old)) return;
  QDir().mkpath(QFileInfo(current).absolutePath());
  // Copied first and removed after, so that a failure leaves the old settings where they were.
  if (QFile::copy(old, current)) {
    QFile::remove(old);
    QDir().rmdir(oldDir);  // only when it is empty
  }
}

}  // namespace orv
