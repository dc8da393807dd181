// Saving and loading a full calendar (every day of 2000-2020 with a note and a commentary, every month
// with a commentary) against the floor of the same run: one plain write (with fsync, as a save does)
// and one plain read of the same bytes. Saves are measured for the calendar as built in memory, as
// loaded from its file, and as loaded with one day changed. Also the peak memory of a load, measured
// in a fresh process, against the size of the file.
//
//   build/bench/bench_calendar_file [--days N] [--benchmark_min_time=2]   N first days only (500: a
//                                                                         small calendar)
//   build/bench/bench_calendar_file --write FILE.orv [N]                  only writes the calendar

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>

#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/TedDoc.h"

namespace {

namespace fs = std::filesystem;

// Text of a given length that looks like Czech prose in Windows-1250.
std::string Filler(std::size_t length, unsigned seed) {
  static const std::string words[] = {"kalend\xe1\xf8", "porada",          "\xe8tvrtek", "odpoledne",
                                      "\xfakol",        "p\xf8\xedprava",  "sch\xf9zka", "v\xfdlet",
                                      "dopis",          "\xfa\xf8\x61\x64"};
  std::string text;
  while (text.size() < length) text += words[(seed = seed * 1103515245 + 12345) >> 16 & 7] + ' ';
  text.resize(length);
  return text;
}

std::string Rtf(const std::string& plain) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\pard\\sa120 ";
  for (char c : plain) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(c));
      rtf += hex;
    } else {
      rtf += c;
    }
  }
  while (rtf.size() < 4090) rtf += "\\par ";
  return rtf + "\\par }";
}

// Every day from 2000-01-01 on, `days` of them at most, and the months they touch.
void FillCalendar(orv::CTedDoc& doc, int days) {
  unsigned seed = 1;
  for (int y = orv::MinYear(); y <= orv::MaxYear(); ++y) {
    for (int m = 1; m <= 12; ++m) {
      if (days <= 0) return;
      const std::string monthText = Filler(1536, ++seed);
      doc.StoreMonthCommentary(orv::MonthKey(y, m), Rtf(monthText), monthText);
      for (int d = 1; d <= orv::DaysInMonth(y, m) && days-- > 0; ++d) {
        const std::string text = Filler(1536, ++seed);
        doc.StoreDay(orv::DayKey(y, m, d), Filler(60, ++seed), Rtf(text), text);
      }
    }
  }
}

constexpr int kAllDays = 1 << 30;

