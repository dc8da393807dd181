// Opening and saving a calendar file: the checks and messages of opening, the password prompt, and
// the save that never loses the old file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/UiServices.h"
#include "document/ArchiveReader.h"
#include "document/AtomicFile.h"
#include "document/CalendarArchive.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

// On Linux a calendar is read-only when this user may not write it.
bool IsReadOnlyForThisUser(const std::string& path) {
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

std::string Replace(std::string_view format, std::string_view value) {
  std::string text(format);
  const auto pos = text.find("%s");
  if (pos != std::string::npos) text.replace(pos, 2, value);
  return text;
}

// The bytes of a whole file, read straight into an uninitialised buffer: calendars run to tens of
// megabytes and are read on every open.
struct FileBytes {
  CArchiveBuffer data;
  std::size_t size = 0;
  std::string_view View() const { return data.View().substr(0, size); }
};

// The whole file, or nullopt with the errno of the failure.
std::optional<FileBytes> ReadWholeFile(const std::string& path, int& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return std::nullopt;
  }
  struct stat st {};
  std::optional<FileBytes> result;
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (S_ISDIR(st.st_mode)) {
    error = EISDIR;
  } else {
    // A file that grows while it is read is read to its size at the start.
    char* buffer = nullptr;
    FileBytes bytes{CArchiveBuffer::Allocate(static_cast<std::size_t>(st.st_size), buffer), 0};
    const auto capacity = static_cast<std::size_t>(st.st_size);
    while (bytes.size < capacity) {
      const ssize_t n = ::read(fd, buffer + bytes.size, capacity - bytes.size);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) error = errno;
      if (n <= 0) break;
      bytes.size += static_cast<std::size_t>(n);
    }
    if (error == 0) result = std::move(bytes);
  }
  ::close(fd);
  return result;
}

// The last three characters, lower-cased, must be "orv"; a dot is not required.
bool HasOrvExtension(std::string_view path) {
  if (path.size() < 3) return false;
  std::string tail(path.substr(path.size() - 3));
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == "orv";
}

std::string DamagedFileMessage(const std::string& path, const std::string& reason) {
  return "Soubor " + path + " je poškozený nebo není kalendářem Orvella 2: " + reason + ".";
}

}  // namespace

bool CTedDoc::OnOpenDocument(const std::string& path) {
  int error = 0;
  const std::optional<FileBytes> file = ReadWholeFile(path, error);
  if (!file) {
    m_Ui.MessageDialog("Soubor " + path + " nelze otevřít: " + FileErrorReason(error) + ".");
    return false;
  }
  const bool readOnly = IsReadOnlyForThisUser(path);
  if (!HasOrvExtension(path)) {
    m_Ui.MessageDialog("Soubor nemá příponu .orv");
    return false;
  }

  const std::string_view bytes = file->View();
  CArchiveReader header(bytes);
  const std::uint32_t magic = header.ReadDword();
  if (header.Failed() || magic != kOrvMagic) {
    m_Ui.MessageDialog("Nesprávný formát souboru");
    return false;
  }
  const std::uint32_t version = header.ReadDword();
  if (!header.Failed() && version > kOrvVersion) {
    m_Ui.MessageDialog("Soubor vyšší verze nelze otevřít");
    return false;
  }
  const std::string password = header.ReadString(/*scrambled=*/true);
  if (header.Failed()) {
    m_Ui.MessageDialog(DamagedFileMessage(path, header.Error()));
    return false;
  }
  if (!password.empty()) {
    const std::string fullPath = std::filesystem::absolute(path).string();
    const std::optional<std::string> typed =
        m_Ui.AskPassword(Replace("Zadejte heslo pro :\r\n\r\n%s", fullPath));
    if (!typed || *typed != password) return false;
  }

  CCalendarContent loaded(m_Ui);
  std::string reason;
  if (!LoadCalendar(file->data.Prefix(file->size), loaded, m_Ui, reason)) {
    m_Ui.MessageDialog(DamagedFileMessage(path, reason));
    return false;
  }
  static_cast<CCalendarContent&>(*this) = std::move(loaded);
  m_bReadOnly = readOnly;
  m_PathName = path;
  SetModifiedFlag(false);
  return true;
}

bool CTedDoc::OnSaveDocument(const std::string& path) {
  // The read-only attribute belongs to the file it was read from: saving under another name is how a
  // user keeps the changes made to a read-only calendar, so that file's own attribute decides there.
  if (path != m_PathName) m_bReadOnly = ::access(path.c_str(), F_OK) == 0 && IsReadOnlyForThisUser(path);
  if (m_bReadOnly) {
    m_Ui.MessageBox("Soubor má nastaven atribut \"Pouze pro čtení\"");
    return false;
  }
  if (m_BeforeSave) m_BeforeSave();
  const bool existed = ::access(path.c_str(), F_OK) == 0;
  const std::string failure = WriteFileAtomically(path, StoreCalendar(*this));
  if (!failure.empty()) {
    m_Ui.MessageDialog("Kalendář nelze uložit do souboru " + path + ": " + failure + "." +
                       (existed ? " Soubor na disku zůstal beze změny." : ""));
    return false;
  }
  m_PathName = path;
  SetModifiedFlag(false);
  return true;
}

}  // namespace orv
