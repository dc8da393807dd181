#pragma once
// The bases of merges: for each calendar, the bytes the window last loaded from its file or saved
// to it, kept in the user's state folder (never beside the calendar, where a sync tool would copy
// them). A later merge with another version of the calendar starts from there.
//
//   CCalendarBases bases(CCalendarBases::DefaultFolder());
//   bases.Keep(path, bytes);    after opening or saving
//   bases.Find(path);           the bytes, or nullopt
//
// A calendar opened again unchanged finds its base already there: kept for the same file on disk
// (the identity the window compares to see other programs' changes), or compared equal, it is not
// written again. A base is a cache of the merges, never the only copy of anything: it is written
// without waiting for the disk, and the first Keep of a run drops the bases of calendars that are gone
// and those unused for kUnusedBaseDays (a merge without its base joins both sides and loses nothing).
//
// Also here: reading a calendar file's bytes as they are, with its identity on disk.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/RegularFile.h"
#include "document/RecordMap.h"

namespace orv {

class CCalendarBases {
 public:
  // An empty folder keeps nothing.
  explicit CCalendarBases(std::string folder) : m_Folder(std::move(folder)) {}
  // $XDG_STATE_HOME/orvella/base, by default ~/.local/state/orvella/base.
  static std::string DefaultFolder();

  static constexpr int kUnusedBaseDays = 180;

  // Empty on success, else the reason in Czech. `file`: the identity of the calendar's file on disk
  // when the bytes are that file as it is (or its sealed form), else nullopt.
  std::string Keep(const std::string& calendarPath, std::string_view bytes,
                   const std::optional<SFileIdentity>& file = std::nullopt) const;
  std::optional<std::string> Find(const std::string& calendarPath) const;
  // Removes the bases of calendars whose file is gone and those not kept since `unusedSince`.
  void Prune(std::filesystem::file_time_type unusedSince) const;

 private:
  std::string PathFor(const std::string& calendarPath) const;
  std::string m_Folder;
  mutable bool m_Pruned = false;
};

struct SFileBytes {
  CArchiveBuffer bytes;
  SFileIdentity identity;
  int error = 0;  // errno for FileErrorReason; 0 when read
};

// The whole file. With `lock`, under the writers' lock (waiting for a save in progress to end);
// without, for a caller that already holds it.
SFileBytes ReadFileBytes(const std::string& path, bool lock);

}  // namespace orv
