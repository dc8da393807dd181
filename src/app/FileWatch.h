#pragma once
// Watches the open calendar's file and the folder it is in, so that a sync tool's change is seen
// however it is written: in place, or as a new file renamed over the old one (which a watch on the
// file alone would lose). A change is told only once the file's size and time have been still for
// a second, so that a file still being written is never read half.
//
//   CFileWatch watch;  watch.SetOnSettled(onSettled);  watch.Watch(path);
//
// onSettled runs after every quiet second that followed a change of the file or the folder; the
// listener compares the file with what it knows (a change of its own save is no change to it).

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "core/RegularFile.h"

namespace orv {

class CFileWatch : public QObject {
 public:
  explicit CFileWatch(QObject* parent = nullptr);

  // An empty path watches nothing.
  void Watch(const std::string& path);
  void SetOnSettled(std::function<void()> onSettled) { m_OnSettled = std::move(onSettled); }

  static constexpr int kStillMs = 1000;

 private:
  void RewatchFile();
  void Stirred();
  void Check();

  QFileSystemWatcher m_Watcher;
  QTimer m_Poll;
  std::string m_Path;
  std::optional<SFileIdentity> m_Seen;
  int m_StillTicks = 0;
  std::function<void()> m_OnSettled;
};

}  // namespace orv
