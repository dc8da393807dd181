// Appending the full calendar (every day of 2000-2020 with a note and a commentary, every month with
// a commentary) into another calendar, as `orv append` does it: open both files, merge, save the
// target. Two targets:
//   IntoChangedCopy  a copy of the source in which one day commentary per month differs, so every
//                    other record is already contained and 252 commentaries are joined (target < 3 s)
//   IntoEmpty        a new calendar without records (target < 5 s)
// Beside them the floor of the same run: reading both files and writing the target once (with
// fsync), the work no append can avoid. The whole `orv append` process is timed as well, against a
// bare process and `cp` of the target.
//
//   build/bench/bench_append [--benchmark_min_time=2]
//   build/bench/bench_append --write-files DIR    only writes source.orv, copy.orv, empty.orv there

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "RunProgram.h"
#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/TedDoc.h"
#include "document/merge/AppendCalendar.h"
#include "editor/CommentaryJoin.h"

namespace {

namespace fs = std::filesystem;

// Czech-looking prose of a given length, in Windows-1250.
std::string Prose(std::size_t length, unsigned& seed) {
  static const char* const words[] = {"den",
                                      "porada",
                                      "\xe8tvrtek",
                                      "ob\xec"
                                      "d",
                                      "\xfakol",
                                      "dopis",
                                      "v\xfdlet",
                                      "sch\xf9zka",
                                      "p\xf8\xedprava",
                                      "kalend\xe1\xf8"};
  std::string text;
  while (text.size() < length) {
    seed = seed * 1664525u + 1013904223u;
    text += words[(seed >> 16) % 10];
    text += (seed >> 8) % 9 == 0 ? '\r' : ' ';
  }
  text.resize(length);
  if (text.back() == '\r') text.back() = '.';
  return text;
}

// The commentary as the editor's writer would put it: one \par per paragraph, 8-bit escapes.
std::string RtfOf(const std::string& text) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 "
      "Arial;}}\\pard\\sa120\\f0\\fs20 ";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      rtf += "\\par ";
    } else if (byte >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", byte);
      rtf += hex;
    } else {
      rtf += c;
    }
  }
  return rtf + "\\par }";
}

void FillFullCalendar(orv::CTedDoc& doc) {
  unsigned seed = 7;
  for (int y = orv::MinYear(); y <= orv::MaxYear(); ++y)
    for (int m = 1; m <= 12; ++m) {
      const std::string month = Prose(1536, seed);
      doc.StoreMonthCommentary(orv::MonthKey(y, m), RtfOf(month), month);
      for (int d = 1; d <= orv::DaysInMonth(y, m); ++d) {
        const std::string text = Prose(1536, seed);
        doc.StoreDay(orv::DayKey(y, m, d), Prose(60, seed), RtfOf(text), text);
      }
    }
}

// One day commentary per month (the 10th) differs from the source's.
void ChangeOneCommentaryPerMonth(orv::CTedDoc& doc) {
  unsigned seed = 99;
  for (int y = orv::MinYear(); y <= orv::MaxYear(); ++y)
    for (int m = 1; m <= 12; ++m) {
      const std::string text = Prose(800, seed);
      doc.StoreDayCommentary(orv::DayKey(y, m, 10), RtfOf(text), text);
    }
}

struct SFiles {
  std::string source, copy, empty;
};

bool WriteFiles(const fs::path& dir, SFiles& files) {
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  doc.OnNewDocument();
  FillFullCalendar(doc);
  files = {(dir / "source.orv").string(), (dir / "copy.orv").string(), (dir / "empty.orv").string()};
  if (!doc.OnSaveDocument(files.source)) return false;
  ChangeOneCommentaryPerMonth(doc);
  if (!doc.OnSaveDocument(files.copy)) return false;
  doc.OnNewDocument();
  return doc.OnSaveDocument(files.empty);
}

// The work of `orv append SOURCE TARGET`: open both, merge, save the target.
bool AppendFiles(const std::string& source, const std::string& target, orv::SAppendResult& result) {
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc from(ui), into(ui);
  if (!from.OnOpenDocument(source) || !into.OnOpenDocument(target)) return false;
  orv::CCommentaryJoin joiner;
  result = orv::AppendCalendar(into, from, {}, joiner);
  return into.OnSaveDocument(target);
}

// The floor: both files read, the target's bytes written once and synced.
void ReadBothWriteOne(const std::string& source, const std::string& target, const std::string& out) {
  std::string bytes;
  for (const std::string& path : {source, target}) {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
  ::fsync(fd);
  ::close(fd);
}

void RegisterAppend(const char* name, const SFiles& files, const std::string& original,
                    const std::string& work) {
  benchmark::RegisterBenchmark(name,
                               [=](benchmark::State& state) {
                                 orv::SAppendResult result;
                                 for (auto _ : state) {
                                   state.PauseTiming();
                                   fs::copy_file(original, work, fs::copy_options::overwrite_existing);
                                   state.ResumeTiming();
                                   if (!AppendFiles(files.source, work, result))
                                     state.SkipWithError("append failed");
                                 }
                                 state.counters["added"] = result.recordsAdded;
                                 state.counters["joined"] = result.recordsChanged;
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
}

double SecondsOf(const std::function<void()>& run, int times) {
  double best = 1e9;
  for (int i = 0; i < times; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

void ReportWholeProcess(const SFiles& files, const fs::path& dir) {
  const fs::path orv = orv::bench::ProgramDir() / "orv";
  const std::string work = (dir / "whole.orv").string();
  const auto append = [&](const std::string& target) {
    return [&, target] {
      fs::copy_file(target, work, fs::copy_options::overwrite_existing);
      orv::bench::RunProgram(orv, {"append", files.source, work});
    };
  };
  const double copyOnly =
      SecondsOf([&] { fs::copy_file(files.copy, work, fs::copy_options::overwrite_existing); }, 5);
  const double bare = SecondsOf([] { orv::bench::RunProgram("/bin/true", {}); }, 5);
  const double cp = SecondsOf([&] { orv::bench::RunProgram("/bin/cp", {files.copy, work}); }, 5);
  std::printf(
      "\nwhole process, best of 5: orv append into the changed copy %.2f s (target < 3 s), "
      "into an empty calendar %.2f s (target < 5 s)\n",
      SecondsOf(append(files.copy), 5) - copyOnly, SecondsOf(append(files.empty), 5) - copyOnly);
  std::printf("floor of the same run: bare process %.3f s, cp of the target %.3f s; file %.1f MB\n", bare, cp,
              static_cast<double>(fs::file_size(files.source)) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  SFiles files;
  if (argc == 3 && std::string(argv[1]) == "--write-files") return WriteFiles(argv[2], files) ? 0 : 1;
  benchmark::Initialize(&argc, argv);
  char pattern[] = "/tmp/orv-bench-append-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  if (!WriteFiles(dir, files)) return 1;
  const std::string work = (dir / "target.orv").string();

  RegisterAppend("IntoChangedCopy", files, files.copy, work);
  RegisterAppend("IntoEmpty", files, files.empty, work);
  benchmark::RegisterBenchmark("Floor_ReadBothWriteOne",
                               [&](benchmark::State& state) {
                                 for (auto _ : state)
                                   ReadBothWriteOne(files.source, files.copy, (dir / "floor.bin").string());
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  ReportWholeProcess(files, dir);
  fs::remove_all(dir);
  return 0;
}
