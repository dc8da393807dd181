// The tests run the commands of the module orv-qt.so linked into this program, without loading it.
#include "cli/QtCommandModule.h"
#include "cli/qt/QtCommands.h"

namespace {

[[maybe_unused]] const bool kRegistered = (orv::cli::SetQtCommandEntry(orv::cli::RunQtModuleCommand), true);

}  // namespace
