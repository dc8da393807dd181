#include <csignal>

#include "app/Application.h"

int main(int argc, char** argv) {
  // A file-size limit then fails the write with EFBIG, reported like a full disk, instead of killing
  // the program with the unsaved calendar.
  std::signal(SIGXFSZ, SIG_IGN);
  return orv::RunOrvella(argc, argv);
}
