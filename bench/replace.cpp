// "Zaměnit vše" over one commentary with many occurrences (orv replace does the same): 10,000 and
// 100,000 replacements of a word in a text of words, against the floor of the same run, reading the
// commentary into the control and its text out once. The time grows with the number of
// replacements, not with its square.
//
//   build/bench/bench_replace [--benchmark_repetitions=3]

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "core/BatchUiServices.h"
#include "editor/FindReplace.h"
#include "richtext/RichEditCtrl.h"

namespace {

// `words` words, every other one "den", in paragraphs of 20 words.
std::string Commentary(int words) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < words; ++i) {
    rtf += i % 2 == 0 ? "den " : "noc ";
    if (i % 20 == 19) rtf += "\\par ";
  }
  return rtf + "}";
}

void BM_ReplaceAll(benchmark::State& state) {
  const std::string rtf = Commentary(static_cast<int>(state.range(0)) * 2);
  orv::FindSettings find;
  find.text = "den";
  find.SetWholeWords(true);
  orv::CBatchUiServices quiet;
  for (auto _ : state) {
    orv::CRichEditCtrl ctrl;
    ctrl.StreamIn(rtf);
    ctrl.SetSel(0, 0);
    benchmark::DoNotOptimize(orv::ReplaceAll(ctrl, find, "den a den", quiet));
    benchmark::DoNotOptimize(ctrl.GetText());
  }
}
BENCHMARK(BM_ReplaceAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FloorStreamInAndText(benchmark::State& state) {
  const std::string rtf = Commentary(static_cast<int>(state.range(0)) * 2);
  for (auto _ : state) {
    orv::CRichEditCtrl ctrl;
    ctrl.StreamIn(rtf);
    benchmark::DoNotOptimize(ctrl.GetText());
  }
}
BENCHMARK(BM_FloorStreamInAndText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
