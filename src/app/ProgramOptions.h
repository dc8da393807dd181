#pragma once
// The command line of orvella as one table: --help prints it and the manual page orvella(1) is
// written from it (tools/docgen), so the two never differ.

#include <string>
#include <vector>

#include "core/ManPage.h"

namespace orv {

struct SProgramOption {
  std::string names;    // "-h, --help"
  std::string summary;  // one line of Czech
};

const std::vector<SProgramOption>& ProgramOptions();

// The text of orvella --help.
std::string ProgramUsage();

SManPage OrvellaManPage();

}  // namespace orv
