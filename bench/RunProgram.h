#pragma once
// Benchmarks that start the project's programs: where they are, and running one to its end.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace orv::bench {

// The programs are built into src/ of the build folder, the benchmarks into bench/.
inline std::filesystem::path ProgramDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src";
}

// Runs the program to its end; returns what it printed on stdout (stderr is dropped).
inline std::string RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; !failed && (n = read(out[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  if (!failed) waitpid(pid, nullptr, 0);
  return text;
}

}  // namespace orv::bench
