#pragma once
// Writing a whole file so that a failure never costs the old one, nor the old file its identity.
//
// The file a symbolic link points to is the one written. Normally the bytes go to a temporary file in
// the target's folder (unnamed where the file system allows, so that a save killed half way leaves
// nothing behind), are flushed to disk, get the old file's owner, group (where this user may) and
// mode, and are renamed over the target. A file with several hard links, a file whose owner this user
// could not give to a new file, and a writable file in a folder this user cannot write are written in
// place instead, after their old bytes have been copied aside (beside the file, or into the user's
// state folder, complete and on disk before the first byte is overwritten) so that a failure can put
// them back; the copy goes once the new bytes are on disk. Temporary files and copies left by an
// earlier save of the same file that was killed are removed. An in-place write that was killed is
// undone by RestoreInterruptedWrite, which every open of a calendar calls first.
//
//   if (const std::string why = WriteFileAtomically(path, bytes); !why.empty()) report(why);

#include <sys/types.h>

#include <cerrno>
#include <functional>
#include <new>
#include <string>
#include <string_view>

#include "core/RegularFile.h"

namespace orv {

struct SWriteOptions {
  // False for files the program keeps for itself (the configuration): a symbolic link there is
  // refused rather than followed.
  bool followLinks = true;
  // The mode a file that does not exist yet is created with, less the umask; a file that exists keeps
  // its own. Calendars and what is written from a protected calendar are the user's alone (0600).
  mode_t newFileMode = 0666;
  // False where many files are written in one go and the caller flushes the file system once at the
  // end (an export of thousands of files): each file still replaces the old one whole, by a rename.
  bool syncEach = true;
};

struct SFileWrite {
  std::string failure;    // empty on success, else the reason in Czech
  SFileIdentity written;  // on success, the file as it is now on disk
  std::string keptCopy;   // after an in-place write that failed and could not be undone: the old bytes
};

// What a write puts into the file: bytes at hand, or a writer that makes them piece by piece and hands
// each to a sink (a calendar's save), so that a large file is never whole in memory. A writer may be
// run more than once (a save through a temporary file that turns to writing in place) and must hand
// the same bytes each time.
class CFileBytes {
 public:
  using Sink = std::function<bool(std::string_view)>;
  using Writer = std::function<bool(const Sink&)>;

  explicit CFileBytes(std::string_view bytes) : m_Bytes(bytes) {}
  explicit CFileBytes(Writer writer) : m_Writer(std::move(writer)) {}
  // Hands every byte to `sink` in order; false as soon as the sink refuses a piece, or when the writer
  // runs out of memory half way (errno ENOMEM): a file begun is then undone as after a failed write.
  bool WriteTo(const Sink& sink) const {
    if (!m_Writer) return sink(m_Bytes);
    try {
      return m_Writer(sink);
    } catch (const std::bad_alloc&) {
      errno = ENOMEM;
      return false;
    }
  }

 private:
  std::string_view m_Bytes;
  Writer m_Writer;
};

SFileWrite WriteFileKeepingIdentity(const std::string& path, std::string_view bytes,
                                    SWriteOptions options = {});
SFileWrite WriteFileKeepingIdentity(const std::string& path, const CFileBytes& bytes,
                                    SWriteOptions options = {});

// What RestoreInterruptedWrite found: nothing (both false and empty), the old bytes put back, or a
// copy it could not put back (`failure` says why).
struct SInterruptedWrite {
  bool restored = false;
  std::string copy;     // the copy of the old bytes (removed once they are back)
  std::string failure;  // in Czech
};

// Puts back the old bytes of a file whose in-place write was killed half way, from their copy in
// the state folder, and removes the copy. The caller holds the file's lock, so that no write of it
// is under way. Unfinished copies of the file are removed.
SInterruptedWrite RestoreInterruptedWrite(const std::string& path);

// Empty on success, else the reason in Czech ("do složky nelze zapisovat", "disk je plný" ...).
std::string WriteFileAtomically(const std::string& path, std::string_view bytes, SWriteOptions options = {});

// The reason of a failed file operation, in Czech, from its errno (or kNotRegularFile).
std::string FileErrorReason(int error);

// The user's state folder of the program ($XDG_STATE_HOME/orvella, by default ~/.local/state/orvella);
// not created here. Empty when the user has no home.
std::string StateFolder();

}  // namespace orv
