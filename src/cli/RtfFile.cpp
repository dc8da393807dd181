#include "cli/RtfFile.h"

#include <unistd.h>

#include <new>
#include <ostream>

#include "core/FormatLimits.h"
#include "core/RegularFile.h"
#include "document/AtomicFile.h"

namespace orv::cli {

std::optional<std::string> ReadRtfFile(const std::string& path, CliContext& ctx) {
  const SRegularFile file = OpenRegularFile(path);
  if (file.fd < 0) {
    ctx.err << "Soubor \"" << path << "\" nelze otevřít: " << FileErrorReason(file.error) << ".\n";
    return std::nullopt;
  }
  std::string rtf;
  int error = 0;
  bool tooLarge = static_cast<std::size_t>(file.st.st_size) > kMaxCommentaryRtf;
  try {
    if (!tooLarge) {
      // One byte beyond the limit tells a file that grew since it was looked at.
      rtf.resize(static_cast<std::size_t>(file.st.st_size) + 1);
      std::size_t size = ReadFully(file.fd, rtf.data(), rtf.size(), error);
      while (error == 0 && size == rtf.size() && size <= kMaxCommentaryRtf) {
        rtf.resize(std::min(rtf.size() * 2, kMaxCommentaryRtf + 1));
        size += ReadFully(file.fd, rtf.data() + size, rtf.size() - size, error);
      }
      rtf.resize(size);
      tooLarge = size > kMaxCommentaryRtf;
    }
  } catch (const std::bad_alloc&) {
    error = ENOMEM;
  }
  ::close(file.fd);
  if (tooLarge) {
    ctx.err << "Výklad je příliš velký\n";
    return std::nullopt;
  }
  if (error != 0) {
    ctx.err << "Soubor \"" << path << "\" nelze přečíst: " << FileErrorReason(error) << ".\n";
    return std::nullopt;
  }
  return rtf;
}

}  // namespace orv::cli
