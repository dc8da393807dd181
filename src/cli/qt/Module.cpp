// The entry of the module orv-qt.so, looked up by orv under kQtCommandEntrySymbol. The module is built
// with the same compiler and library as orv, so the C++ arguments cross as they are.
#include <type_traits>

#include "cli/QtCommandModule.h"
#include "cli/qt/QtCommands.h"

extern "C" int orv_qt_command(const char* name, const std::vector<std::string>& words,
                              orv::cli::CliContext& ctx) {
  const orv::CYearRangeScope years(ctx.years);
  return orv::cli::RunQtModuleCommand(name, words, ctx);
}

// Keeps the exported entry and the type orv calls it through from drifting apart.
static_assert(std::is_same_v<decltype(&orv_qt_command), orv::cli::QtCommandEntry>);
