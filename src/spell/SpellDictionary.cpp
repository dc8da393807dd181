#include "spell/SpellDictionary.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace orv {
namespace {

bool IsReadable(const std::string& path) {
  return ::access(path.c_str(), R_OK) == 0;
}

std::string Home() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* user = ::getpwuid(::getuid());
  return user && user->pw_dir ? user->pw_dir : "";
}

// An XDG variable when it holds an absolute path, else its default under the home folder.
std::string XdgHome(const char* variable, const char* fallback) {
  if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
  const std::string home = Home();
  return home.empty() ? std::string() : home + fallback;
}

std::vector<std::string> DictionaryFolders() {
  if (const char* dir = std::getenv("ORV_SPELL_DICTIONARY_DIR"); dir) return {dir};
  std::vector<std::string> folders;
  if (const std::string data = XdgHome("XDG_DATA_HOME", "/.local/share"); !data.empty())
    folders.push_back(data + "/hunspell");
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  std::stringstream list(dirs && *dirs ? dirs : "/usr/local/share:/usr/share");
  for (std::string dir; std::getline(list, dir, ':');)
    if (!dir.empty() && dir[0] == '/') folders.push_back(dir + "/hunspell");
  folders.push_back("/usr/share/hunspell");
  return folders;
}

}  // namespace

std::optional<SDictionaryFiles> FindCzechDictionary() {
  for (const std::string& folder : DictionaryFolders()) {
    SDictionaryFiles files{folder + "/cs_CZ.aff", folder + "/cs_CZ.dic"};
    if (IsReadable(files.aff) && IsReadable(files.dic)) return files;
  }
  return std::nullopt;
}

std::string DictionaryEncoding(const std::string& affPath) {
  std::ifstream aff(affPath);
  if (!aff) return {};
  for (std::string line; std::getline(aff, line);) {
    if (line.rfind("SET", 0) != 0 || line.size() < 4 || (line[3] != ' ' && line[3] != '\t')) continue;
    std::istringstream words(line.substr(3));
    std::string encoding;
    words >> encoding;
    if (!encoding.empty()) return encoding;
  }
  return "ISO8859-1";
}

std::string PersonalWordListPath() {
  const std::string data = XdgHome("XDG_DATA_HOME", "/.local/share");
  return data.empty() ? std::string() : data + "/orvella/slovnik.txt";
}

}  // namespace orv
