#include "document/merge/ConflictCopies.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace orv {
namespace {

// '#' is one digit, 'X' one capital letter or digit, '*' a non-empty run without ')'; other
// characters stand for themselves.
bool Matches(std::string_view pattern, std::string_view text) {
  if (pattern.empty()) return text.empty();
  const char p = pattern.front();
  if (p == '*') {
    for (std::size_t n = 1; n <= text.size() && text[n - 1] != ')'; ++n)
      if (Matches(pattern.substr(1), text.substr(n))) return true;
    return false;
  }
  if (text.empty()) return false;
  const auto c = static_cast<unsigned char>(text.front());
  const bool ok = p == '#'   ? std::isdigit(c) != 0
                  : p == 'X' ? std::isdigit(c) != 0 || (c >= 'A' && c <= 'Z')
                             : c == static_cast<unsigned char>(p);
  return ok && Matches(pattern.substr(1), text.substr(1));
}

constexpr std::string_view kSuffixes[] = {
    ".sync-conflict-########-######-XXXXXXX",  // Syncthing
    " (conflicted copy ####-##-## ######)",    // Nextcloud
    "_conflict-########-######",               // ownCloud
    " (* conflicted copy ####-##-##)",         // Dropbox
};

}  // namespace

bool IsConflictCopyName(std::string_view calendar, std::string_view candidate) {
  const std::size_t dot = calendar.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  const std::string_view stem = calendar.substr(0, dot), extension = calendar.substr(dot);
  if (candidate.size() <= calendar.size() || !candidate.starts_with(stem) || !candidate.ends_with(extension))
    return false;
  const std::string_view middle =
      candidate.substr(stem.size(), candidate.size() - stem.size() - extension.size());
  return std::any_of(std::begin(kSuffixes), std::end(kSuffixes),
                     [&](std::string_view suffix) { return Matches(suffix, middle); });
}

std::vector<std::string> FindConflictCopies(const std::string& calendarPath) {
  namespace fs = std::filesystem;
  std::vector<std::string> copies;
  const fs::path calendar(calendarPath);
  const std::string name = calendar.filename().string();
  fs::path folder = calendar.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string candidate = it->path().filename().string();
    if (IsConflictCopyName(name, candidate) && it->is_regular_file(error))
      copies.push_back((calendar.parent_path() / candidate).string());
  }
  std::sort(copies.begin(), copies.end());
  return copies;
}

}  // namespace orv
