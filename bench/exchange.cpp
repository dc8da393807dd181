// Moving a diary in and out, whole processes: a RedNotebook journal of 21 years of daily entries
// (2000-2020, 7,671 days of about 4 KB with bold, italic, headings, lists and links) imported into a
// new calendar, beside RedNotebook's own loading of the same journal (its storage module, where the
// program is installed) and a bare Python start; then the imported calendar exported as Markdown
// beside its export to RTF with --all and a copy of the calendar (cp).
//
//   build/bench/bench_exchange [--benchmark_min_time=1]
//
// Targets: the import within 3× RedNotebook's loading, export-md within 2× export-rtf --all.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "CollectingReporter.h"
#include "RunProgram.h"
#include "core/CalendarDates.h"

namespace {

namespace fs = std::filesystem;

constexpr char kRedNotebook[] = "/usr/share/rednotebook";

std::string Line(unsigned& seed, std::size_t length) {
  static const std::vector<std::string> words = {
      "ráno",  "odpoledne", "večer", "porada",    "schůzka",   "s",     "babičkou",
      "výlet", "do",        "lesa",  "ples",      "nákup",     "oběd",  "úřad",
      "škola", "počasí",    "déšť",  "sníh",      "práce",     "řeka",  "město",
      "vlak",  "Praha",     "Brno",  "koncert",   "divadlo",   "kniha", "děti",
      "a",     "v",         "na",    "**tučně**", "//šikmo//", "#hory", "[web http://example.cz]",
      "🚲"};
  std::string text;
  while (text.size() < length) {
    seed = seed * 1103515245u + 12345u;
    text += words[(seed >> 16) % words.size()] + " ";
  }
  return text;
}

// A day of about 4 KB as a RedNotebook text: a heading, paragraphs and a list.
std::string DayText(unsigned& seed) {
  std::string text = "= " + Line(seed, 20) + "=\n";
  for (int i = 0; i < 8; ++i) text += Line(seed, 420) + "\n";
  for (int i = 0; i < 3; ++i) text += "- " + Line(seed, 60) + "\n";
  return text;
}

// YAML double-quoted, as RedNotebook writes a day's text.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\n')
      out += "\\n";
    else if (c == '"' || c == '\\')
      out += std::string("\\") + c;
    else
      out += c;
  }
  return out + "\"";
}

int WriteJournal(const fs::path& folder) {
  fs::create_directories(folder);
  unsigned seed = 7;
  int days = 0;
  for (int y = 2000; y <= 2020; ++y)
    for (int m = 1; m <= 12; ++m) {
      char name[16];
      std::snprintf(name, sizeof name, "%04d-%02d.txt", y, m);
      std::ofstream out(folder / name, std::ios::binary);
      for (int d = 1; d <= orv::DaysInMonth(y, m); ++d, ++days)
        out << d << ":\n  Nálada:\n    dobrá: null\n  text: " << Quoted(DayText(seed)) << "\n";
    }
  return days;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const fs::path dir = fs::temp_directory_path() / ("orv-bench-exchange-" + std::to_string(::getpid()));
  const fs::path journal = dir / "journal";
  const int days = WriteJournal(journal);
  const fs::path orv = orv::bench::ProgramDir() / "orv";
  const std::string imported = (dir / "import.orv").string();
  const std::string calendar = (dir / "kalendar.orv").string();
  orv::bench::RunProgram(orv, {"import-rednotebook", journal.string(), calendar});
  const std::string md = (dir / "md").string();
  const bool haveRedNotebook = fs::exists(fs::path(kRedNotebook) / "rednotebook" / "storage.py");
  const std::string load = std::string("import sys; sys.path.insert(0, '") + kRedNotebook +
                           "'); from rednotebook import storage; storage.load_all_months_from_disk('" +
                           journal.string() + "')";

  struct Run {
    const char* name;
    fs::path program;
    std::vector<std::string> args;
    std::function<void()> before;  // untimed, before every run
  };
  std::vector<Run> runs = {
      {"ImportRedNotebook",
       orv,
       {"import-rednotebook", journal.string(), imported},
       [&] { fs::remove(imported); }},
      {"FloorPythonStart", "/usr/bin/python3", {"-c", "pass"}, {}},
      {"ExportMd", orv, {"export-md", calendar, md}, [&] { fs::remove_all(md); }},
      {"ExportRtfAll", orv, {"export-rtf", calendar, (dir / "export.rtf").string(), "--all", "--yes"}, {}},
      {"FloorCp", "/bin/cp", {calendar, (dir / "kopie.orv").string()}, {}},
  };
  if (haveRedNotebook)
    runs.insert(runs.begin() + 1, {"RedNotebookLoad", "/usr/bin/python3", {"-c", load}, {}});
  for (const Run& run : runs)
    benchmark::RegisterBenchmark(run.name,
                                 [&run](benchmark::State& state) {
                                   for (auto _ : state) {
                                     if (run.before) {
                                       state.PauseTiming();
                                       run.before();
                                       state.ResumeTiming();
                                     }
                                     orv::bench::RunProgram(run.program, run.args);
                                   }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

  orv::bench::CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& t = reporter.seconds;
  std::printf(
      "\njournal: %d days, %.1f MB; calendar %.1f MB\n", days,
      [&] {
        double bytes = 0;
        for (const auto& file : fs::directory_iterator(journal))
          bytes += static_cast<double>(file.file_size());
        return bytes / 1e6;
      }(),
      static_cast<double>(fs::file_size(calendar)) / 1e6);
  if (t.count("ImportRedNotebook") && t.count("RedNotebookLoad"))
    std::printf("import-rednotebook %.2f s = %.2f× RedNotebook's loading %.2f s (target ≤ 3×)\n",
                t["ImportRedNotebook"], t["ImportRedNotebook"] / t["RedNotebookLoad"], t["RedNotebookLoad"]);
  if (t.count("ExportMd") && t.count("ExportRtfAll"))
    std::printf("export-md %.2f s = %.2f× export-rtf --all %.2f s (target ≤ 2×)\n", t["ExportMd"],
                t["ExportMd"] / t["ExportRtfAll"], t["ExportRtfAll"]);
  fs::remove_all(dir);
  return 0;
}
