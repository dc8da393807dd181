#pragma once
// Recovery copies of a calendar with unsaved changes, kept in the user's state folder so that a
// crash, a kill or a lost session costs at most the last minute's work. A copy holds the very bytes
// a save would write (scrambled, guarded by the calendar's password; encrypted with the key of an
// encrypted calendar); it is named after the calendar's path and the session that wrote it, and a
// companion file "<copy>.path" names the calendar (empty for a calendar never saved). Writing a copy leaves
// the document's path, modified flag and read-only state as they were.
//
//   CRecoveryStore store(CRecoveryStore::DefaultFolder());   one store per running program
//   store.Write(doc);                  while the calendar has unsaved changes
//   store.Saved(path);                 after a save: this session's copies and every copy of `path`
//   store.Discard();                   the calendar was closed without saving: this session's copies
//   store.Pending();                   other sessions' copies newer than their calendars, newest first
//   store.Restore(doc, copy);          a copy's content into the document, which stays modified

#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace orv {

class CTedDoc;

struct SRecoveryCopy {
  std::string path;          // the copy
  std::string calendarPath;  // absolute; empty for a calendar never saved
  timespec written{};        // the copy's modification time
};

class CRecoveryStore {
 public:
  // An empty folder keeps no copies.
  explicit CRecoveryStore(std::string folder);

  // $XDG_STATE_HOME/orvella/recovery, by default ~/.local/state/orvella/recovery.
  static std::string DefaultFolder();
  const std::string& Folder() const { return m_Folder; }

  // Empty on success, else the reason in Czech. A copy with the same bytes as the last one is not
  // written again.
  std::string Write(CTedDoc& doc);
  void Saved(const std::string& calendarPath);
  void Discard();

  std::vector<SRecoveryCopy> Pending() const;
  // Reads the copy (asking for its password unless the document already has that password) and
  // replaces the document's content with it; the copy then belongs to this session. False, with
  // the reason shown, when it cannot be read or the password is not given.
  bool Restore(CTedDoc& doc, const SRecoveryCopy& copy);

  // The form of a calendar's path that names its copies: absolute, links resolved as far as they exist.
  static std::string CalendarKey(const std::string& calendarPath);

 private:
  std::string CopyPathFor(const std::string& calendarKey) const;
  void Remove(const std::string& copyPath);

  std::string m_Folder;
  std::string m_Session;
  std::set<std::string> m_Written;  // copies this session wrote or restored
  std::string m_LastPath;
  std::size_t m_LastHash = 0;
};

}  // namespace orv
