#pragma once
// Where the Czech dictionary of the spell checker and the user's own word list are, and which
// encoding the dictionary is written in.
//
// The dictionary (cs_CZ.aff and cs_CZ.dic, Debian package hunspell-cs) is looked for in
// $ORV_SPELL_DICTIONARY_DIR alone when that is set (tests point it at a folder of their choice),
// otherwise in hunspell/ under $XDG_DATA_HOME and each of $XDG_DATA_DIRS, then /usr/share/hunspell.

#include <optional>
#include <string>

namespace orv {

inline constexpr char kSpellDictionaryPackage[] = "hunspell-cs";

struct SDictionaryFiles {
  std::string aff;
  std::string dic;
};

std::optional<SDictionaryFiles> FindCzechDictionary();

// The encoding the .aff file names on its SET line ("UTF-8", "ISO8859-2" ...); without one the
// dictionary is ISO8859-1, as the library reads it. Empty when the file cannot be read.
std::string DictionaryEncoding(const std::string& affPath);

// The user's own words: $XDG_DATA_HOME/orvella/slovnik.txt (~/.local/share/orvella/slovnik.txt).
// Empty when the user has no home.
std::string PersonalWordListPath();

}  // namespace orv
