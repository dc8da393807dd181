#include <unistd.h>

#include <algorithm>
#include <optional>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/PresetAnswersUi.h"
#include "core/RegularFile.h"
#include "core/YearRange.h"
#include "document/AtomicFile.h"

namespace orv::cli {
namespace {

struct GlobalOptions {
  std::vector<std::string> rest;  // the arguments without the global options
  std::optional<SGivenPassword> password;
  bool yes = false;
  std::optional<SYearRange> years;
};

// A line of a password is short; a larger file is no password file.
constexpr std::size_t kPasswordFileBytes = 64 * 1024;

// The first line of the file, without its line end.
std::optional<std::string> ReadPasswordFile(const std::string& path, std::ostream& err) {
  const SRegularFile file = OpenRegularFile(path);
  int error = file.error;
  std::string text(kPasswordFileBytes, '\0');
  if (file.fd >= 0) {
    text.resize(ReadFully(file.fd, text.data(), text.size(), error));
    ::close(file.fd);
  }
  if (error != 0) {
    err << "Soubor s heslem " << path << " nelze přečíst: " << FileErrorReason(error) << ".\n";
    return std::nullopt;
  }
  text.resize(std::min(text.find('\n'), text.size()));
  if (text.ends_with('\r')) text.pop_back();
  return text;
}

std::optional<GlobalOptions> TakeGlobalOptions(const std::vector<std::string>& args, std::ostream& err) {
  GlobalOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--yes") {
      options.yes = true;
    } else if (args[i] == "--password") {
      if (i + 1 == args.size()) {
        err << "Volba --password potřebuje hodnotu.\n";
        return std::nullopt;
      }
      options.password = SGivenPassword{args[++i], false};
    } else if (args[i] == "--password-file") {
      if (i + 1 == args.size()) {
        err << "Volba --password-file potřebuje soubor s heslem.\n";
        return std::nullopt;
      }
      std::optional<std::string> password = ReadPasswordFile(args[++i], err);
      if (!password) return std::nullopt;
      options.password = SGivenPassword{std::move(*password), true};
    } else if (args[i] == "--years") {
      if (i + 1 == args.size()) {
        err << "Volba --years potřebuje rozsah let OD-DO.\n";
        return std::nullopt;
      }
      std::string problem;
      options.years = ParseYearRange(args[++i], problem);
      if (!options.years) {
        err << "Neplatný rozsah let \"" << args[i] << "\": " << problem << '\n';
        return std::nullopt;
      }
    } else {
      options.rest.push_back(args[i]);
    }
  }
  return options;
}

}  // namespace

void PrintHelp(std::ostream& out) {
  out << "orv " ORV_VERSION " – příkazový řádek kalendáře Orvella 2\n\n"
      << "Použití: orv PŘÍKAZ [ARGUMENTY]\n\n"
      << "Příkazy:\n";
  for (const CliCommand& c : CliCommands())
    out << "  orv " << c.name << ' ' << c.synopsis << "\n      " << c.summary << '\n';
  out << "\n  orv --help       tento přehled\n  orv --version    verze programu\n"
      << "\nVolby kteréhokoli příkazu:\n";
  for (const CliOption& o : CliGlobalOptions()) {
    const std::string term = o.argument.empty() ? o.name : o.name + ' ' + o.argument;
    out << "  " << term << std::string(term.size() < 19 ? 19 - term.size() : 1, ' ') << o.summary << '\n';
  }
}

int RunOrv(const std::vector<std::string>& allArgs, CliContext& outerCtx) {
  const std::optional<GlobalOptions> options = TakeGlobalOptions(allArgs, outerCtx.err);
  if (!options) return kExitError;
  const std::vector<std::string>& args = options->rest;
  const CYearRangeScope years(options->years.value_or(YearRange()));
  CPresetAnswersUi ui(outerCtx.ui, options->password, options->yes);
  CliContext ctx{outerCtx.out, outerCtx.err, ui};
  ctx.outIsTerminal = outerCtx.outIsTerminal;
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
