#include "document/LockedFile.h"

#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace orv {
namespace {

enum class LockResult { Locked, Busy, Unsupported };

LockResult LockWithin(int fd, std::chrono::milliseconds wait, const LockWaitRound& onWait) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return LockResult::Locked;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return LockResult::Unsupported;
    const auto waited =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (waited >= wait) return LockResult::Busy;
    if (onWait) onWait(waited);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

CLockedFile::CLockedFile(CLockedFile&& other) noexcept
    : m_Fd(std::exchange(other.m_Fd, -1)), m_Stat(other.m_Stat) {}

CLockedFile& CLockedFile::operator=(CLockedFile&& other) noexcept {
  if (this != &other) {
    Close();
    m_Fd = std::exchange(other.m_Fd, -1);
    m_Stat = other.m_Stat;
  }
  return *this;
}

void CLockedFile::Close() {
  if (m_Fd >= 0) ::close(m_Fd);
  m_Fd = -1;
}

int CLockedFile::Open(const std::string& path, std::chrono::milliseconds wait, const LockWaitRound& onWait) {
  Close();
  // Each round waits for the save that holds the lock; a save that replaced the file sends us round
  // again to the new one. Saves are rare, so a few rounds always suffice.
  for (int round = 0; round < 100; ++round) {
    SRegularFile file = OpenRegularFile(path);
    if (file.fd < 0) return file.error;
    const LockResult lock = LockWithin(file.fd, wait, onWait);
    if (lock == LockResult::Busy) {
      ::close(file.fd);
      return EWOULDBLOCK;
    }
    struct stat now {};
    const bool samePath =
        lock == LockResult::Unsupported ||
        (::stat(path.c_str(), &now) == 0 && now.st_dev == file.st.st_dev && now.st_ino == file.st.st_ino);
    if (samePath) {
      // The size and time as they are now that no save can be under way.
      if (::fstat(file.fd, &file.st) != 0) {
        const int error = errno;
        ::close(file.fd);
        return error;
      }
      m_Fd = file.fd;
      m_Stat = file.st;
      return 0;
    }
    ::close(file.fd);
  }
  return EWOULDBLOCK;
}

}  // namespace orv
