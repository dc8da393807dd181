#include "cli/QtCommandModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <ostream>
#include <system_error>

namespace orv::cli {
namespace {

QtCommandEntry g_entry = nullptr;

QtCommandEntry LoadModule(CliContext& ctx) {
  std::error_code error;
  const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  std::string failures;
  for (const std::filesystem::path& path :
       {bin / kQtModuleFile, bin.parent_path() / "lib/orvella" / kQtModuleFile}) {
    // The module stays loaded until the process ends: its objects may outlive the command.
    if (void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      if (void* entry = ::dlsym(module, kQtCommandEntrySymbol))
        return reinterpret_cast<QtCommandEntry>(entry);
    }
    if (!failures.empty()) failures += "; ";
    failures += ::dlerror();
  }
  ctx.err << "Modul " << kQtModuleFile << " s příkazy, které potřebují Qt, nelze načíst: " << failures
          << '\n';
  return nullptr;
}

}  // namespace

int RunQtCommand(const char* name, const std::vector<std::string>& words, CliContext& ctx) {
  if (!g_entry) g_entry = LoadModule(ctx);
  return g_entry ? g_entry(name, words, ctx) : kExitError;
}

void SetQtCommandEntry(QtCommandEntry entry) {
  g_entry = entry;
}

}  // namespace orv::cli
