#include "cli/qt/GuiApplication.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cerrno>
#include <string>

namespace orv::cli {

void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt warns on every start without a runtime folder; give it the one it would choose, quietly.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const std::string dir = "/tmp/runtime-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir.c_str());
  }
  static int argc = 1;
  static char name[] = "orv";
  static char* argv[] = {name, nullptr};
  // Never destroyed: a command ends with its process, and the platform's font database, which a
  // command that lays out nothing never started, would start at the application's end only to be
  // torn down again (tens of milliseconds of every such command).
  static QGuiApplication* const app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace orv::cli
