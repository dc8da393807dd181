#pragma once
// CTedDoc: the one open calendar. It owns every record of the calendar (CCalendarContent), knows the
// file it came from, and keeps the modified flag. Records change only through the store operations,
// which keep the rule that no empty record exists:
//
//   StoreDay(key, note, rtf, text)         the note and the day commentary together
//   StoreDayCommentary(key, rtf, text)     the day commentary alone
//   StoreMonthCommentary(key, rtf, text)   the month commentary
//
// Opening and saving (TedDocFile.cpp) talk to the user through IUiServices, and tell a wait for
// another program's lock through SetOnLockWait (the status bar of the window, stderr of orv).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RegularFile.h"
#include "crypto/SecretKey.h"
#include "document/CalendarContent.h"
#include "document/LockWait.h"
#include "document/LockedFile.h"

namespace orv {

class CPrereadFile;

// Whether a path names a calendar file as opening requires: its last three characters are "orv" in
// any case (a dot is not required).
bool HasOrvExtension(std::string_view path);

// Selects the month form of DelEmptyDate.
struct MonthRecords {};
inline constexpr MonthRecords kMonthRecords{};

class CTedDoc : public CCalendarContent {
 public:
  explicit CTedDoc(IUiServices& ui);
  CTedDoc(const CTedDoc&) = delete;
  CTedDoc& operator=(const CTedDoc&) = delete;

  // Empties the calendar and seeds it as a new one (header values, names database).
  bool OnNewDocument();
  // Deletes every record, the names database, the styles and both passwords.
  void DeleteContents();
  bool OnOpenDocument(const std::string& path);
  // The last open failed only because the password was not given or was wrong: the file itself is
  // sound (the window keeps it among the recent files).
  bool PasswordRefused() const { return m_bPasswordRefused; }
  bool OnSaveDocument(const std::string& path);
  // orv keeps the calendar's file locked from opening to the end of its save, so that another orv
  // cannot read the file in between and lose this one's change. Without it (the window) the file is
  // locked only while it is read or written.
  void KeepFileLocked(bool keep) { m_bKeepLock = keep; }
  // While opening or saving waits for another program to release the file, the wait cursor is shown
  // and, after a moment, this hears the status text at every pause (and an empty text at the end).
  void SetOnLockWait(LockWaitStatus onLockWait) { m_OnLockWait = std::move(onLockWait); }

  void StoreDay(std::string_view dayKey, std::string_view note, std::string_view rtf, std::string_view text);
  void StoreDayCommentary(std::string_view dayKey, std::string_view rtf, std::string_view text);
  void StoreMonthCommentary(std::string_view monthKey, std::string_view rtf, std::string_view text);
  // Removes the record of a day (or, with kMonthRecords, of a month); a missing record is a
  // consistency failure, reported as "Chyba: DelEmptyDate 1".
  bool DelEmptyDate(std::string_view dayKey);
  bool DelEmptyDate(MonthRecords, std::string_view monthKey);

  const CEntrTxt* GetDayRecord(std::string_view dayKey) const { return m_DataTxt.Find(dayKey); }
  const CEntrTxt* GetMonthRecord(std::string_view monthKey) const { return m_DataMesice.Find(monthKey); }
  int GetRecordCount() const { return static_cast<int>(m_DataTxt.size()); }

  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true);
  // Observers hear every change of the modified flag (the window's title and save action).
  void AddModifiedObserver(std::function<void(bool modified)> observer);
  // Runs at the start of every save that is not refused, so that open editors can store their text.
  void SetBeforeSave(std::function<void()> beforeSave) { m_BeforeSave = std::move(beforeSave); }
  // Decides a save over its own file when another program changed the file since it was read: true
  // writes (the window may first merge that program's changes in), false keeps the file. Called
  // while the save holds the file's lock. Without it the user is asked whether to overwrite.
  void SetOnChangedOnDisk(std::function<bool(const std::string& path)> decide) {
    m_OnChangedOnDisk = std::move(decide);
  }

  const std::string& GetPathName() const { return m_PathName; }
  void SetPathName(std::string path) {
    if (path != m_PathName) m_DiskFile.reset();
    m_PathName = std::move(path);
  }
  // The file as it was read or last saved, which a save compares with the file on disk now.
  const std::optional<SFileIdentity>& GetDiskFile() const { return m_DiskFile; }
  // Makes the calendar again the one of `path` as it was remembered, after the document held another
  // calendar for a while (append): the file it came from and that file's state on disk, so that
  // another program's change made meanwhile is still noticed; a lock on the other file is dropped.
  void RestoreFile(std::string path, std::optional<SFileIdentity> diskFile);
  // The file name of the path, "Nepojmenovaný" for a calendar never saved.
  std::string GetTitle() const;
  // For the window, which keeps the file as opened as the base of later merges: each open then keeps
  // the bytes it read (an encrypted file's sealed ones) until they are taken, so that the base costs no
  // second reading of the file. A plain file's bytes are those its unread records point into anyway.
  void KeepOpenedFileBytes(bool keep) { m_bKeepOpenedBytes = keep; }
  // Those bytes, once, while the document still holds that file as read; else empty.
  CArchiveBuffer TakeOpenedFileBytes();
  // The next open takes the file and the calendar read ahead by `preread` when they are still the
  // file it locks (the program's start reads its calendar while the window is built).
  void OfferPreread(std::shared_ptr<CPrereadFile> preread) { m_Preread = std::move(preread); }

  IUiServices& Ui() const { return m_Ui; }

  // The key of an encrypted calendar, null for one stored in clear. It is kept while the calendar is
  // open: every save and recovery copy is encrypted with it. Setting or clearing it marks the
  // calendar modified; the file changes with the next save.
  const std::shared_ptr<const crypto::CSecretKey>& EncryptionKey() const { return m_Key; }
  void SetEncryptionKey(std::shared_ptr<const crypto::CSecretKey> key);
  // Exports are written encrypted with the calendar's key when the user chose so at the export's
  // warning (orv: --encrypt). Exporting is no change of the calendar, hence the const.
  bool SealsExports() const { return m_Key && m_bSealExports; }
  void SetSealExports(bool seal) const { m_bSealExports = seal; }

  // The file could not be written by this user when it was opened; saving is refused.
  bool m_bReadOnly = false;

 private:
  CRecordMap& RecordsOf(bool month) { return month ? m_DataMesice : m_DataTxt; }
  bool DelEmptyRecord(CRecordMap& records, std::string_view key);
  // Opens and locks the file, showing the user any wait for another program's lock.
  int LockFile(CLockedFile& file, const std::string& path) const;
  void StoreCommentary(bool month, std::string_view key, std::string_view rtf, std::string_view text);

  IUiServices& m_Ui;
  bool m_bModified = false;
  std::vector<std::function<void(bool)>> m_ModifiedObservers;
  std::function<void()> m_BeforeSave;
  std::function<bool(const std::string&)> m_OnChangedOnDisk;
  std::string m_PathName;
  // The file as it was read or last saved: a save over it when it has changed since asks first.
  std::optional<SFileIdentity> m_DiskFile;
  bool m_bKeepLock = false;
  bool m_bPasswordRefused = false;
  std::shared_ptr<const crypto::CSecretKey> m_Key;
  mutable bool m_bSealExports = false;
  LockWaitStatus m_OnLockWait;
  CLockedFile m_Lock;
  bool m_bKeepOpenedBytes = false;
  CArchiveBuffer m_OpenedBytes;  // of the file as it was when m_OpenedFile was read
  SFileIdentity m_OpenedFile;
  std::shared_ptr<CPrereadFile> m_Preread;
};

}  // namespace orv
