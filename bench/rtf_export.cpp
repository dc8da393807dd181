// The calendar export to RTF (and PDF) as the user runs it from the command line, whole processes,
// over a full calendar: every day of 2000-2020 with a 60-byte note and a formatted commentary of
// about 1.5 KB (paragraphs, bold and italic words, an indented paragraph), every month with a
// commentary. Beside them the floor of the same run: copying the calendar file (cp), reading it
// (orv info) and a bare start of orv (orv --version).
//
//   build/bench/bench_rtf_export [--benchmark_min_time=1]
//   ORV_BENCH_KEEP=1 build/bench/bench_rtf_export   keeps the calendar for /usr/bin/time -v orv ...
//
// Targets: 365 days under 1 s, the whole calendar with --all under 10 s, the PDF of 365 days under 5 s.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "CollectingReporter.h"
#include "RunProgram.h"
#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"
#include "document/TedDoc.h"
#include "richtext/RichEditCtrl.h"

namespace {

namespace fs = std::filesystem;

std::string Prose(unsigned& seed, std::size_t length) {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> w;
    for (const char* word :
         {"ráno",   "odpoledne", "večer", "porada",  "schůzka", "s",     "babičkou",  "výlet",
          "do",     "lesa",      "ples",  "nákup",   "oběd",    "úřad",  "přednáška", "škola",
          "počasí", "déšť",      "sníh",  "zahrada", "práce",   "dopis", "řeka",      "město",
          "vlak",   "Praha",     "Brno",  "koncert", "divadlo", "kniha", "děti",      "rodina",
          "a",      "v",         "na",    "se",      "je",      "bylo"})
      w.push_back(orv::Cp1250FromUtf8(word));
    return w;
  }();
  std::string text;
  while (text.size() < length) {
    seed = seed * 1103515245u + 12345u;
    text += words[(seed >> 16) % words.size()];
    text += (seed >> 8) % 53 == 0 ? "\r" : " ";
  }
  text.resize(length);
  return text;
}

// A commentary as the editor stores it: RTF and plain text.
std::pair<std::string, std::string> Commentary(orv::CRichEditCtrl& ctrl, unsigned& seed) {
  ctrl.StreamIn({});
  ctrl.ReplaceSel(Prose(seed, 1500));
  for (int i = 0; i < 12; ++i) {
    const int start = static_cast<int>((seed = seed * 1103515245u + 12345u) >> 16) % 1400;
    ctrl.SetSel(start, start + 25);
    orv::CharFormat format;
    format.mask = i % 2 ? orv::CFM_BOLD : orv::CFM_ITALIC;
    format.effects = i % 2 ? orv::CFE_BOLD : orv::CFE_ITALIC;
    ctrl.SetSelectionCharFormat(format);
  }
  ctrl.SetSel(700, 700);
  orv::ParaFormat indent;
  indent.mask = orv::PFM_STARTINDENT;
  indent.startIndent = 567;
  ctrl.SetParaFormat(indent);
  return {ctrl.StreamOut(), ctrl.GetText()};
}

// Writes the full calendar; distinct commentaries are reused so that setting up stays short.
void WriteCalendar(const fs::path& path) {
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  orv::CRichEditCtrl ctrl;
  unsigned seed = 11;
  std::vector<std::pair<std::string, std::string>> commentaries;
  for (int i = 0; i < 397; ++i) commentaries.push_back(Commentary(ctrl, seed));
  std::size_t n = 0;
  for (int y = orv::MinYear(); y <= orv::MaxYear(); ++y)
    for (int m = 1; m <= 12; ++m) {
      const auto& month = commentaries[n++ % commentaries.size()];
      doc.StoreMonthCommentary(orv::MonthKey(y, m), month.first, month.second);
      for (int d = 1; d <= orv::DaysInMonth(y, m); ++d) {
        const auto& day = commentaries[n++ % commentaries.size()];
        doc.StoreDay(orv::DayKey(y, m, d), Prose(seed, 60), day.first, day.second);
      }
    }
  std::ofstream(path, std::ios::binary) << orv::StoreCalendar(doc);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const fs::path dir = fs::temp_directory_path() / ("orv-bench-rtf-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path calendar = dir / "kalendar.orv";
  WriteCalendar(calendar);
  const fs::path orv = orv::bench::ProgramDir() / "orv";
  const std::string cal = calendar.string();
  const std::string rtf = (dir / "export.rtf").string();
  const std::string pdf = (dir / "export.pdf").string();

  struct Run {
    const char* name;
    fs::path program;
    std::vector<std::string> args;
    std::string output;  // the file whose size is reported
  };
  const std::vector<Run> runs = {
      {"Rtf365Days", orv, {"export-rtf", cal, rtf, "--from", "2010-01-01", "--to", "2010-12-31"}, rtf},
      {"RtfWholeCalendarAll", orv, {"export-rtf", cal, rtf, "--all"}, rtf},
      {"Pdf365Days", orv, {"export-pdf", cal, pdf, "--from", "2010-01-01", "--to", "2010-12-31"}, pdf},
      {"FloorCp", "/bin/cp", {cal, (dir / "kopie.orv").string()}, {}},
      {"FloorOrvInfo", orv, {"info", cal}, {}},
      {"FloorOrvVersion", orv, {"--version"}, {}},
  };
  std::map<std::string, std::uintmax_t> sizes;
  for (const Run& run : runs)
    benchmark::RegisterBenchmark(run.name,
                                 [&run, &sizes](benchmark::State& state) {
                                   for (auto _ : state) orv::bench::RunProgram(run.program, run.args);
                                   std::error_code error;
                                   if (!run.output.empty())
                                     sizes[run.name] = fs::file_size(run.output, error);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

  orv::bench::CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& t = reporter.seconds;
  std::printf("\ncalendar: %.1f MB\n", static_cast<double>(fs::file_size(calendar)) / 1e6);
  const struct {
    const char* name;
    double target;
  } targets[] = {{"Rtf365Days", 1}, {"RtfWholeCalendarAll", 10}, {"Pdf365Days", 5}};
  for (const auto& target : targets)
    if (t.count(target.name))
      std::printf("%-20s %8.3f s (target < %.0f s), output %.1f MB\n", target.name, t[target.name],
                  target.target, static_cast<double>(sizes[target.name]) / 1e6);
  for (const char* floor : {"FloorCp", "FloorOrvInfo", "FloorOrvVersion"})
    if (t.count(floor)) std::printf("%-20s %8.3f s\n", floor, t[floor]);
  if (qEnvironmentVariableIsSet("ORV_BENCH_KEEP"))
    std::printf("calendar kept: %s\n", cal.c_str());
  else
    fs::remove_all(dir);
  return 0;
}
