#include "exchange/SourceFolder.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/AtomicFile.h"

namespace orv {
namespace fs = std::filesystem;

SSourceFiles ListSourceFiles(const std::string& folder, bool recursive) {
  SSourceFiles result;
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    result.failure = "Složka „" + folder + "“ neexistuje nebo to není složka.";
    return result;
  }
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    const bool hidden = name.starts_with(".");
    if (it->is_directory(error)) {
      if (hidden || !recursive) it.disable_recursion_pending();
      continue;
    }
    if (!hidden && it->is_regular_file(error)) result.files.push_back(it->path().string());
  }
  if (error) result.failure = "Složku „" + folder + "“ nelze přečíst: " + FileErrorReason(error.value());
  std::sort(result.files.begin(), result.files.end());
  return result;
}

std::optional<std::string> ReadSourceFile(const std::string& path, std::string& failure) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || in.bad()) {
    failure = FileErrorReason(errno);
    return std::nullopt;
  }
  return std::move(bytes).str();
}

std::string RefusedFileText(const std::string& path, const std::string& reason) {
  return "Soubor „" + path + "“ nelze importovat: " + reason + ". Kalendář se nezměnil.";
}

}  // namespace orv
