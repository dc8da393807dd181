#include "document/PrereadFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>
#include <sstream>
#include <utility>

#include "core/BatchUiServices.h"
#include "crypto/CalendarContainer.h"
#include "document/CalendarArchive.h"

namespace orv {
namespace {

// Larger files are left to the open, which tells the user why it refuses them.
constexpr off_t kMaxPrereadBytes = off_t{1} << 30;

// The whole file under the lock every reader and writer takes, as long as nobody else holds it:
// a save in progress is never read half done, and the open then waits for it itself.
std::optional<SPrereadFile> ReadWhole(int fd) {
  struct stat before {}, after {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode) ||
      before.st_size > kMaxPrereadBytes)
    return std::nullopt;
  const auto size = static_cast<std::size_t>(before.st_size);
  SPrereadFile read{SFileIdentity::Of(before), {}, {}};
  char* data = nullptr;
  try {
    read.bytes = CArchiveBuffer::Allocate(size, data);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  int error = 0;
  if (ReadFully(fd, data, size, error) != size || error != 0 || ::fstat(fd, &after) != 0 ||
      SFileIdentity::Of(after) != read.identity)
    return std::nullopt;
  return read;
}

std::optional<SPrereadFile> ReadAhead(const std::string& path, IUiServices& ui) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<SPrereadFile> read = ReadWhole(fd);
  ::close(fd);
  // An encrypted calendar needs its passphrase, asked for by the open.
  if (!read || crypto::LooksEncrypted(read->bytes.View())) return read;
  std::ostringstream said;
  CBatchUiServices quiet(&said);
  CCalendarContent content(ui);
  std::string reason;
  if (LoadCalendar(read->bytes, content, quiet, reason) && said.str().empty()) read->content = std::move(content);
  return read;
}

}  // namespace

CPrereadFile::CPrereadFile(std::string path, IUiServices& ui) : m_Path(std::move(path)) {
  m_Thread = std::thread([this, &ui] { m_Read = ReadAhead(m_Path, ui); });
}

CPrereadFile::~CPrereadFile() {
  if (m_Thread.joinable()) m_Thread.join();
}

std::optional<SPrereadFile> CPrereadFile::Take(const std::string& path) {
  if (m_Thread.joinable()) m_Thread.join();
  if (path != m_Path) return std::nullopt;
  return std::exchange(m_Read, std::nullopt);
}

}  // namespace orv
