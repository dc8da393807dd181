// The main window on a full calendar file: every day of 2000-2020 with a 60-byte note and a
// commentary of about 4 KB of RTF, every month with a commentary too.
//
//   BM_ColdStartWithFullFile  the program started on that file to its first painted window (offscreen);
//                             paint_ms is the program's own start-to-paint time
//   BM_DayMoveInWindow        one move to the next or previous day in the real window: the key event on
//                             the month table and the processing of every event it left pending
//                             (painting included); median_ms is the median move
//   BM_ReloadInWindow         the open, unmodified calendar read again after another program replaced
//                             its file (the watcher's quiet second not counted); target: at most the
//                             start-up's paint_ms
//
//   build/bench/bench_window
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "app/CalendarWindow.h"
#include "app/ExternalChanges.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/TedDoc.h"
#include "richtext/RichEditCtrl.h"
#include "ui/CalendarView.h"

namespace {

using orv::bench::ProgramDir;
using orv::bench::RunProgram;

using namespace orv;

const std::string& ScratchDir() {
  static const std::string dir = [] {
    char name[] = "/tmp/orv-bench-window-XXXXXX";
    return std::string(mkdtemp(name) ? name : "/tmp");
  }();
  return dir;
}

// A commentary of a few paragraphs with some bold text, about 4 KB as RTF.
std::pair<std::string, std::string> Commentary() {
  CRichEditCtrl editor;
  std::string text;
  while (text.size() < 3400) text += "Dlouhy vyklad dne s nekolika odstavci a trochou textu.\r";
  text.pop_back();
  editor.ReplaceSel(text);
  editor.SetSel(0, 40);
  CharFormat bold;
  bold.mask = CFM_BOLD;
  bold.effects = CFE_BOLD;
  editor.SetSelectionCharFormat(bold);
  return {editor.StreamOut(), editor.GetText()};
}

// Written once per run with the document API.
const std::string& FullCalendarFile() {
  static const std::string path = [] {
    CBatchUiServices ui(&std::cerr);
    CTedDoc doc(ui);
    doc.OnNewDocument();
    const auto [rtf, text] = Commentary();
    const std::string note(60, 'p');
    for (int year = MinYear(); year <= MaxYear(); ++year)
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day)
          doc.StoreDay(DayKey(year, month, day), note, rtf, text);
        doc.StoreMonthCommentary(MonthKey(year, month), rtf, text);
      }
    const std::string file = ScratchDir() + "/full.orv";
    if (!doc.OnSaveDocument(file)) std::cerr << "the full calendar could not be written\n";
    std::cerr << "full calendar: " << std::filesystem::file_size(file) / 1024 << " KB, commentary RTF "
              << rtf.size() << " bytes\n";
    return file;
  }();
  return path;
}

void BM_ColdStartWithFullFile(benchmark::State& state) {
  const std::string& file = FullCalendarFile();
  const auto program =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src/orvella";
  setenv("XDG_RUNTIME_DIR", ScratchDir().c_str(), 1);
  setenv("XDG_CONFIG_HOME", ScratchDir().c_str(), 1);
  setenv("ORV_QUIT_AFTER_SHOW", "1", 1);
  setenv("ORV_NONINTERACTIVE", "1", 1);
  double paintMs = 0;
  for (auto _ : state) {
    const std::string out = RunProgram(program, {file});
    if (out.empty()) {
      state.SkipWithError("orvella showed no window");
      return;
    }
    paintMs += std::atof(out.c_str());
  }
  state.counters["paint_ms"] = benchmark::Counter(paintMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ColdStartWithFullFile)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_DayMoveInWindow(benchmark::State& state) {
  CBatchUiServices ui(&std::cerr);
  CTedDoc doc(ui);
  CRecentFileList recent;
  CCalendarWindow window(
      doc, ui, recent, QString::fromStdString(ProgramDir().string()),
      [](const std::string&) { return SaveAnswer::No; },
      [] {
        return Date{2010, 6, 10};
      });
  if (!doc.OnOpenDocument(FullCalendarFile())) {
    state.SkipWithError("the full calendar did not open");
    return;
  }
  window.Start();
  window.Frame().show();
  if (!QTest::qWaitForWindowExposed(&window.Frame())) {
    state.SkipWithError("the window was not shown");
    return;
  }
  QCoreApplication::processEvents();
  QTextEdit* table = window.View().Table();
  std::vector<double> moves;
  bool down = true;
  QElapsedTimer clock;
  for (auto _ : state) {
    clock.start();
    QTest::keyClick(table, down ? Qt::Key_Down : Qt::Key_Up);
    QCoreApplication::processEvents();
    moves.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    down = !down;
  }
  std::nth_element(moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(moves.size() / 2), moves.end());
  state.counters["median_ms"] = moves[moves.size() / 2];
}
BENCHMARK(BM_DayMoveInWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(400);

void BM_ReloadInWindow(benchmark::State& state) {
  CBatchUiServices ui(&std::cerr);
  CTedDoc doc(ui);
  CRecentFileList recent;
  CCalendarWindow window(
      doc, ui, recent, QString::fromStdString(ProgramDir().string()),
      [](const std::string&) { return SaveAnswer::No; },
      [] {
        return Date{2010, 6, 10};
      });
  const std::string file = ScratchDir() + "/reloaded.orv", replacement = ScratchDir() + "/replacement.orv";
  std::filesystem::copy_file(FullCalendarFile(), file, std::filesystem::copy_options::overwrite_existing);
  if (!doc.OnOpenDocument(file)) {
    state.SkipWithError("the full calendar did not open");
    return;
  }
  window.Start();
  window.Frame().show();
  if (!QTest::qWaitForWindowExposed(&window.Frame())) {
    state.SkipWithError("the window was not shown");
    return;
  }
  QCoreApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    // Another program saves: a new file renamed over the old one.
    std::filesystem::copy_file(FullCalendarFile(), replacement,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::rename(replacement, file);
    state.ResumeTiming();
    window.External().Settled();
    QCoreApplication::processEvents();
    struct stat now {};
    ::stat(file.c_str(), &now);
    if (doc.GetDiskFile() != SFileIdentity::Of(now)) state.SkipWithError("the calendar was not read again");
  }
}
BENCHMARK(BM_ReloadInWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("Orvella 2 bench"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
