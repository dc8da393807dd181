// Opening and saving a calendar file: the checks and messages of opening, the password prompt, and
// the save that never loses the old file nor overwrites another program's changes unasked.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <utility>

#include "core/UiServices.h"
#include "crypto/CalendarContainer.h"
#include "document/ArchiveReader.h"
#include "document/AtomicFile.h"
#include "document/CalendarArchive.h"
#include "document/ReadOnlyAttribute.h"
#include "document/EncryptedCalendar.h"
#include "document/FileProtection.h"
#include "document/PrereadFile.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

// Magic and version: enough to refuse a file that is no calendar before the rest is read.
constexpr std::size_t kHeaderBytes = 8;
// Far beyond any calendar written by hand; reading one takes a few times its size in memory.
constexpr off_t kMaxCalendarBytes = off_t{1} << 30;

std::optional<SFileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return SFileIdentity::Of(st);
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

// The whole file: the header already read, then the rest up to the size the locked file has.
// False with the errno (ENOMEM when it does not fit in memory).
bool ReadRest(const CLockedFile& file, std::string_view header, FileBytes& bytes, int& error) {
  const auto size = std::max(static_cast<std::size_t>(file.Stat().st_size), header.size());
  char* buffer = nullptr;
  try {
    bytes.data = CArchiveBuffer::Allocate(size, buffer);
  } catch (const std::bad_alloc&) {
    error = ENOMEM;
    return false;
  }
  std::memcpy(buffer, header.data(), header.size());
  bytes.size = header.size();
  if (size > header.size())
    bytes.size += ReadFully(file.Fd(), buffer + header.size(), size - header.size(), error);
  return error == 0;
}

// Magic and version of the calendar's own file form; true after the message when they refuse it.
bool RefuseHeader(std::string_view header, IUiServices& ui) {
  CArchiveReader reader(header);
  const std::uint32_t magic = reader.ReadDword();
  if (reader.Failed() || magic != kOrvMagic) {
    ui.MessageDialog("Nesprávný formát souboru");
    return true;
  }
  const std::uint32_t version = reader.ReadDword();
  if (!reader.Failed() && version > kOrvVersion) {
    ui.MessageDialog("Soubor vyšší verze nelze otevřít");
    return true;
  }
  return false;
}

std::string DamagedFileMessage(const std::string& path, const std::string& reason) {
  return "Soubor " + path + " je poškozený nebo není kalendářem Orvella 2: " + reason + ".";
}

std::string CannotOpenMessage(const std::string& path, int error) {
  if (error == ENOMEM) return "Soubor " + path + " nelze otevřít: Nedostatek paměti.";
  return "Soubor " + path + " nelze otevřít: " + FileErrorReason(error) + ".";
}

// A save in place that was killed half way left the calendar's old bytes in a copy: they go back
// before the calendar is read, and the user hears of it. True when the file was put back.
bool PutBackInterruptedSave(const std::string& path, IUiServices& ui) {
  const SInterruptedWrite undo = RestoreInterruptedWrite(path);
  if (undo.restored)
    ui.MessageBox("Ukládání kalendáře " + path +
                      " bylo přerušeno. Kalendář byl vrácen do stavu před tímto uložením.",
                  MessageIcon::Information);
  else if (!undo.failure.empty())
    ui.MessageDialog("Ukládání kalendáře " + path + " bylo přerušeno a jeho původní obsah nelze vrátit (" +
                     undo.failure + "); je uložen v souboru " + undo.copy + ".");
  return undo.restored;
}

}  // namespace

bool HasOrvExtension(std::string_view path) {
  if (path.size() < 3) return false;
  std::string tail(path.substr(path.size() - 3));
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == "orv";
}

int CTedDoc::LockFile(CLockedFile& file, const std::string& path) const {
  CLockWaitFeedback feedback(m_Ui, m_OnLockWait);
  return file.Open(path, kLockWait, feedback.Round());
}

