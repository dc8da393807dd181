// Writing a file in place, for files that must stay the same file (hard links, an owner this user
// cannot give to a new file, a folder this user cannot write). Before the first byte is overwritten
// the old bytes are copied into the user's state folder, complete and on disk: the copy is written
// unnamed (or under a name of its own that marks it unfinished) and gets its final name only once it
// is whole, so a copy under that name is always complete. A failed write puts the old bytes back at
// once; a killed one leaves the copy, and the next open of the file puts them back from it.
//
// The final name says whose copy it is: the file's name, a hash of its full path and the device and
// inode of the file written, so that a file since replaced by another under the same path is never
// overwritten by a copy that was not its own.

#include <dirent.h>
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

void (*g_InPlaceStep)() = nullptr;

namespace {

constexpr std::size_t kChunk = 1 << 20;
// The part of the file's name a copy's name keeps: enough to recognise it, short enough to leave
// room for the rest within a file name's 255 bytes.
constexpr std::size_t kNameKept = 100;
constexpr std::string_view kUnfinished = "part-";

void Step() {
  if (g_InPlaceStep) g_InPlaceStep();
}

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
    Step();
  }
  return true;
}

// Writes the bytes from the file's start, a step after each whole megabyte and after the last part;
// `size` is how many were written. On failure errno is the failed write's.
bool WriteInChunks(int fd, const CFileBytes& bytes, off_t& size) {
  size = 0;
  int error = 0;
  const bool written = bytes.WriteTo([&](std::string_view piece) {
    while (!piece.empty()) {
      const std::size_t room = kChunk - static_cast<std::size_t>(size) % kChunk;
      const std::string_view part = piece.substr(0, room);
      if (!WriteAllAt(fd, part, size)) {
        error = errno;
        return false;
      }
      size += static_cast<off_t>(part.size());
      piece.remove_prefix(part.size());
      if (part.size() == room) Step();
    }
    return true;
  });
  if (!written) {
    if (error != 0) errno = error;
    return false;
  }
  if (size % static_cast<off_t>(kChunk) != 0) Step();
  return true;
}

// The copies' names begin with the file's name and a hash of its full path, so that calendars of
// the same name in different folders keep apart.
std::string StateCopyPrefix(const STarget& t) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : std::filesystem::absolute(t.path).string()) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  std::string name = t.name.substr(0, kNameKept);
  while (name.size() < t.name.size() && !name.empty() && (static_cast<unsigned char>(t.name[name.size()]) & 0xC0) == 0x80)
    name.pop_back();  // never half a UTF-8 character
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return name + "." + hex + ".";
}

// What follows the prefix in the name of the complete copy of this very file.
std::string IdentityTag(const struct stat& st) {
  char tag[64];
  std::snprintf(tag, sizeof tag, "%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  return tag;
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

// Gives the finished copy `fd` its final name `path`: an unnamed one through a link, a named one
// through a rename of its unfinished name.
bool NameFinishedCopy(int fd, const std::string& unfinished, const std::string& path) {
  if (!unfinished.empty()) return ::rename(unfinished.c_str(), path.c_str()) == 0;
  char proc[64];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
  return ::linkat(AT_FDCWD, proc, AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
         ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0;
}

// Copies the old bytes of `fd` to `path`, complete and on disk before the name appears. False with
// `error` set; nothing is left behind then.
bool CopyAside(int fd, const std::string& folder, const std::string& path, const std::string& prefix, off_t size,
               int& error) {
  std::string unfinished;
  int out = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (out < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
    out = CreateNamed(folder, prefix + std::string(kUnfinished), unfinished);
  if (out < 0) {
    error = errno;
    return false;
  }
  const bool copied = CopyBytes(fd, out, size, error) && (::fsync(out) == 0 || (error = errno, false)) &&
                      (NameFinishedCopy(out, unfinished, path) || (error = errno, false));
  ::close(out);
  if (!copied) {
    if (!unfinished.empty()) ::unlink(unfinished.c_str());
    return false;
  }
  SyncFolder(folder);
  Step();
  return true;
}

// Puts the copy's bytes back into the file `fd`, which then ends where they end, and onto the disk.
bool PutBack(const std::string& copy, int fd, int& error) {
  const int in = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  struct stat st {};
  if (in < 0 || ::fstat(in, &st) != 0) {
    error = errno;
    if (in >= 0) ::close(in);
    return false;
  }
  const bool restored = CopyBytes(in, fd, st.st_size, error) &&
                        ((::ftruncate(fd, st.st_size) == 0 && ::fsync(fd) == 0) || (error = errno, false));
  ::close(in);
  return restored;
}

// Calls `each` with the name (after the prefix) and full path of this user's regular files in
// `folder` whose names begin with `prefix`.
template <typename Each>
void ForEachCopy(const std::string& folder, const std::string& prefix, Each each) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const uid_t me = ::geteuid();
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(prefix) || name.size() == prefix.size()) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
        (st.st_uid == me || me == 0))
      each(name.substr(prefix.size()), folder + "/" + std::string(name));
  }
  ::closedir(dir);
}

}  // namespace

