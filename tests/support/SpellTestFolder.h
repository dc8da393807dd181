#pragma once
// A folder of the test's own for the user's data (the personal word list goes there, never into the
// real user's) and, on request, for a small dictionary found instead of the installed one. The
// environment is put back when the object goes.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orv::test {

class SpellTestFolder {
 public:
  SpellTestFolder() {
    char pattern[] = "/tmp/orv-spell-XXXXXX";
    m_Dir = ::mkdtemp(pattern);
    SetEnv("XDG_DATA_HOME", (m_Dir / "data").string());
  }
  ~SpellTestFolder() {
    for (auto kept = m_Kept.rbegin(); kept != m_Kept.rend(); ++kept)
      kept->second ? ::setenv(kept->first.c_str(), kept->second->c_str(), 1)
                   : ::unsetenv(kept->first.c_str());
    std::filesystem::remove_all(m_Dir);
  }
  SpellTestFolder(const SpellTestFolder&) = delete;
  SpellTestFolder& operator=(const SpellTestFolder&) = delete;

  const std::filesystem::path& Dir() const { return m_Dir; }
  std::filesystem::path PersonalList() const { return m_Dir / "data/orvella/slovnik.txt"; }

  void SetEnv(const std::string& name, const std::string& value) {
    const char* before = std::getenv(name.c_str());
    m_Kept.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
    ::setenv(name.c_str(), value.c_str(), 1);
  }
  // No dictionary anywhere.
  void HideDictionary() { SetEnv("ORV_SPELL_DICTIONARY_DIR", (m_Dir / "none").string()); }
  // A dictionary in ISO8859-2 whose words may hold a hyphen: "šťáva", "čaj", "Frýdek-Místek", "na".
  void UseSmallDictionary() {
    const std::filesystem::path dir = m_Dir / "dict";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "cs_CZ.aff") << "SET ISO8859-2\nWORDCHARS -\nTRY \xB9\xBB\xE1vaj\n";
    std::ofstream(dir / "cs_CZ.dic") << "4\n\xB9\xBB\xE1va\n\xE8\x61j\nFr\xFD\x64\x65k-M\xEDstek\nna\n";
    SetEnv("ORV_SPELL_DICTIONARY_DIR", dir.string());
  }

 private:
  std::filesystem::path m_Dir;
  std::vector<std::pair<std::string, std::optional<std::string>>> m_Kept;
};

}  // namespace orv::test
