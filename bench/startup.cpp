// Cold start of the desktop program to its first painted window, against the floor of starting a
// process that loads the same libraries and does nothing (orv --version). Both run on the
// offscreen platform; orvella quits by itself after the first paint (ORV_QUIT_AFTER_SHOW) and
// reports its own start-to-paint milliseconds, shown as the counter paint_ms.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path ProgramDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src";
}

// Runs the program to its end; returns what it printed on stdout.
std::string RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args) {
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

void SetUpEnvironment() {
  static const std::string runtime = [] {
    char dir[] = "/tmp/orv-bench-XXXXXX";
    return std::string(mkdtemp(dir) ? dir : "/tmp");
  }();
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("ORV_QUIT_AFTER_SHOW", "1", 1);
  setenv("ORV_NONINTERACTIVE", "1", 1);
}

void BM_OrvellaToFirstPaint(benchmark::State& state) {
  SetUpEnvironment();
  const auto program = ProgramDir() / "orvella";
  double paintMs = 0;
  for (auto _ : state) {
    const std::string out = RunProgram(program, {});
    if (out.empty()) {
      state.SkipWithError("orvella showed no window");
      return;
    }
    paintMs += std::atof(out.c_str());
  }
  state.counters["paint_ms"] = benchmark::Counter(paintMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OrvellaToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ProcessFloor(benchmark::State& state) {
  const auto program = ProgramDir() / "orv";
  for (auto _ : state) RunProgram(program, {"--version"});
}
BENCHMARK(BM_ProcessFloor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
