#include "document/merge/CalendarBases.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "document/AtomicFile.h"
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

bool ReadAll(int fd, std::string& bytes, int& error) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = errno;
    return false;
  }
  // Huge pages for a large file: faulting fresh memory in page by page costs more than the reading.
  const auto size = static_cast<std::size_t>(st.st_size);
  bytes.reserve(size);
  AdviseHugePages(bytes.data(), size);
  bytes.resize(size);
  bytes.resize(ReadFully(fd, bytes.data(), bytes.size(), error));
  return error == 0;
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

std::string CCalendarBases::Keep(const std::string& calendarPath, std::string_view bytes) const {
  if (m_Folder.empty() || calendarPath.empty()) return "není kam jej uložit";
  std::error_code error;
  std::filesystem::create_directories(m_Folder, error);
  if (error) return "složku " + m_Folder + " nelze založit";
  ::chmod(m_Folder.c_str(), 0700);
  return WriteFileAtomically(PathFor(calendarPath), bytes);
}

std::optional<std::string> CCalendarBases::Find(const std::string& calendarPath) const {
  if (m_Folder.empty() || calendarPath.empty()) return std::nullopt;
  SFileBytes file = ReadFileBytes(PathFor(calendarPath), /*lock=*/false);
  if (file.error != 0) return std::nullopt;
  return std::move(file.bytes);
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
