#pragma once
// The last 10 calendars opened or saved, newest first, kept in the per-user settings.

#include <QStringList>

namespace orv {

class CRecentFileList {
 public:
  static constexpr int kSize = 10;

  CRecentFileList();
  const QStringList& Files() const { return m_Files; }
  // Puts the file first (once, by its absolute path) and saves the list.
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Save() const;
  QStringList m_Files;
};

}  // namespace orv
