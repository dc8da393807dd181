// Cold start of the desktop program to its first painted window, against the floor of starting a
// bare process that does nothing (orv --version, which loads no Qt). Both run on the
// offscreen platform; orvella quits by itself after the first paint (ORV_QUIT_AFTER_SHOW) and
// reports its own start-to-paint milliseconds, shown as the counter paint_ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "RunProgram.h"

namespace {

using orv::bench::ProgramDir;
using orv::bench::RunProgram;

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

// The same start with the years a fresh install has (2000 to ten years ahead) and with a remembered
// 2000-2020, each in a settings folder of its own: the longer default range must not slow the start.
void OrvellaToFirstPaintWithSettings(benchmark::State& state, const char* settings) {
  SetUpEnvironment();
  char dir[] = "/tmp/orv-bench-config-XXXXXX";
  const std::filesystem::path config = mkdtemp(dir);
  std::filesystem::create_directories(config / "orvella");
  if (*settings) {
    std::FILE* file = std::fopen((config / "orvella/orvella.conf").c_str(), "w");
    std::fputs(settings, file);
    std::fclose(file);
  }
  const char* previous = std::getenv("XDG_CONFIG_HOME");
  const std::string kept = previous ? previous : "";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  double paintMs = 0;
  for (auto _ : state) paintMs += std::atof(RunProgram(ProgramDir() / "orvella", {}).c_str());
  state.counters["paint_ms"] = benchmark::Counter(paintMs, benchmark::Counter::kAvgIterations);
  if (previous)
    setenv("XDG_CONFIG_HOME", kept.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
  std::filesystem::remove_all(config);
}

void BM_OrvellaDefaultYears(benchmark::State& state) {
  OrvellaToFirstPaintWithSettings(state, "");
}
void BM_OrvellaYears2000To2020(benchmark::State& state) {
  OrvellaToFirstPaintWithSettings(state, "[Years]\nfrom=2000\nto=2020\n");
}
BENCHMARK(BM_OrvellaDefaultYears)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OrvellaYears2000To2020)
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
