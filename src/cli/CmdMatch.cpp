// orv match EXPR TEXT: whether one text matches a search input, as the full-text search decides it.

#include <ostream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "search/SearchEngine.h"

namespace orv::cli {

int CmdMatch(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args =
      CliArgs::Parse(words, {}, {"--logical", "--mask", "--whole", "--case", "--no-accents"}, error);
  if (args && args->Positional().size() != 2) error = "Zadejte hledaný výraz a text.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv match VÝRAZ TEXT [--logical] [--mask] [--whole] [--case] [--no-accents]\n";
    return kExitError;
  }
  SearchOptions options;
  options.logical = args->Has("--logical");
  options.useMask = args->Has("--mask");
  // A mask works on whole words; the search dialog ticks "Celá slova" with it, and so does this.
  options.wholeWords = args->Has("--whole") || options.useMask;
  options.matchCase = args->Has("--case");
  options.ignoreAccents = args->Has("--no-accents");

  CSearchEngine engine;
  if (!engine.Prepare(Cp1250FromUtf8(args->Positional()[0]), options, ctx.ui)) return kExitError;
  const bool matches = engine.Matches(Cp1250FromUtf8(args->Positional()[1]), ctx.ui);
  ctx.out << (matches ? "1\n" : "0\n");
  return matches ? kExitOk : kExitNotFound;
}

}  // namespace orv::cli
