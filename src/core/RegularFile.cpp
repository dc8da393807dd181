#include "core/RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace orv {

SRegularFile OpenRegularFile(const std::string& path) {
  SRegularFile file;
  if (::stat(path.c_str(), &file.st) != 0) {
    file.error = errno;
    return file;
  }
  if (!S_ISREG(file.st.st_mode)) {
    file.error = S_ISDIR(file.st.st_mode) ? EISDIR : kNotRegularFile;
    return file;
  }
  // O_NONBLOCK: should a FIFO take the file's place after the check, opening it does not wait for a
  // writer; O_NOCTTY likewise for a terminal.
  file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (file.fd < 0) {
    file.error = errno;
    return file;
  }
  if (::fstat(file.fd, &file.st) != 0 || !S_ISREG(file.st.st_mode)) {
    file.error = S_ISREG(file.st.st_mode) ? errno : kNotRegularFile;
    ::close(file.fd);
    file.fd = -1;
  }
  return file;
}

std::size_t ReadFully(int fd, char* buffer, std::size_t size, int& error) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace orv
