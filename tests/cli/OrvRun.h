#pragma once
// Runs orv in the test's process with a scripted UI, capturing its status, output and messages.

#include <sstream>
#include <string>
#include <vector>

#include "FakeUiServices.h"
#include "cli/CliCommand.h"

namespace orv::test {

struct OrvRun {
  int status;
  std::string out;
  std::string err;
  std::vector<std::string> messages;
};

inline OrvRun RunOrvCaptured(const std::vector<std::string>& args) {
  FakeUiServices ui;
  std::ostringstream out, err;
  cli::CliContext ctx{out, err, ui};
  const int status = cli::RunOrv(args, ctx);
  return {status, out.str(), err.str(), ui.Messages()};
}

}  // namespace orv::test