Outcome WriteInPlace(const STarget& t, const CFileBytes& bytes, SFileWrite& result) {
  const int fd = ::open(t.path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int error = fd < 0 ? errno : kNotRegularFile;
    if (fd >= 0) ::close(fd);
    result.failure = error == EACCES ? "do složky ani do souboru nelze zapisovat" : FileErrorReason(error);
    return Outcome::Failed;
  }
  int error = ENOENT;
  const std::string folder = StateCopyFolder();
  const std::string prefix = StateCopyPrefix(t);
  const std::string copy = folder + "/" + prefix + IdentityTag(st);
  // A copy already there is the file as it was before an earlier write that was killed: the last
  // whole state of the file, which stays the one to go back to.
  struct stat existing {};
  const bool haveCopy = !folder.empty() && (::lstat(copy.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                                                ? true
                                                : CopyAside(fd, folder, copy, prefix, st.st_size, error));
  if (!haveCopy) {
    ::close(fd);
    result.failure = "původní obsah souboru nelze bezpečně odložit (" + FileErrorReason(error) + ")";
    return Outcome::Failed;
  }
  off_t size = 0;
  const bool written = WriteInChunks(fd, bytes, size) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0 &&
                       ::fstat(fd, &st) == 0;
  if (!written) {
    error = errno;
    int ignored = 0;
    if (PutBack(copy, fd, ignored)) {
      ::unlink(copy.c_str());
    } else {
      result.keptCopy = copy;
    }
    ::close(fd);
    result.failure = FileErrorReason(error);
    return Outcome::Failed;
  }
  Step();
  ::close(fd);
  ::unlink(copy.c_str());
  result.written = SFileIdentity::Of(st);
  return Outcome::Done;
}

void RemoveLeftoverCopies(const STarget& t) {
  RemoveLeftovers(t.folder, CopyPrefix(t));  // where copies went before they had a folder of their own
  const std::string state = StateFolder();
  if (state.empty()) return;
  ForEachCopy(state + "/backup", StateCopyPrefix(t),
              [](std::string_view, const std::string& path) { ::unlink(path.c_str()); });
}

SInterruptedWrite UndoInterruptedWrite(const STarget& t) {
  SInterruptedWrite undo;
  const std::string state = StateFolder();
  if (state.empty() || !t.exists) return undo;
  const std::string tag = IdentityTag(t.st);
  ForEachCopy(state + "/backup", StateCopyPrefix(t), [&](std::string_view rest, const std::string& path) {
    if (rest.starts_with(kUnfinished)) {
      ::unlink(path.c_str());  // a copy whose writer was killed before it was whole
    } else if (rest == tag) {
      undo.copy = path;
    }
  });
  if (undo.copy.empty()) return undo;
  const int fd = ::open(t.path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
  struct stat st {};
  int error = 0;
  if (fd < 0 || ::fstat(fd, &st) != 0) {
    error = errno;
  } else if (st.st_dev != t.st.st_dev || st.st_ino != t.st.st_ino) {
    error = EWOULDBLOCK;  // replaced while we looked: the next open tries again
  } else if (PutBack(undo.copy, fd, error)) {
    undo.restored = true;
    ::unlink(undo.copy.c_str());
  }
  if (fd >= 0) ::close(fd);
  if (!undo.restored) undo.failure = FileErrorReason(error);
  return undo;
}

}  // namespace orv::filewrite
