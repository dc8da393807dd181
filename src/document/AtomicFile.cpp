#include "document/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

#include "document/FileWriteSteps.h"

namespace orv {
namespace filewrite {

std::string RandomSuffix() {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kLetters[pick(random)];
  return suffix;
}

int CreateNamed(const std::string& folder, const std::string& prefix, std::string& path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = folder + "/" + prefix + RandomSuffix();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void RemoveLeftovers(const std::string& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const uid_t me = ::geteuid();
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kSuffixLength || !name.starts_with(prefix)) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
        (st.st_uid == me || me == 0))
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

namespace {

// Gives the temporary file a name in the folder: the unnamed file through /proc, or directly where
// this process may link by descriptor. -1 when neither works, so that a named file is used instead.
int LinkUnnamed(int fd, const STarget& t, std::string& tempPath) {
  char proc[64];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = t.folder + "/" + TemporaryPrefix(t) + RandomSuffix();
    if (::linkat(AT_FDCWD, proc, AT_FDCWD, tempPath.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno == EEXIST) continue;
    if (::linkat(fd, "", AT_FDCWD, tempPath.c_str(), AT_EMPTY_PATH) == 0) return 0;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// The temporary file gets what the old file had; a new file what an ordinary create would give it.
// NeedsInPlace when the old owner cannot be kept.
Outcome TakeOverAttributes(int fd, const STarget& t) {
  mode_t mode = 0;
  if (t.exists) {
    if (::fchown(fd, t.st.st_uid, t.st.st_gid) != 0) {
      if (t.st.st_uid != ::geteuid()) return Outcome::NeedsInPlace;
      (void)!::fchown(fd, static_cast<uid_t>(-1), t.st.st_gid);  // a group this user is not in is lost
    }
    mode = t.st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = t.newFileMode & ~mask;
  }
  if (::fchmod(fd, mode) != 0) return Outcome::Failed;
  if (t.exists) CopyExtendedAttributes(t, fd);
  return Outcome::Done;
}

}  // namespace

bool g_NoUnnamedTemporary = false;

namespace {

int OpenUnnamed(const std::string& folder) {
  if (!g_NoUnnamedTemporary) return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  errno = EOPNOTSUPP;
  return -1;
}

}  // namespace

// The named temporary of the fallback exists only while the save runs: every way out of it either
// renames it over the target or removes it, so that a sync tool watching the folder finds nothing
// of it afterwards (one killed half way is removed by the next save of the file).
Outcome ReplaceViaTemporary(const STarget& t, const CFileBytes& bytes, SFileWrite& result) {
  for (const bool unnamed : {true, false}) {
    std::string tempPath;
    const int fd = unnamed ? OpenUnnamed(t.folder) : CreateNamed(t.folder, TemporaryPrefix(t), tempPath);
    if (fd < 0) {
      const int error = errno;
      if (unnamed && (error == EOPNOTSUPP || error == EISDIR || error == EINVAL)) continue;
      if (t.exists && (error == EACCES || error == EPERM)) return Outcome::NeedsInPlace;
      result.failure =
          error == EACCES || error == EPERM ? "do složky nelze zapisovat" : FileErrorReason(error);
      return Outcome::Failed;
    }
    const auto fail = [&](int error) {
      ::close(fd);
      if (!tempPath.empty()) ::unlink(tempPath.c_str());
      result.failure = FileErrorReason(error);
      return Outcome::Failed;
    };
    const Outcome attributes = TakeOverAttributes(fd, t);
    if (attributes == Outcome::NeedsInPlace) {
      ::close(fd);
      if (!tempPath.empty()) ::unlink(tempPath.c_str());
      return attributes;
    }
    if (attributes != Outcome::Done) return fail(errno);
    // The error of the write that failed, whatever the writer of the bytes did after it.
    int writeError = 0;
    const auto sink = [&](std::string_view piece) {
      return WriteAll(fd, piece) || (writeError = errno, false);
    };
    if (!bytes.WriteTo(sink)) return fail(writeError != 0 ? writeError : errno);
    if (t.syncEach && ::fsync(fd) != 0) return fail(errno);
    if (unnamed && LinkUnnamed(fd, t, tempPath) != 0) {
      tempPath.clear();
      ::close(fd);
      continue;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(errno);
    if (::close(fd) != 0) {
      const int error = errno;
      ::unlink(tempPath.c_str());
      result.failure = FileErrorReason(error);
      return Outcome::Failed;
    }
    if (::rename(tempPath.c_str(), t.path.c_str()) != 0) {
      const int error = errno;
      ::unlink(tempPath.c_str());
      result.failure = FileErrorReason(error);
      return Outcome::Failed;
    }
    // Make the rename itself durable; the file is already complete either way.
    if (t.syncEach) SyncFolder(t.folder);
    result.written = SFileIdentity::Of(st);
    return Outcome::Done;
  }
  result.failure = FileErrorReason(EOPNOTSUPP);
  return Outcome::Failed;
}

}  // namespace filewrite

namespace {

// The file the path finally names, following symbolic links (a missing last target is created).
std::string ResolveLinks(const std::string& path, int& error) {
  namespace fs = std::filesystem;
  fs::path current(path);
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current.string();
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
    if (n < 0) {
      error = errno;
      return {};
    }
    link.resize(static_cast<std::size_t>(n));
    const fs::path next(link);
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  error = ELOOP;
  return {};
}

}  // namespace

std::string FileErrorReason(int error) {
  switch (error) {
    case ENOENT:
      return "soubor nebo složka neexistuje";
    case EACCES:
    case EPERM:
      return "přístup byl odepřen";
    case EROFS:
      return "disk je jen pro čtení";
    case ENOSPC:
    case EDQUOT:
      return "disk je plný";
    case EFBIG:
      return "soubor by byl větší, než systém dovoluje";
    case EISDIR:
      return "jde o složku, ne o soubor";
    case kNotRegularFile:
      return "nejde o obyčejný soubor";
    case EWOULDBLOCK:
      return "soubor právě používá jiný program";
    case ELOOP:
      return "jde o symbolický odkaz nebo o smyčku odkazů";
    case ENOTDIR:
      return "část cesty není složka";
    case ENAMETOOLONG:
      return "cesta je příliš dlouhá";
    case EIO:
      return "chyba čtení nebo zápisu na disku";
    default:
      return std::string("chyba systému (") + std::strerror(error) + ")";
  }
}

std::string StateFolder() {
  std::string base;
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') {
    base = state;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* user = ::getpwuid(::getuid());
      home = user ? user->pw_dir : nullptr;
    }
    if (!home || !*home) return {};
    base = std::string(home) + "/.local/state";
  }
  return base + "/orvella";
}

namespace filewrite {

int DescribeTarget(const std::string& path, bool followLinks, STarget& t) {
  int error = 0;
  t.path = followLinks ? ResolveLinks(path, error) : path;
  if (error != 0) return error;
  if (::lstat(t.path.c_str(), &t.st) == 0) {
    t.exists = true;
    if (S_ISLNK(t.st.st_mode)) return ELOOP;
    if (S_ISDIR(t.st.st_mode)) return EISDIR;
    if (!S_ISREG(t.st.st_mode)) return kNotRegularFile;
  } else if (errno != ENOENT) {
    return errno;
  }
  const std::filesystem::path target(t.path);
  t.folder = target.has_parent_path() ? target.parent_path().string() : ".";
  t.name = target.filename().string();
  return 0;
}

}  // namespace filewrite

SFileWrite WriteFileKeepingIdentity(const std::string& path, std::string_view bytes, SWriteOptions options) {
  return WriteFileKeepingIdentity(path, CFileBytes(bytes), options);
}

SFileWrite WriteFileKeepingIdentity(const std::string& path, const CFileBytes& bytes, SWriteOptions options) {
  using namespace filewrite;
  SFileWrite result;
  STarget t;
  if (const int error = DescribeTarget(path, options.followLinks, t)) {
    result.failure = FileErrorReason(error);
    return result;
  }
  t.newFileMode = options.newFileMode;
  t.syncEach = options.syncEach;
  RemoveLeftovers(t.folder, TemporaryPrefix(t));
  Outcome outcome =
      t.exists && t.st.st_nlink > 1 ? Outcome::NeedsInPlace : ReplaceViaTemporary(t, bytes, result);
  if (outcome == Outcome::NeedsInPlace) outcome = WriteInPlace(t, bytes, result);
  if (outcome == Outcome::Done) RemoveLeftoverCopies(t);
  return result;
}

SInterruptedWrite RestoreInterruptedWrite(const std::string& path) {
  filewrite::STarget t;
  if (filewrite::DescribeTarget(path, true, t) != 0) return {};
  return filewrite::UndoInterruptedWrite(t);
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes, SWriteOptions options) {
  return WriteFileKeepingIdentity(path, bytes, options).failure;
}

}  // namespace orv
