#include "document/merge/CalendarBases.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "document/AtomicFile.h"
#include "document/FileProtection.h"
#include "document/LockedFile.h"
#include "document/RecordMap.h"
#include "document/RecoveryStore.h"

namespace orv {
namespace {

std::uint64_t StableHash(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

// Into the room an open reads a calendar into (huge pages for a large file), so that the bytes can
// be loaded and kept as a base without a copy.
bool ReadAll(int fd, CArchiveBuffer& bytes, int& error) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = errno;
    return false;
  }
  char* writable = nullptr;
  bytes = CArchiveBuffer::Allocate(static_cast<std::size_t>(st.st_size), writable);
  bytes = bytes.Prefix(ReadFully(fd, writable, bytes.View().size(), error));
  return error == 0;
}

// The calendar a base was kept for, as CRecoveryStore::CalendarKey names it, and the identity of its
// file on disk the base was kept from.
constexpr char kCalendarAttribute[] = "user.orvella.calendar";
constexpr char kFileAttribute[] = "user.orvella.file";

std::optional<std::string> Attribute(const std::string& base, const char* name) {
  std::string value(PATH_MAX, '\0');
  const ssize_t size = ::getxattr(base.c_str(), name, value.data(), value.size());
  if (size <= 0) return std::nullopt;
  value.resize(static_cast<std::size_t>(size));
  return value;
}

std::string IdentityText(const SFileIdentity& file) {
  char text[96];
  std::snprintf(text, sizeof text, "%llu:%llu:%lld:%lld", static_cast<unsigned long long>(file.device),
                static_cast<unsigned long long>(file.inode), static_cast<long long>(file.size), file.mtimeNs);
  return text;
}

// Kept from that file as it is now: the same identity and as many bytes.
bool KeptFrom(const std::string& base, const std::optional<SFileIdentity>& file, std::size_t size) {
  struct stat st {};
  return file && ::stat(base.c_str(), &st) == 0 && static_cast<std::size_t>(st.st_size) == size &&
         Attribute(base, kFileAttribute) == IdentityText(*file);
}

// Deleted or renamed: its folder is still there. A calendar on a drive not mounted now is not gone.
bool IsGone(const std::string& calendar) {
  struct stat st {};
  if (::stat(calendar.c_str(), &st) == 0 || errno != ENOENT) return false;
  const std::filesystem::path folder = std::filesystem::path(calendar).parent_path();
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Whether the file at `path` holds exactly `bytes`, read in slices rather than whole.
bool HoldsBytes(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) == bytes.size();
  std::vector<char> slice(same ? std::min<std::size_t>(bytes.size(), std::size_t{1} << 20) : 0);
  int error = 0;
  for (std::size_t at = 0; same && at < bytes.size();) {
    const std::size_t n = ReadFully(fd, slice.data(), std::min(slice.size(), bytes.size() - at), error);
    same = error == 0 && n > 0 && std::memcmp(slice.data(), bytes.data() + at, n) == 0;
    at += n;
  }
  ::close(fd);
  return same;
}

}  // namespace

std::string CCalendarBases::DefaultFolder() {
  const std::string recovery = CRecoveryStore::DefaultFolder();
  if (recovery.empty()) return {};
  return std::filesystem::path(recovery).parent_path().string() + "/base";
}

std::string CCalendarBases::PathFor(const std::string& calendarPath) const {
  char hash[17];
  const std::string key = CRecoveryStore::CalendarKey(calendarPath);
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(StableHash(key)));
  return m_Folder + "/" + hash + ".orv";
}

std::string CCalendarBases::Keep(const std::string& calendarPath, std::string_view bytes,
                                 const std::optional<SFileIdentity>& file) const {
  if (m_Folder.empty() || calendarPath.empty()) return "není kam jej uložit";
  std::error_code error;
  std::filesystem::create_directories(m_Folder, error);
  if (error) return "složku " + m_Folder + " nelze založit";
  ::chmod(m_Folder.c_str(), 0700);
  if (!std::exchange(m_Pruned, true))
    Prune(std::filesystem::file_time_type::clock::now() - std::chrono::days(kUnusedBaseDays));
  const std::string path = PathFor(calendarPath);
  if (KeptFrom(path, file, bytes.size()) || HoldsBytes(path, bytes)) {
    ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0);  // in use: not pruned as unused
  } else if (std::string failure = WriteFileAtomically(
                 path, bytes, {.followLinks = false, .newFileMode = kPrivateFileMode, .syncEach = false});
             !failure.empty()) {
    return failure;
  }
  // Without them, a base is dropped only when unused, and always compared.
  const std::string key = CRecoveryStore::CalendarKey(calendarPath);
  (void)::setxattr(path.c_str(), kCalendarAttribute, key.data(), key.size(), 0);
  if (file) {
    const std::string identity = IdentityText(*file);
    (void)::setxattr(path.c_str(), kFileAttribute, identity.data(), identity.size(), 0);
  } else {
    (void)::removexattr(path.c_str(), kFileAttribute);
  }
  return {};
}

void CCalendarBases::Prune(std::filesystem::file_time_type unusedSince) const {
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::directory_iterator it(m_Folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code fileError;
    const std::string base = it->path().string();
    if (it->path().extension() != ".orv" || !it->is_regular_file(fileError)) continue;
    const fs::file_time_type kept = it->last_write_time(fileError);
    const std::optional<std::string> calendar = Attribute(base, kCalendarAttribute);
    if ((!fileError && kept < unusedSince) || (calendar && IsGone(*calendar))) fs::remove(it->path(), fileError);
  }
}

std::optional<std::string> CCalendarBases::Find(const std::string& calendarPath) const {
  if (m_Folder.empty() || calendarPath.empty()) return std::nullopt;
  SFileBytes file = ReadFileBytes(PathFor(calendarPath), /*lock=*/false);
  if (file.error != 0) return std::nullopt;
  return std::string(file.bytes.View());
}

SFileBytes ReadFileBytes(const std::string& path, bool lock) {
  SFileBytes file;
  if (lock) {
    CLockedFile locked;
    file.error = locked.Open(path);
    if (file.error == 0 && ReadAll(locked.Fd(), file.bytes, file.error)) file.identity = locked.Identity();
    return file;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    file.error = errno;
    return file;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    file.error = kNotRegularFile;
  } else if (ReadAll(fd, file.bytes, file.error)) {
    file.identity = SFileIdentity::Of(st);
  }
  ::close(fd);
  return file;
}

}  // namespace orv
