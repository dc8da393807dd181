#include "document/RecoveryStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "core/UiServices.h"
#include "crypto/CalendarContainer.h"
#include "document/AtomicFile.h"
#include "document/CalendarArchive.h"
#include "document/EncryptedCalendar.h"
#include "document/FileProtection.h"
#include "document/TedDoc.h"

namespace orv {
namespace fs = std::filesystem;
namespace {

constexpr char kCompanion[] = ".path";
constexpr char kUnnamedStem[] = "Nepojmenovany";
constexpr std::size_t kStemBytes = 60;

// FNV-1a: the same calendar gets the same name from every build of the program.
std::uint64_t StableHash(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string SessionName() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  static int stores = 0;
  return std::string(stamp) + "-" + std::to_string(::getpid()) + "-" + std::to_string(++stores);
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

bool Newer(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// The file name of the calendar without its extension, cut short at a character boundary.
std::string Stem(const std::string& calendarKey) {
  std::string stem = fs::path(calendarKey).stem().string();
  if (stem.size() > kStemBytes) {
    std::size_t cut = kStemBytes;
    while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
    stem.resize(cut);
  }
  return stem.empty() ? kUnnamedStem : stem;
}

}  // namespace

CRecoveryStore::CRecoveryStore(std::string folder) : m_Folder(std::move(folder)), m_Session(SessionName()) {}

std::string CRecoveryStore::DefaultFolder() {
  std::string state;
  if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg == '/') {
    state = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    state = std::string(home) + "/.local/state";
  } else {
    return {};
  }
  return state + "/orvella/recovery";
}

std::string CRecoveryStore::CalendarKey(const std::string& calendarPath) {
  if (calendarPath.empty()) return {};
  std::error_code error;
  const fs::path resolved = fs::weakly_canonical(fs::absolute(calendarPath, error), error);
  return error ? fs::absolute(calendarPath).lexically_normal().string() : resolved.string();
}

std::string CRecoveryStore::CopyPathFor(const std::string& calendarKey) const {
  if (calendarKey.empty()) return m_Folder + "/" + kUnnamedStem + "-" + m_Session + ".orv";
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(StableHash(calendarKey)));
  return m_Folder + "/" + Stem(calendarKey) + "-" + hash + "-" + m_Session + ".orv";
}

std::string CRecoveryStore::Write(CTedDoc& doc) {
  if (m_Folder.empty()) return "není kam ji uložit";
  std::error_code error;
  fs::create_directories(m_Folder, error);
  if (error) return FileErrorReason(error.value());
  fs::permissions(m_Folder, fs::perms::owner_all, error);  // calendars are private

  const std::string key = CalendarKey(doc.GetPathName());
  const std::string copy = CopyPathFor(key);
  const std::string companion = copy + kCompanion;
  if (::access(companion.c_str(), F_OK) != 0) {
    if (std::string failure = WriteFileAtomically(companion, key, {.newFileMode = kPrivateFileMode});
        !failure.empty())
      return failure;
  }
  // The archive writer stamps the version it writes into the content; the calendar's own version
  // changes only with a save.
  const std::uint32_t version = doc.m_Verze;
  std::string bytes = StoreCalendar(doc);
  doc.m_Verze = version;
  // Compared in clear: an encrypted copy differs on every write.
  const std::size_t hash = std::hash<std::string>{}(bytes);
  if (copy == m_LastPath && hash == m_LastHash && ::access(copy.c_str(), F_OK) == 0) return {};
  bytes = SealCalendarBytes(doc, std::move(bytes));
  if (std::string failure = WriteFileAtomically(copy, bytes, {.newFileMode = kPrivateFileMode});
      !failure.empty())
    return failure;
  m_Written.insert(copy);
  m_LastPath = copy;
  m_LastHash = hash;
  return {};
}

void CRecoveryStore::Remove(const std::string& copyPath) {
  ::unlink(copyPath.c_str());
  ::unlink((copyPath + kCompanion).c_str());
  m_Written.erase(copyPath);
  if (copyPath == m_LastPath) m_LastPath.clear();
}

void CRecoveryStore::Discard() {
  // A copy of the name: Remove erases the set's own element.
  while (!m_Written.empty()) Remove(std::string(*m_Written.begin()));
}

void CRecoveryStore::Saved(const std::string& calendarPath) {
  Discard();
  if (m_Folder.empty()) return;
  const std::string key = CalendarKey(calendarPath);
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(m_Folder, error)) {
    const std::string name = entry.path().string();
    if (!name.ends_with(".orv")) continue;
    const std::optional<std::string> owner = ReadFile(name + kCompanion);
    if (owner && *owner == key) Remove(name);
  }
}

std::vector<SRecoveryCopy> CRecoveryStore::Pending() const {
  std::vector<SRecoveryCopy> copies;
  if (m_Folder.empty()) return copies;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(m_Folder, error)) {
    SRecoveryCopy copy{entry.path().string(), {}, {}};
    if (!copy.path.ends_with(".orv") || m_Written.count(copy.path)) continue;
    const std::optional<std::string> owner = ReadFile(copy.path + kCompanion);
    struct stat copyStat {};
    if (!owner || ::stat(copy.path.c_str(), &copyStat) != 0 || !S_ISREG(copyStat.st_mode)) continue;
    copy.calendarPath = *owner;
    copy.written = copyStat.st_mtim;
    struct stat calendarStat {};
    if (!owner->empty() && ::stat(owner->c_str(), &calendarStat) == 0 &&
        !Newer(copy.written, calendarStat.st_mtim))
      continue;
    copies.push_back(std::move(copy));
  }
  std::sort(copies.begin(), copies.end(),
            [](const SRecoveryCopy& a, const SRecoveryCopy& b) { return Newer(a.written, b.written); });
  return copies;
}

bool CRecoveryStore::Restore(CTedDoc& doc, const SRecoveryCopy& copy) {
  IUiServices& ui = doc.Ui();
  std::optional<std::string> bytes = ReadFile(copy.path);
  const std::string& name = copy.calendarPath.empty() ? copy.path : copy.calendarPath;
  std::shared_ptr<const crypto::CSecretKey> key;
  if (bytes && crypto::LooksEncrypted(*bytes)) {
    SDecryptedFile plain;
    if (DecryptCalendarFile(*bytes, name, ui, doc.EncryptionKey(), plain) != EDecryptOutcome::Decrypted)
      return false;
    *bytes = plain.bytes.View();
    key = std::move(plain.key);
  }
  CCalendarContent loaded(ui);
  std::string reason = "soubor nelze přečíst";
  if (!bytes || !LoadCalendar(*bytes, loaded, ui, reason)) {
    ui.MessageDialog("Záložní kopii " + copy.path + " nelze načíst: " + reason + ".");
    return false;
  }
  if (!loaded.m_Heslo.empty() && loaded.m_Heslo != doc.m_Heslo) {
    const std::optional<std::string> typed = ui.AskPassword("Zadejte heslo pro :\r\n\r\n" + name);
    if (!typed || *typed != loaded.m_Heslo) return false;
  }
  static_cast<CCalendarContent&>(doc) = std::move(loaded);
  doc.SetEncryptionKey(std::move(key));
  if (!copy.calendarPath.empty()) doc.SetPathName(copy.calendarPath);
  m_Written.insert(copy.path);
  doc.SetModifiedFlag(true);
  return true;
}

}  // namespace orv