int WriteCalendar(const char* path, int days) {
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  FillCalendar(doc, days);
  return doc.OnSaveDocument(path) ? 0 : 1;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(fs::file_size(path), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// The floor of a load: the file's bytes into a buffer, nothing more (in the same kind of buffer a load
// reads into).
std::size_t PlainRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  const std::size_t size = fs::file_size(path);
  char* buffer = nullptr;
  const orv::CArchiveBuffer owner = orv::CArchiveBuffer::Allocate(size, buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, buffer + done, size - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  benchmark::DoNotOptimize(buffer);
  return done;
}

void WriteAndSync(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::fsync(fd);
  ::close(fd);
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  return -1;
}

// Runs in a fresh process: the growth of the peak resident size while one calendar loads.
int MeasureLoad(const char* path) {
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  const long before = StatusKb("VmRSS:");
  if (!doc.OnOpenDocument(path)) return 1;
  std::cout << (StatusKb("VmHWM:") - before) * 1024 << '\n';
  return 0;
}

long LoadPeakBytes(const std::string& path) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(pipeFds[1], STDOUT_FILENO);
    ::execl("/proc/self/exe", "bench_calendar_file", "--measure-load", path.c_str(), nullptr);
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  std::string out;
  char buffer[64];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    out.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return out.empty() ? -1 : std::stol(out);
}

class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> bytesPerSecond;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      auto it = run.counters.find("bytes_per_second");
      if (it != run.counters.end()) bytesPerSecond[run.run_name.function_name] = it->second;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--measure-load") return MeasureLoad(argv[2]);
  if (argc >= 3 && std::string(argv[1]) == "--write")
    return WriteCalendar(argv[2], argc > 3 ? std::atoi(argv[3]) : kAllDays);
  int days = kAllDays;
  if (argc >= 3 && std::string(argv[1]) == "--days") {
    days = std::atoi(argv[2]);
    argv[2] = argv[0];
    argc -= 2;
    argv += 2;
  }
  benchmark::Initialize(&argc, argv);

  char pattern[] = "/tmp/orv-bench-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  const std::string calendarPath = (dir / "plny.orv").string();
  const std::string plainPath = (dir / "plain.bin").string();
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  FillCalendar(doc, days);
  if (!doc.OnSaveDocument(calendarPath)) return 1;
  const std::string savedPath = (dir / "ulozeny.orv").string();
  orv::CTedDoc loadedDoc(ui);
  if (!loadedDoc.OnOpenDocument(calendarPath)) return 1;
  const std::string bytes = ReadAll(calendarPath);
  const auto size = static_cast<std::int64_t>(bytes.size());

  benchmark::RegisterBenchmark("PlainWrite",
                               [&](benchmark::State& state) {
                                 for (auto _ : state) WriteAndSync(plainPath, bytes);
                                 state.SetBytesProcessed(state.iterations() * size);
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("Save",
                               [&](benchmark::State& state) {
                                 for (auto _ : state)
                                   if (!doc.OnSaveDocument(calendarPath)) state.SkipWithError("save failed");
                                 state.SetBytesProcessed(state.iterations() * size);
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("SaveLoaded",
                               [&](benchmark::State& state) {
                                 for (auto _ : state)
                                   if (!loadedDoc.OnSaveDocument(savedPath))
                                     state.SkipWithError("save failed");
                                 state.SetBytesProcessed(state.iterations() * size);
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("SaveOneDayChanged",
                               [&](benchmark::State& state) {
                                 int round = 0;
                                 for (auto _ : state) {
                                   loadedDoc.StoreDay("2000/01/05", "zm\xecna " + std::to_string(++round), "",
                                                      "");
                                   if (!loadedDoc.OnSaveDocument(savedPath))
                                     state.SkipWithError("save failed");
                                 }
                                 state.SetBytesProcessed(state.iterations() * size);
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("PlainRead",
                               [&](benchmark::State& state) {
                                 for (auto _ : state) benchmark::DoNotOptimize(PlainRead(calendarPath));
                                 state.SetBytesProcessed(state.iterations() * size);
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("Load",
                               [&](benchmark::State& state) {
                                 orv::CTedDoc loaded(ui);
                                 for (auto _ : state)
                                   if (!loaded.OnOpenDocument(calendarPath))
                                     state.SkipWithError("load failed");
                                 state.SetBytesProcessed(state.iterations() * size);
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();

  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& r = reporter.bytesPerSecond;
  const auto mb = [](double bps) { return bps / 1e6; };
  std::printf("\ncalendar file: %.1f MB, %d day records, %zu month records\n", size / 1e6,
              doc.GetRecordCount(), doc.m_DataMesice.size());
  for (const char* save : {"Save", "SaveLoaded", "SaveOneDayChanged"})
    if (r.count(save) && r.count("PlainWrite"))
      std::printf("%-18s %8.1f MB/s   plain write+fsync %8.1f MB/s   floor/save %.2fx (target <= 3)\n", save,
                  mb(r[save]), mb(r["PlainWrite"]), r["PlainWrite"] / r[save]);
  if (r.count("Load") && r.count("PlainRead"))
    std::printf("%-18s %8.1f MB/s   plain read        %8.1f MB/s   floor/load %.2fx (target <= 3)\n", "Load",
                mb(r["Load"]), mb(r["PlainRead"]), r["PlainRead"] / r["Load"]);
  const long peak = LoadPeakBytes(calendarPath);
  std::printf("peak memory while loading: %.1f MB = %.2fx the file (target < 3)\n", peak / 1e6,
              static_cast<double>(peak) / static_cast<double>(size));
  fs::remove_all(dir);
  return 0;
}
