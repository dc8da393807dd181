#pragma once
// The files of a folder an import reads, with their paths in the order of their names, and the
// messages that name a file the import refuses.

#include <optional>
#include <string>
#include <vector>

namespace orv {

struct SSourceFiles {
  std::vector<std::string> files;  // regular files, sorted by path
  std::string failure;             // the folder could not be listed (Czech, UTF-8)
};

// Every regular file under `folder`, subfolders included when `recursive`; folders and files whose
// names start with "." (a program's settings, a version control's store) are left out.
SSourceFiles ListSourceFiles(const std::string& folder, bool recursive);

// The bytes of a file; nullopt and `failure` the Czech reason when it cannot be read.
std::optional<std::string> ReadSourceFile(const std::string& path, std::string& failure);

// "Soubor „PATH“ nelze importovat: REASON" (UTF-8).
std::string RefusedFileText(const std::string& path, const std::string& reason);

}  // namespace orv
