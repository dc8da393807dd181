// The extended attributes of a file that a save replaces: POSIX ACLs (system.posix_acl_access),
// the user's own attributes (user.*) and whatever else this user may set. They are part of the
// file's identity as much as its mode, so the new file gets them before it takes the old one's
// place; one that cannot be set (not supported, not permitted) is left out, and never fails the
// save.

#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "document/FileWriteSteps.h"

namespace orv::filewrite {
namespace {

constexpr char kAccessAcl[] = "system.posix_acl_access";

// Reads a list or a value whose size may change between asking and reading; nullopt on failure.
template <typename Read>
std::optional<std::string> ReadSized(Read read) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    const ssize_t size = read(nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const ssize_t n = read(bytes.data(), bytes.size());
    if (n >= 0) {
      bytes.resize(static_cast<std::size_t>(n));
      return bytes;
    }
    if (errno != ERANGE) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> AttributeNames(const std::string& path) {
  const std::optional<std::string> list =
      ReadSized([&](char* buffer, std::size_t size) { return ::llistxattr(path.c_str(), buffer, size); });
  if (!list) return std::nullopt;
  std::vector<std::string> names;
  for (std::size_t start = 0; start < list->size();) {
    const std::size_t end = std::min(list->find('\0', start), list->size());
    if (end > start) names.push_back(list->substr(start, end - start));
    start = end + 1;
  }
  return names;
}

}  // namespace

void CopyExtendedAttributes(const STarget& t, int to) {
  const std::optional<std::vector<std::string>> listed = AttributeNames(t.path);
  if (!listed) return;
  const std::vector<std::string>& names = *listed;
  for (const std::string& name : names) {
    const std::optional<std::string> value = ReadSized(
        [&](char* buffer, std::size_t size) { return ::lgetxattr(t.path.c_str(), name.c_str(), buffer, size); });
    if (value) (void)::fsetxattr(to, name.c_str(), value->data(), value->size(), 0);
  }
  // A folder's default ACL gives every new file an access ACL: the old file had none, so neither
  // does the new one, and its mode alone says again who may read and write it.
  if (std::find(names.begin(), names.end(), kAccessAcl) == names.end()) (void)::fremovexattr(to, kAccessAcl);
}

}  // namespace orv::filewrite
