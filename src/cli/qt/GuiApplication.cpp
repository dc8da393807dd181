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
  // Kept to the end of the process and never destroyed: tearing it down only frees what the exit
  // frees anyway, after loading the font configuration it never needed (about ten milliseconds a run).
  static QGuiApplication* const app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace orv::cli