bool CTedDoc::OnOpenDocument(const std::string& path) {
  m_bPasswordRefused = false;
  std::optional<SPrereadFile> ahead;
  if (const std::shared_ptr<CPrereadFile> preread = std::exchange(m_Preread, {})) ahead = preread->Take(path);
  CLockedFile file;
  if (const int error = LockFile(file, path)) {
    m_Ui.MessageDialog(CannotOpenMessage(path, error));
    return false;
  }
  if (PutBackInterruptedSave(path, m_Ui)) {
    // The file as it is now, under the lock again.
    if (const int error = LockFile(file, path)) {
      m_Ui.MessageDialog(CannotOpenMessage(path, error));
      return false;
    }
  }
  const bool readOnly = IsReadOnlyFile(path);
  if (!HasOrvExtension(path)) {
    m_Ui.MessageDialog("Soubor nemá příponu .orv");
    return false;
  }

  // The header decides before the rest is read: a large file that is no calendar costs nothing.
  char header[kHeaderBytes];
  int error = 0;
  const std::size_t headerSize = ReadFully(file.Fd(), header, kHeaderBytes, error);
  const bool encrypted = crypto::LooksEncrypted({header, headerSize});
  if (error == 0 && !encrypted && RefuseHeader({header, headerSize}, m_Ui)) return false;
  if (error == 0 && file.Stat().st_size > kMaxCalendarBytes) {
    m_Ui.MessageDialog("Soubor " + path + " nelze otevřít: je příliš velký na kalendář.");
    return false;
  }
  FileBytes fileBytes;
  // Read ahead from the file as it is under this lock: the same bytes.
  if (ahead && ahead->identity != file.Identity()) ahead.reset();
  if (ahead) fileBytes = {ahead->bytes, ahead->bytes.View().size()};
  if (error != 0 || (!ahead && !ReadRest(file, {header, headerSize}, fileBytes, error))) {
    m_Ui.MessageDialog(CannotOpenMessage(path, error));
    return false;
  }
  const SFileIdentity identity = file.Identity();
  CArchiveBuffer opened = m_bKeepOpenedBytes ? fileBytes.data.Prefix(fileBytes.size) : CArchiveBuffer();
  // The window holds no lock while the user types the password.
  if (!m_bKeepLock) file.Close();

  const std::string fullPath = std::filesystem::absolute(path).string();
  std::shared_ptr<const crypto::CSecretKey> key;
  if (encrypted) {
    SDecryptedFile plain;
    const EDecryptOutcome outcome = DecryptCalendarFile(fileBytes.View(), fullPath, m_Ui, m_Key, plain);
    // Either the passphrase was wrong or the file is damaged: the file may well be fine.
    m_bPasswordRefused = outcome != EDecryptOutcome::Decrypted;
    if (m_bPasswordRefused) return false;
    fileBytes = {plain.bytes, plain.bytes.View().size()};
    key = std::move(plain.key);
    if (RefuseHeader(fileBytes.View().substr(0, kHeaderBytes), m_Ui)) return false;
  }

  const std::string_view bytes = fileBytes.View();
  CArchiveReader passwordReader(bytes.substr(std::min(bytes.size(), kHeaderBytes)));
  const std::string password = passwordReader.ReadString(/*scrambled=*/true);
  if (passwordReader.Failed()) {
    m_Ui.MessageDialog(DamagedFileMessage(path, passwordReader.Error()));
    return false;
  }
  if (!password.empty()) {
    const std::optional<std::string> typed =
        m_Ui.AskPassword(Replace("Zadejte heslo pro :\r\n\r\n%s", fullPath));
    m_bPasswordRefused = !typed || *typed != password;
    // "Storno" needs no word; a typo does, or the user wonders why nothing opened.
    if (typed && m_bPasswordRefused)
      m_Ui.MessageDialog(std::string(kWrongPassword) + " Kalendář " + fullPath + " nebyl otevřen.");
    if (m_bPasswordRefused) return false;
  }

  const bool readAhead = ahead && ahead->content && !encrypted;
  CCalendarContent loaded = readAhead ? std::move(*ahead->content) : CCalendarContent(m_Ui);
  std::string reason;
  if (!readAhead && !LoadCalendar(fileBytes.data.Prefix(fileBytes.size), loaded, m_Ui, reason)) {
    m_Ui.MessageDialog(DamagedFileMessage(path, reason));
    return false;
  }
  static_cast<CCalendarContent&>(*this) = std::move(loaded);
  m_bReadOnly = readOnly;
  m_PathName = path;
  m_DiskFile = identity;
  m_Lock = std::move(file);
  m_Key = std::move(key);
  m_OpenedBytes = std::move(opened);
  m_OpenedFile = identity;
  SetModifiedFlag(false);
  return true;
}

