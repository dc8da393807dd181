#pragma once
// Start-up of the desktop program, in order: one instance per user, the user's locale, the settings
// store, the calendar named on the command line or a new one (a file refused at start-up ends the
// program with exit code 0 after its message), the base font, then the main window.
//
// For automated runs (the start-up benchmark, tests):
//   ORV_QUIT_AFTER_SHOW=1  print the milliseconds from start to the first painted window on stdout
//                          and quit;
//   ORV_NONINTERACTIVE=1   messages go to stderr instead of dialogs, questions are answered "Ne".

namespace orv {

int RunOrvella(int argc, char** argv);

}  // namespace orv
