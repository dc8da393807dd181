// Writing a file in place, for files that must stay the same file (hard links, an owner this user
// cannot give to a new file, a folder this user cannot write). Before the first byte is overwritten
// the old bytes are copied aside and flushed to disk, so that a failed write can put them back and a
// killed one leaves them for the user.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "document/FileWriteSteps.h"

namespace orv::filewrite {
namespace {

constexpr std::size_t kChunk = 1 << 20;

// Copies `size` bytes of `from` (from its start) to the start of `to`.
bool CopyBytes(int from, int to, off_t size, int& error) {
  const auto buffer = std::make_unique_for_overwrite<char[]>(kChunk);
  for (off_t offset = 0; offset < size;) {
    const auto want = static_cast<std::size_t>(std::min<off_t>(size - offset, kChunk));
    const ssize_t n = ::pread(from, buffer.get(), want, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || !WriteAllAt(to, {buffer.get(), static_cast<std::size_t>(n)}, offset)) {
      error = n == 0 ? EIO : errno;
      return false;
    }
    offset += n;
  }
  return true;
}

// The copies in the state folder carry the target's full path in their name, as a hash, so that
// calendars of the same name in different folders keep apart.
std::string StateCopyPrefix(const STarget& t) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : std::filesystem::absolute(t.path).string()) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return t.name + "." + hex + ".";
}

std::string StateCopyFolder() {
  const std::string state = StateFolder();
  if (state.empty()) return {};
  const std::string folder = state + "/backup";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  ::chmod(folder.c_str(), 0700);
  return folder;
}

// Copies the old bytes beside the file, or into the state folder when its folder cannot be written.
// The path of the copy, or empty with `error` set.
std::string CopyAside(int fd, const STarget& t, off_t size, int& error) {
  std::string copy;
  int out = CreateNamed(t.folder, CopyPrefix(t), copy);
  if (out < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
    const std::string folder = StateCopyFolder();
    if (!folder.empty()) out = CreateNamed(folder, StateCopyPrefix(t), copy);
  }
  if (out < 0) {
    error = errno;
    return {};
  }
  const bool copied = CopyBytes(fd, out, size, error) && (::fsync(out) == 0 || (error = errno, false));
  ::close(out);
  if (copied) return copy;
  ::unlink(copy.c_str());
  return {};
}

bool PutBack(const std::string& copy, int fd, off_t size) {
  const int in = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  int error = 0;
  const bool restored = CopyBytes(in, fd, size, error) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
  ::close(in);
  return restored;
}

}  // namespace

Outcome WriteInPlace(const STarget& t, std::string_view bytes, SFileWrite& result) {
  const int fd = ::open(t.path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int error = fd < 0 ? errno : kNotRegularFile;
    if (fd >= 0) ::close(fd);
    result.failure = error == EACCES ? "do složky ani do souboru nelze zapisovat" : FileErrorReason(error);
    return Outcome::Failed;
  }
  const off_t oldSize = st.st_size;
  int error = 0;
  const std::string copy = CopyAside(fd, t, oldSize, error);
  if (copy.empty()) {
    ::close(fd);
    result.failure = "původní obsah souboru nelze bezpečně odložit (" + FileErrorReason(error) + ")";
    return Outcome::Failed;
  }
  const bool written = WriteAllAt(fd, bytes, 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                       ::fsync(fd) == 0 && ::fstat(fd, &st) == 0;
  if (!written) {
    error = errno;
    if (PutBack(copy, fd, oldSize)) {
      ::unlink(copy.c_str());
    } else {
      result.keptCopy = copy;
    }
    ::close(fd);
    result.failure = FileErrorReason(error);
    return Outcome::Failed;
  }
  ::close(fd);
  ::unlink(copy.c_str());
  result.written = SFileIdentity::Of(st);
  return Outcome::Done;
}

void RemoveLeftoverCopies(const STarget& t) {
  RemoveLeftovers(t.folder, CopyPrefix(t));
  const std::string state = StateFolder();
  if (!state.empty()) RemoveLeftovers(state + "/backup", StateCopyPrefix(t));
}

}  // namespace orv::filewrite
