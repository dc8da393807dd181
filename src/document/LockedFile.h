#pragma once
// A calendar file opened for reading under the advisory lock that the program's writers share (orv
// and the window alike take it with flock). A save renames a new file over the path, so a lock on
// the file the path named before would guard nothing: after locking, the path is checked to still
// name the locked file, and when it does not, the new file is opened and locked instead.
//
//   CLockedFile file;
//   if (const int error = file.Open(path)) report(FileErrorReason(error));
//   read from file.Fd() ...   // the lock lasts until the object is destroyed or Close()d

#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <string>

#include "core/RegularFile.h"

namespace orv {

// How long a reader or a save waits for another program's save to end.
inline constexpr std::chrono::milliseconds kLockWait{10000};

// Told at every pause while another program holds the lock, with how long the wait has lasted.
using LockWaitRound = std::function<void(std::chrono::milliseconds waited)>;

class CLockedFile {
 public:
  CLockedFile() = default;
  CLockedFile(CLockedFile&& other) noexcept;
  CLockedFile& operator=(CLockedFile&& other) noexcept;
  CLockedFile(const CLockedFile&) = delete;
  CLockedFile& operator=(const CLockedFile&) = delete;
  ~CLockedFile() { Close(); }

  // Opens a regular file (never waiting on a FIFO or device) and locks it, waiting up to `wait`.
  // 0 on success, else an errno for FileErrorReason: kNotRegularFile, or EWOULDBLOCK when another
  // program kept its lock all that time. A file system without locks is read unlocked. `onWait` hears
  // about every pause of the wait (about 10 ms each).
  int Open(const std::string& path, std::chrono::milliseconds wait = kLockWait,
           const LockWaitRound& onWait = {});
  void Close();

  bool IsOpen() const { return m_Fd >= 0; }
  int Fd() const { return m_Fd; }
  const struct stat& Stat() const { return m_Stat; }
  SFileIdentity Identity() const { return SFileIdentity::Of(m_Stat); }

 private:
  int m_Fd = -1;
  struct stat m_Stat {};
};

}  // namespace orv
