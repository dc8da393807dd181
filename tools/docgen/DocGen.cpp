// Writes what the package installs about the programs from their own tables of commands and options:
//   docgen orv-man FILE | orvella-man FILE | bash FILE | zsh FILE
#include <cstdio>
#include <fstream>
#include <string>

#include "app/ProgramOptions.h"
#include "cli/CliReference.h"
#include "core/ManPage.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Použití: docgen orv-man|orvella-man|bash|zsh SOUBOR\n");
    return 2;
  }
  const std::string what = argv[1];
  std::ofstream out(argv[2], std::ios::binary);
  if (what == "orv-man")
    orv::WriteManPage(out, orv::cli::OrvManPage());
  else if (what == "orvella-man")
    orv::WriteManPage(out, orv::OrvellaManPage());
  else if (what == "bash")
    orv::cli::WriteBashCompletion(out);
  else if (what == "zsh")
    orv::cli::WriteZshCompletion(out);
  else
    return 2;
  out.flush();
  return out ? 0 : 1;
}
