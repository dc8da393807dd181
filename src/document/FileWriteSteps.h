#pragma once
// The steps WriteFileKeepingIdentity is made of (AtomicFile.cpp: through a temporary file and a
// rename; InPlaceWrite.cpp: in place, with the old bytes copied aside). Not for other callers.

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "document/AtomicFile.h"

namespace orv::filewrite {

// The file to be written, links resolved.
struct STarget {
  std::string path;
  std::string folder;
  std::string name;
  bool exists = false;
  struct stat st {};
  mode_t newFileMode = 0666;  // for a target that does not exist yet
  bool syncEach = true;       // SWriteOptions::syncEach
};

enum class Outcome { Done, Failed, NeedsInPlace };

// The names of what a save leaves in the target's folder while it runs; a killed save may leave one.
inline std::string TemporaryPrefix(const STarget& t) {
  return "." + t.name + ".tmp-";
}
inline std::string CopyPrefix(const STarget& t) {
  return "." + t.name + ".zaloha-";
}
inline constexpr std::size_t kSuffixLength = 6;

std::string RandomSuffix();
// Creates a new file `folder/prefix` + a random suffix, mode 0600; -1 with errno on failure.
int CreateNamed(const std::string& folder, const std::string& prefix, std::string& path);
// Removes this user's regular files named `prefix` + kSuffixLength characters in `folder`.
void RemoveLeftovers(const std::string& folder, const std::string& prefix);

bool WriteAll(int fd, std::string_view bytes);
bool WriteAllAt(int fd, std::string_view bytes, off_t offset);
void SyncFolder(const std::string& folder);

// Gives the new file `to` the extended attributes (ACLs included) of the target, which exists; those
// that cannot be set are left out.
void CopyExtendedAttributes(const STarget& target, int to);

// Fills `t` for `path` (links followed when asked); an errno when it names no file that may be written.
int DescribeTarget(const std::string& path, bool followLinks, STarget& t);

Outcome ReplaceViaTemporary(const STarget& target, const CFileBytes& bytes, SFileWrite& result);
Outcome WriteInPlace(const STarget& target, const CFileBytes& bytes, SFileWrite& result);
// Removes the copies an earlier in-place write of the target left when it was killed.
void RemoveLeftoverCopies(const STarget& target);
// Puts back the bytes an in-place write of the target that was killed had copied aside.
SInterruptedWrite UndoInterruptedWrite(const STarget& target);

// Tests set it to save as on a file system without unnamed temporary files (O_TMPFILE).
extern bool g_NoUnnamedTemporary;

// Tests kill a process here: called after each step of an in-place write (each megabyte copied or
// written, the copy named, the new bytes on disk).
extern void (*g_InPlaceStep)();

}  // namespace orv::filewrite
