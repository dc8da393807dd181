// "Tento den v minulých letech" on a full calendar (every day of 2000-2020 with a 60-byte note and a
// commentary of about 4 KB): the list of the 21 years of one day, built on a freshly opened file so
// that every record is read from the file's bytes, against the floor of reading those 21 records
// alone. The target is 5 ms for the list.
//
//   build/bench/bench_on_this_day [--benchmark_min_time=1]

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>

#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/TedDoc.h"
#include "view/OnThisDay.h"

namespace {

using namespace orv;

struct SavedCalendar {
  std::string path;

  SavedCalendar() {
    char dir[] = "/tmp/orv-bench-onthisday-XXXXXX";
    path = std::string(::mkdtemp(dir)) + "/plny.orv";
    CBatchUiServices ui{&std::cerr};
    CTedDoc doc{ui};
    doc.OnNewDocument();
    std::string text;
    while (text.size() < 3400) text += "Dlouhy vyklad dne s nekolika odstavci a trochou textu.\r";
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + text + std::string(600, 'x') + "}";
    for (int year = 2000; year <= 2020; ++year)
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(year, month); ++day)
          doc.StoreDay(DayKey(year, month, day), std::string(60, 'p'), rtf, text);
    doc.OnSaveDocument(path);
  }
  ~SavedCalendar() { std::filesystem::remove_all(std::filesystem::path(path).parent_path()); }
};

const SavedCalendar& Calendar() {
  static const SavedCalendar calendar;
  return calendar;
}

// Each iteration works on a calendar opened anew (not timed), as when the window is first shown.
template <typename Work>
void OnFreshCalendar(benchmark::State& state, Work work) {
  CBatchUiServices ui{&std::cerr};
  const CYearRangeScope years({2000, 2020});
  std::size_t found = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CTedDoc>(ui);
    doc->OnOpenDocument(Calendar().path);
    state.ResumeTiming();
    found += work(*doc);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["records"] = benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

void BM_OnThisDayList(benchmark::State& state) {
  OnFreshCalendar(state, [](const CTedDoc& doc) { return OnThisDay(doc, {7, 14}, 2026).size(); });
}
BENCHMARK(BM_OnThisDayList)->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(5);

void BM_ReadTheRecordsFloor(benchmark::State& state) {
  OnFreshCalendar(state, [](const CTedDoc& doc) {
    std::size_t found = 0;
    for (int year = 2020; year >= 2000; --year) {
      const CEntrTxt* record = doc.GetDayRecord(DayKey(year, 7, 14));
      found += record && !record->m_Text.empty();
    }
    return found;
  });
}
BENCHMARK(BM_ReadTheRecordsFloor)->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
