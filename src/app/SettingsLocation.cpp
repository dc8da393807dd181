#include "app/SettingsLocation.h"

#include <sys/stat.h>

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

// A FIFO or a device in the file's place is not waited on, nor read: it is no configuration.
std::string GuardSettingsFile(const QString& fallback) {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                       QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
                       QStringLiteral(".conf");
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fallback);
  return "Soubor nastavení " + path.toStdString() +
         " není obyčejný soubor; nastavení programu se tentokrát nenačte ani neuloží.";
}

}  // namespace orv
