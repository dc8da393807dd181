#include "document/merge/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>

#include "document/AtomicFile.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

struct STrashDir {
  fs::path top;        // what Path= is relative to; empty for the home Trash (absolute paths)
  fs::path directory;  // holds files/ and info/
};

std::optional<dev_t> DeviceOf(const fs::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
  return st.st_dev;
}

bool MakeDirectories(const fs::path& path) {
  std::error_code error;
  fs::create_directories(path, error);
  if (error) return false;
  ::chmod(path.c_str(), 0700);
  return true;
}

fs::path HomeTrash() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && *dataHome == '/') return fs::path(dataHome) / "Trash";
  const char* home = std::getenv("HOME");
  return fs::path(home ? home : "") / ".local/share/Trash";
}

// The top folder of the file system that holds `path`: the last parent on the same device.
fs::path MountTop(const fs::path& path, dev_t device) {
  fs::path top = path.parent_path();
  while (top.has_relative_path()) {
    const std::optional<dev_t> parent = DeviceOf(top.parent_path());
    if (!parent || *parent != device) break;
    top = top.parent_path();
  }
  return top;
}

std::optional<STrashDir> TrashFor(const fs::path& path) {
  const std::optional<dev_t> device = DeviceOf(path);
  if (!device) return std::nullopt;
  const fs::path home = HomeTrash();
  if (MakeDirectories(home / "files") && MakeDirectories(home / "info") && DeviceOf(home) == device)
    return STrashDir{{}, home};
  const fs::path top = MountTop(path, *device);
  const std::string uid = std::to_string(::getuid());
  struct stat shared {};
  if (::lstat((top / ".Trash").c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
      (shared.st_mode & S_ISVTX)) {
    const fs::path own = top / ".Trash" / uid;
    if (MakeDirectories(own / "files") && MakeDirectories(own / "info")) return STrashDir{top, own};
  }
  const fs::path own = top / (".Trash-" + uid);
  if (MakeDirectories(own / "files") && MakeDirectories(own / "info") && DeviceOf(own) == device)
    return STrashDir{top, own};
  return std::nullopt;
}

// Path= takes the path as a URL path: bytes outside the unreserved ones are %-escaped.
std::string Escaped(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string InfoText(const std::string& shownPath) {
  char date[32];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  return "[Trash Info]\nPath=" + Escaped(shownPath) + "\nDeletionDate=" + date + "\n";
}

// Claims a free name in info/ by creating its .trashinfo exclusively: "NAME", then "NAME.2", ...
std::optional<std::string> ClaimName(const fs::path& trash, const std::string& name,
                                     const std::string& info) {
  for (int n = 1; n < 1000; ++n) {
    const std::string candidate = n == 1 ? name : name + "." + std::to_string(n);
    const fs::path infoPath = trash / "info" / (candidate + ".trashinfo");
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return std::nullopt;
    }
    const bool written = ::write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
    if (::close(fd) != 0 || !written || fs::exists(trash / "files" / candidate)) {
      ::unlink(infoPath.c_str());
      if (written) continue;
      return std::nullopt;
    }
    return candidate;
  }
  return std::nullopt;
}

}  // namespace

STrashed MoveToTrash(const std::string& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error).lexically_normal();
  const std::optional<STrashDir> trash = error ? std::nullopt : TrashFor(absolute);
  if (!trash) return {{}, "koš pro soubor " + path + " nelze najít ani založit"};
  const std::string shown =
      trash->top.empty() ? absolute.string() : absolute.lexically_relative(trash->top).string();
  const std::optional<std::string> name =
      ClaimName(trash->directory, absolute.filename().string(), InfoText(shown));
  if (!name) return {{}, "do koše nelze zapsat údaje o souboru " + path};
  const fs::path target = trash->directory / "files" / *name;
  if (::rename(absolute.c_str(), target.c_str()) != 0) {
    const int failure = errno;
    ::unlink((trash->directory / "info" / (*name + ".trashinfo")).c_str());
    return {{}, "soubor " + path + " nelze přesunout do koše: " + FileErrorReason(failure)};
  }
  return {target.string(), {}};
}

}  // namespace orv
