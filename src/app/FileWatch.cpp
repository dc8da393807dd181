#include "app/FileWatch.h"

#include <sys/stat.h>

#include <QFileInfo>

namespace orv {
namespace {

constexpr int kPollMs = 250;

std::optional<SFileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return SFileIdentity::Of(st);
}

}  // namespace

CFileWatch::CFileWatch(QObject* parent) : QObject(parent) {
  m_Poll.setInterval(kPollMs);
  QObject::connect(&m_Poll, &QTimer::timeout, this, [this] { Check(); });
  QObject::connect(&m_Watcher, &QFileSystemWatcher::fileChanged, this, [this] { Stirred(); });
  QObject::connect(&m_Watcher, &QFileSystemWatcher::directoryChanged, this, [this] { Stirred(); });
}

void CFileWatch::Watch(const std::string& path) {
  if (!m_Watcher.files().isEmpty()) m_Watcher.removePaths(m_Watcher.files());
  if (!m_Watcher.directories().isEmpty()) m_Watcher.removePaths(m_Watcher.directories());
  m_Poll.stop();
  m_Path = path;
  if (path.empty()) return;
  const QString file = QString::fromStdString(path);
  m_Watcher.addPath(QFileInfo(file).absolutePath());
  m_Watcher.addPath(file);
}

void CFileWatch::RewatchFile() {
  // A file renamed over the watched one ends the watch on the old one: the new one is watched.
  const QString file = QString::fromStdString(m_Path);
  if (!m_Watcher.files().contains(file) && QFileInfo::exists(file)) m_Watcher.addPath(file);
}

void CFileWatch::Stirred() {
  RewatchFile();
  m_Seen = IdentityOf(m_Path);
  m_StillTicks = 0;
  m_Poll.start();
}

void CFileWatch::Check() {
  const std::optional<SFileIdentity> now = IdentityOf(m_Path);
  if (now != m_Seen) {
    m_Seen = now;
    m_StillTicks = 0;
    return;
  }
  if (++m_StillTicks * kPollMs < kStillMs) return;
  m_Poll.stop();
  RewatchFile();
  if (m_OnSettled) m_OnSettled();
}

}  // namespace orv
