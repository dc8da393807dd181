#pragma once
// A console reporter that also keeps each benchmark's real time, so that main() can print the
// ratios between benchmarks of one run after they have all run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace orv::bench {

class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> seconds;  // by function name, real time of the run in seconds
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) seconds[run.run_name.function_name] = run.GetAdjustedRealTime() / 1e3;
  }
};

}  // namespace orv::bench
