#pragma once
// What the package installs about orv, written from the same tables that print orv --help: the
// manual page orv(1) and the shell completions for bash and zsh. The build writes them with
// tools/docgen, so a command or an option added to the tables reaches all of them at once.

#include <iosfwd>
#include <string>
#include <vector>

#include "core/ManPage.h"

namespace orv::cli {

// An option of one command as its synopsis shows it.
struct SCommandOption {
  std::string name;                  // "--from"
  std::string value;                 // the placeholder ("RRRR-MM-DD"), empty for a switch
  std::vector<std::string> choices;  // "left|center|right" as its words
};

// The options a synopsis names, in order, each once.
std::vector<SCommandOption> SynopsisOptions(const std::string& synopsis);

SManPage OrvManPage();
void WriteBashCompletion(std::ostream& out);
void WriteZshCompletion(std::ostream& out);

}  // namespace orv::cli
