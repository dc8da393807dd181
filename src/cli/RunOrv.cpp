#include <ostream>

#include "cli/CliCommand.h"

namespace orv::cli {
namespace {

void PrintHelp(std::ostream& out) {
  out << "orv " ORV_VERSION " – příkazový řádek kalendáře Orvella 2\n\n"
      << "Použití: orv PŘÍKAZ [ARGUMENTY]\n\n"
      << "Příkazy:\n";
  for (const CliCommand& c : CliCommands())
    out << "  orv " << c.name << ' ' << c.synopsis << "\n      " << c.summary << '\n';
  out << "\n  orv --help       tento přehled\n  orv --version    verze programu\n";
}

}  // namespace

int RunOrv(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.empty()) {
    PrintHelp(ctx.err);
    return kExitError;
  }
  const std::string& name = args.front();
  if (name == "--help" || name == "-h" || name == "help") {
    PrintHelp(ctx.out);
    return kExitOk;
  }
  if (name == "--version") {
    ctx.out << "orv (Orvella 2) " ORV_VERSION "\n";
    return kExitOk;
  }
  for (const CliCommand& c : CliCommands())
    if (name == c.name) return c.handler({args.begin() + 1, args.end()}, ctx);
  ctx.err << "Neznámý příkaz \"" << name << "\". Přehled příkazů: orv --help\n";
  return kExitError;
}

}  // namespace orv::cli
