#pragma once
// The base font of the commentaries: the face the predefined character styles of a new calendar get.
// It is kept in "Orvinek.cfg" beside the executable and chosen anew when the file is missing or
// names a face that is no longer installed: the first installed face of a preference list, else the
// user's choice from every installed face.
//
// Faces are Windows-1250 bytes, as the configuration file and the calendar keep them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv {

class IUiServices;

// The installed faces that can write Czech, each once: what the base font and the formatting
// toolbar's face list are chosen from.
std::vector<std::string> InstalledFaces();

// The preferred faces, best first: those the program has always asked for, then the usual faces of
// a Linux desktop.
const std::vector<std::string>& PreferredBaseFonts();

struct SBaseFontChoice {
  std::string face;         // empty: none preferred is installed, the user must choose
  bool keepConfig = false;  // the configured face is installed; nothing to write
  bool vanished = false;    // a face was configured but is not installed any more
};

SBaseFontChoice ChooseBaseFont(const std::optional<std::string>& configured,
                               const std::vector<std::string>& installed);

// The face the window program sets up the styles in, read without asking or writing anything: the
// configured face when it is installed, else the first preferred one; empty when there is none.
std::string ConfiguredBaseFont(const std::string& configPath, const std::vector<std::string>& installed);

// Asks the user for a face among the installed ones (the dialog "Základní písmo").
using AskBaseFont = std::function<std::string(const std::vector<std::string>& installed)>;

// Reads the configuration, chooses, tells the user what the program says about it, and writes the
// file when the face was chosen anew. nullopt when no usable face is installed at all: the program
// then ends.
std::optional<std::string> SetUpBaseFont(const std::string& configPath,
                                         const std::vector<std::string>& installed, IUiServices& ui,
                                         const AskBaseFont& ask);

}  // namespace orv
