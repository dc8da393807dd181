#include <csignal>
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/TerminalUiServices.h"

int main(int argc, char** argv) {
  // A file-size limit then fails the write with EFBIG, reported like a full disk, instead of killing
  // orv half way through a save.
  std::signal(SIGXFSZ, SIG_IGN);
  orv::cli::TerminalUiServices ui(std::cin, std::cerr);
  orv::cli::CliContext ctx{std::cout, std::cerr, ui};
  return orv::cli::RunOrv({argv + 1, argv + argc}, ctx);
}
