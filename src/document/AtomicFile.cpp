#include "document/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace orv {
namespace {

// A new file gets the permissions an ordinary create would give it; an existing one keeps its own.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
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
    case EISDIR:
      return "jde o složku, ne o soubor";
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

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const mode_t mode = ModeFor(path);

  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    const int error = errno;
    return error == EACCES || error == EPERM ? "do složky nelze zapisovat" : FileErrorReason(error);
  }
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return FileErrorReason(error);
  }
  // Make the rename itself durable; the file is already complete either way.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

}  // namespace orv
