#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace orv {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Key(int index) {
  return QStringLiteral("File%1").arg(index + 1);
}

QString Absolute(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

}  // namespace

CRecentFileList::CRecentFileList() {
  QSettings settings;
  settings.beginGroup(kGroup);
  for (int i = 0; i < kSize; ++i) {
    const QString path = settings.value(Key(i)).toString();
    if (!path.isEmpty() && !m_Files.contains(path)) m_Files.append(path);
  }
}

void CRecentFileList::Add(const QString& path) {
  const QString absolute = Absolute(path);
  m_Files.removeAll(absolute);
  m_Files.prepend(absolute);
  while (m_Files.size() > kSize) m_Files.removeLast();
  Save();
}

void CRecentFileList::Remove(const QString& path) {
  if (m_Files.removeAll(Absolute(path)) > 0) Save();
}

void CRecentFileList::Save() const {
  QSettings settings;
  settings.remove(kGroup);
  settings.beginGroup(kGroup);
  for (int i = 0; i < m_Files.size(); ++i) settings.setValue(Key(i), m_Files[i]);
}

}  // namespace orv
