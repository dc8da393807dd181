// Settings under the XDG config folder, with those of an earlier version moved there once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "app/SettingsLocation.h"

namespace orv {
namespace {

TEST(SettingsLocation, EarlierSettingsMoveOnceIntoTheOrvellaFolder) {
  QStandardPaths::setTestModeEnabled(true);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString oldDir = config + QStringLiteral("/Local AppWizard-Generated Applications");
  QDir(config + QStringLiteral("/orvella")).removeRecursively();
  QDir().mkpath(oldDir);
  {
    QSettings old(oldDir + QStringLiteral("/Orvella 2.conf"), QSettings::IniFormat);
    old.setValue(QStringLiteral("Recent/1"), QStringLiteral("/home/jana/diar.orv"));
  }
  UseXdgSettings();
  EXPECT_EQ(QSettings().fileName(), config + QStringLiteral("/orvella/orvella.conf"));
  EXPECT_EQ(QSettings().value(QStringLiteral("Recent/1")).toString(), QStringLiteral("/home/jana/diar.orv"));
  EXPECT_FALSE(QFile::exists(oldDir + QStringLiteral("/Orvella 2.conf")));

  QSettings().setValue(QStringLiteral("Recent/1"), QStringLiteral("/home/jana/novy.orv"));
  QDir().mkpath(oldDir);
  QFile(oldDir + QStringLiteral("/Orvella 2.conf")).open(QIODevice::WriteOnly);
  UseXdgSettings();  // the new settings are never overwritten
  EXPECT_EQ(QSettings().value(QStringLiteral("Recent/1")).toString(), QStringLiteral("/home/jana/novy.orv"));
  QFile::remove(oldDir + QStringLiteral("/Orvella 2.conf"));
  QDir(config + QStringLiteral("/orvella")).removeRecursively();
}

}  // namespace
}  // namespace orv
