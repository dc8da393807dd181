#include <iostream>

#include "cli/CliCommand.h"
#include "cli/TerminalUiServices.h"

int main(int argc, char** argv) {
  orv::cli::TerminalUiServices ui(std::cin, std::cerr);
  orv::cli::CliContext ctx{std::cout, std::cerr, ui};
  return orv::cli::RunOrv({argv + 1, argv + argc}, ctx);
}
