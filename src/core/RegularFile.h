#pragma once
// Opening the program's own files for reading without trusting what the path names. A FIFO, a device
// or a folder given as a calendar or a configuration file must be refused, never waited on: the path
// is checked first, then opened without blocking and checked again on the open descriptor, so that a
// file swapped in between is caught as well.
//
//   SRegularFile file = OpenRegularFile(path);
//   if (file.fd < 0) report(FileErrorReason(file.error));   // kNotRegularFile among the errors
//   ReadFully(file.fd, buffer, n, error);  ...  ::close(file.fd);

#include <sys/stat.h>

#include <cstddef>
#include <string>

namespace orv {

// An errno-like value for "the path names something other than a regular file".
inline constexpr int kNotRegularFile = 0x10000;

struct SRegularFile {
  int fd = -1;
  int error = 0;  // errno of the failure, or kNotRegularFile
  struct stat st {};
};

// Opens a regular file read-only, close-on-exec and without blocking.
SRegularFile OpenRegularFile(const std::string& path);

// Reads up to `size` bytes from the current position, retrying short reads; the count read. On a
// failure `error` holds the errno.
std::size_t ReadFully(int fd, char* buffer, std::size_t size, int& error);

// The identity of the bytes a file held when it was read or written: a file changed or replaced by
// another program since differs in one of these.
struct SFileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long mtimeNs = 0;

  static SFileIdentity Of(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
  }
  bool SameFile(const SFileIdentity& other) const { return device == other.device && inode == other.inode; }
  bool operator==(const SFileIdentity&) const = default;
};

}  // namespace orv