bool CTedDoc::OnSaveDocument(const std::string& path) {
  const std::optional<SFileIdentity> onDisk = IdentityOf(path);
  const bool ownFile = path == m_PathName || (onDisk && m_DiskFile && onDisk->SameFile(*m_DiskFile));
  // The read-only attribute belongs to the file it was read from: saving under another name is how a
  // user keeps the changes made to a read-only calendar, so that file's own attribute decides there.
  // The calendar's own flag and path change only with a save that succeeded.
  const bool readOnly = ownFile ? m_bReadOnly : onDisk && IsReadOnlyFile(path);
  if (readOnly) {
    m_Ui.MessageBox("Soubor má nastaven atribut \"Pouze pro čtení\"");
    return false;
  }
  if (m_BeforeSave) m_BeforeSave();

  const auto refuse = [&](const std::string& reason) {
    m_Ui.MessageDialog("Kalendář nelze uložit do souboru " + path + ": " + reason + "." +
                       (onDisk ? " Soubor na disku zůstal beze změny." : ""));
    return false;
  };
  // orv's own lock covers the whole command; otherwise the file is locked for the save alone, so
  // that the check below and the write are one step to any orv running meanwhile.
  CLockedFile lock;
  if (onDisk && !(ownFile && m_Lock.IsOpen())) {
    const int error = LockFile(lock, path);
    if (error == EWOULDBLOCK || error == kNotRegularFile || error == EISDIR)
      return refuse(FileErrorReason(error));
  }
  if (ownFile && m_DiskFile && !m_PathName.empty()) {
    const std::optional<SFileIdentity> now = IdentityOf(path);
    if (now && *now != *m_DiskFile &&
        !(m_OnChangedOnDisk ? m_OnChangedOnDisk(path)
                            : m_Ui.AskYesNoDefaultNo(Replace(
                                  "Soubor %s byl mezitím změněn jiným programem. Přepsat jej?", path))))
      return false;
  }

  // A plain calendar goes to the file piece by piece as it is made, so that a save costs no second
  // copy of the whole file in memory; a sealed one is encrypted as a whole.
  const SWriteOptions options{.newFileMode = kPrivateFileMode};
  const SFileWrite written =
      EncryptionKey()
          ? WriteFileKeepingIdentity(path, SealCalendarBytes(*this, StoreCalendar(*this)), options)
          : WriteFileKeepingIdentity(
                path, CFileBytes([this](const CFileBytes::Sink& sink) { return StoreCalendar(*this, sink); }),
                options);
  if (!written.failure.empty()) {
    if (written.keptCopy.empty()) return refuse(written.failure);
    m_Ui.MessageDialog("Kalendář nelze uložit do souboru " + path + ": " + written.failure +
                       ". Původní obsah souboru se nepodařilo vrátit; je uložen v souboru " +
                       written.keptCopy + ".");
    return false;
  }
  m_bReadOnly = false;
  m_PathName = path;
  m_DiskFile = written.written;
  m_Lock.Close();
  SetModifiedFlag(false);
  return true;
}

}  // namespace orv
