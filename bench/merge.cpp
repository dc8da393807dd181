// Merging a sync conflict copy into a full calendar (every day of 2000-2020 with a note and a
// commentary of about 1.5 KB, every month with a commentary), as `orv merge FILE COPY --base BASE`
// does it: three versions opened, merged, FILE saved. FILE and COPY each changed 50 other days of
// BASE (so they differ in 100 days), 10 of them on both sides, which are joined.
// Target: the whole merge process takes at most 1.5 times `orv convert` of FILE (open + save), in
// the same run; a bare process and `cp` of FILE are the floor beside it.
//
//   build/bench/bench_merge

#include <unistd.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>

#include "RunProgram.h"
#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/TedDoc.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2020;

// About `length` bytes of text that differs from day to day, paragraphs every few lines.
std::string Text(std::size_t length, int salt) {
  static const char* const words[] = {"r\xe1no", "pr\xe1\x63\x65", "ob\xec\x64", "sch\xf9zka", "proch\xe1zka",
                                      "dopis",   "n\xe1kup",       "v\xfdlet",   "\xfakol",    "ve\xe8\x65r"};
  std::string text;
  for (unsigned n = static_cast<unsigned>(salt) * 2654435761u; text.size() < length;
       n = n * 1103515245u + 12345u) {
    text += words[(n >> 16) % 10];
    text += (n >> 8) % 11 == 0 ? '\r' : ' ';
  }
  text.resize(length);
  if (text.back() == '\r') text.back() = '.';
  return text;
}

std::string Rtf(const std::string& text) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\pard\\f0\\fs20 ";
  for (const char c : text) {
    if (c == '\r') {
      rtf += "\\par ";
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(c));
      rtf += hex;
    } else {
      rtf += c;
    }
  }
  return rtf + "\\par }";
}

void StoreText(orv::CTedDoc& doc, const std::string& key, const std::string& note, int salt) {
  const std::string text = Text(1536, salt);
  doc.StoreDay(key, note, Rtf(text), text);
}

// The n-th day of the calendar, counted from 1 January 2000 in steps of 11 days.
std::string NthDay(int n) {
  int day = n * 11, year = kFirstYear, month = 1;
  while (day >= orv::DaysInMonth(year, month)) {
    day -= orv::DaysInMonth(year, month);
    if (++month == 13) month = 1, ++year;
  }
  return orv::DayKey(year, month, day + 1);
}

bool WriteFiles(const fs::path& dir) {
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  doc.OnNewDocument();
  int salt = 0;
  for (int y = kFirstYear; y <= kLastYear; ++y)
    for (int m = 1; m <= 12; ++m) {
      const std::string month = Text(1536, ++salt);
      doc.StoreMonthCommentary(orv::MonthKey(y, m), Rtf(month), month);
      for (int d = 1; d <= orv::DaysInMonth(y, m); ++d) StoreText(doc, orv::DayKey(y, m, d), "den", ++salt);
    }
  if (!doc.OnSaveDocument((dir / "base.orv").string())) return false;
  // Days 0-49 change here, days 40-89 there: 40 + 40 on one side only, 10 on both.
  for (int n = 0; n < 50; ++n) StoreText(doc, NthDay(n), "doma", 100000 + n);
  if (!doc.OnSaveDocument((dir / "ours.orv").string())) return false;
  if (!doc.OnOpenDocument((dir / "base.orv").string())) return false;
  for (int n = 40; n < 90; ++n) StoreText(doc, NthDay(n), "v pr\xe1\x63i", 200000 + n);
  return doc.OnSaveDocument((dir / "theirs.orv").string());
}

// The best of `times` runs of `run`, each after an untimed `prepare`.
double BestOf(int times, const std::function<void()>& prepare, const std::function<void()>& run) {
  double best = 1e9;
  for (int i = 0; i < times; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  char pattern[] = "/tmp/orv-bench-merge-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  if (!WriteFiles(dir)) return 1;
  const fs::path orv = orv::bench::ProgramDir() / "orv";
  const std::string ours = (dir / "ours.orv").string(), work = (dir / "work.orv").string();
  const auto copyOurs = [&] { fs::copy_file(ours, work, fs::copy_options::overwrite_existing); };
  copyOurs();
  const std::string said = orv::bench::RunProgram(
      orv, {"merge", work, (dir / "theirs.orv").string(), "--base", (dir / "base.orv").string(), "--keep"});
  if (said.find(": 10 dnů") == std::string::npos) {
    std::fprintf(stderr, "orv merge did not join the 10 days changed on both sides:\n%s", said.c_str());
    return 1;
  }
  // orv convert refuses to overwrite a file: each run writes a new one, as merge rewrites its own.
  const auto removeWork = [&] { fs::remove(work); };
  removeWork();
  orv::bench::RunProgram(orv, {"convert", ours, work});
  if (!fs::exists(work)) {
    std::fprintf(stderr, "orv convert did not write the calendar\n");
    return 1;
  }
  const double merge = BestOf(5, copyOurs, [&] {
    orv::bench::RunProgram(
        orv, {"merge", work, (dir / "theirs.orv").string(), "--base", (dir / "base.orv").string(), "--keep"});
  });
  const double convert = BestOf(5, removeWork, [&] { orv::bench::RunProgram(orv, {"convert", ours, work}); });
  const double bare = BestOf(
      5, [] {}, [] { orv::bench::RunProgram("/bin/true", {}); });
  const double cp = BestOf(5, removeWork, [&] { orv::bench::RunProgram("/bin/cp", {ours, work}); });
  std::printf(
      "whole process, best of 5: orv merge --base %.3f s, orv convert %.3f s: ratio %.2f (target <= 1.5)\n",
      merge, convert, merge / convert);
  std::printf("floor of the same run: bare process %.3f s, cp of the calendar %.3f s; file %.1f MB\n", bare,
              cp, static_cast<double>(fs::file_size(ours)) / 1e6);
  fs::remove_all(dir);
  return 0;
}
