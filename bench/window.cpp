// The main window on a full calendar file: every day of 2000-2020 with a 60-byte note and a
// commentary of about 4 KB of RTF, every month with a commentary too; each commentary starts with its
// own key, so no two are the same.
//
//   BM_ColdStartWithNewCalendar  the program started without a file to its first painted window
//                             (offscreen); paint_ms is the median of the program's own start-to-paint
//                             times (the time per iteration is the whole process)
//   BM_ColdStartWithFullFile  the same on that file; new_ratio is its paint_ms over that of new
//                             calendars started alternately with it (target: 1.2)
//   BM_DayMoveFloor           what the toolkit itself needs for the same moves: a bare text edit of the day
//                             editor's size given the next day's commentary as a document built
//                             beforehand (never laid out), and the table's selection moved to the next
//                             row, then the pending events processed (layout and painting);
//                             median_ms is the median move, cpu_median_ms the median processor
//                             time of the process (all its threads) over a move, which a loaded
//                             machine disturbs less
//   BM_DayMoveInWindow        one move to the next or previous day in the real window: the key event on
//                             the month table and the processing of every event it left pending
//                             (painting included); median_ms and cpu_median_ms as for the floor,
//                             floor_ratio and cpu_floor_ratio those over the floor's when
//                             BM_DayMoveFloor ran before it (target: 1.5)
//   BM_ReloadInWindow         the open, unmodified calendar read again after another program replaced
//                             its file (the watcher's quiet second not counted); median_ms and
//                             cpu_median_ms of the reloads, startup_ratio the median over the
//                             paint_ms of BM_ColdStartWithFullFile when it ran before (target: at most 1)
//
//   build/bench/bench_window
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
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
#include "ui/RichTextView.h"
#include "ui/SpellService.h"

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
    const auto store = [&](const std::string& key, bool month) {
      std::string keyedRtf = rtf, keyedText = text;
      keyedRtf.replace(keyedRtf.find("Dlouhy"), 6, key);
      keyedText.replace(keyedText.find("Dlouhy"), 6, key);
      if (month)
        doc.StoreMonthCommentary(key, keyedRtf, keyedText);
      else
        doc.StoreDay(key, note, keyedRtf, keyedText);
    };
    for (int year = MinYear(); year <= MaxYear(); ++year)
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) store(DayKey(year, month, day), false);
        store(MonthKey(year, month), true);
      }
    const std::string file = ScratchDir() + "/full.orv";
    if (!doc.OnSaveDocument(file)) std::cerr << "the full calendar could not be written\n";
    std::cerr << "full calendar " << file << ": " << std::filesystem::file_size(file) / 1024
              << " KB, commentary RTF " << rtf.size() << " bytes\n";
    return file;
  }();
  return path;
}

double Median(std::vector<double> values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// The program started with `args` to its first painted window: its own start-to-paint milliseconds,
// 0 when it showed no window.
double ColdStart(const std::vector<std::string>& args) {
  const auto program =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src/orvella";
  setenv("XDG_RUNTIME_DIR", ScratchDir().c_str(), 1);
  setenv("XDG_CONFIG_HOME", ScratchDir().c_str(), 1);
  // The bases of merges the program keeps stay in the scratch folder too.
  setenv("XDG_STATE_HOME", ScratchDir().c_str(), 1);
  setenv("ORV_QUIT_AFTER_SHOW", "1", 1);
  setenv("ORV_NONINTERACTIVE", "1", 1);
  return std::atof(RunProgram(program, args).c_str());
}

void BM_ColdStartWithNewCalendar(benchmark::State& state) {
  std::vector<double> paintMs;
  for (auto _ : state) paintMs.push_back(ColdStart({}));
  if (std::find(paintMs.begin(), paintMs.end(), 0.0) != paintMs.end()) {
    state.SkipWithError("orvella showed no window");
    return;
  }
  state.counters["paint_ms"] = Median(paintMs);
}
BENCHMARK(BM_ColdStartWithNewCalendar)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(9);

double g_FullFilePaintMs = 0;  // for the reload's ratio

// Each start on the file is paired with a start of a new calendar right after it (not timed), so that
// a machine whose load changes during the run disturbs both sides of new_ratio alike.
void BM_ColdStartWithFullFile(benchmark::State& state) {
  const std::string& file = FullCalendarFile();
  std::vector<double> paintMs, newMs;
  for (auto _ : state) {
    paintMs.push_back(ColdStart({file}));
    state.PauseTiming();
    newMs.push_back(ColdStart({}));
    state.ResumeTiming();
  }
  if (std::find(paintMs.begin(), paintMs.end(), 0.0) != paintMs.end() ||
      std::find(newMs.begin(), newMs.end(), 0.0) != newMs.end()) {
    state.SkipWithError("orvella showed no window");
    return;
  }
  g_FullFilePaintMs = Median(paintMs);
  state.counters["paint_ms"] = g_FullFilePaintMs;
  state.counters["new_ratio"] = Median(paintMs) / Median(newMs);
}
BENCHMARK(BM_ColdStartWithFullFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(9);

// The window on the full calendar at 10 June 2010, shown, with every pending event processed.
class CShownWindow {
 public:
  CShownWindow()
      : m_Doc(m_Ui),
        m_Window(
            m_Doc, m_Ui, m_Recent, QString::fromStdString(ProgramDir().string()),
            [](const std::string&) { return SaveAnswer::No; },
            [] {
              return Date{2010, 6, 10};
            }) {}

  // Empty when the window is up, else why not.
  std::string Show() {
    if (!m_Doc.OnOpenDocument(FullCalendarFile())) return "the full calendar did not open";
    m_Window.Start();
    m_Window.Frame().show();
    if (!QTest::qWaitForWindowExposed(&m_Window.Frame())) return "the window was not shown";
    // Moves are measured with spell checking at work, as the user has it.
    CSpellService& spelling = CSpellService::Instance();
    if (!spelling.Unavailable() && !QTest::qWaitFor([&] { return spelling.Checker() != nullptr; }, 10000))
      return "the dictionary was not read";
    QCoreApplication::processEvents();
    return {};
  }
  CCalendarWindow& Window() { return m_Window; }
  CRichTextView& DayEditor() { return *m_Window.Frame().findChild<CRichTextView*>(QStringLiteral("DayEditor")); }

 private:
  CBatchUiServices m_Ui{&std::cerr};
  CTedDoc m_Doc;
  CRecentFileList m_Recent;
  CCalendarWindow m_Window;
};

// Wall-clock and processor time of each move.
class CMoveClock {
 public:
  void Start() {
    m_Wall.start();
    m_Cpu = CpuMs();
  }
  void Stop() {
    m_WallMs.push_back(static_cast<double>(m_Wall.nsecsElapsed()) / 1e6);
    m_CpuMs.push_back(CpuMs() - m_Cpu);
  }
  double MedianMs() const { return Median(m_WallMs); }
  double CpuMedianMs() const { return Median(m_CpuMs); }

 private:
  static double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
  }
  QElapsedTimer m_Wall;
  double m_Cpu = 0;
  std::vector<double> m_WallMs, m_CpuMs;
};

double g_FloorMedianMs = 0, g_FloorCpuMedianMs = 0;

void BM_DayMoveFloor(benchmark::State& state) {
  // The sizes, the table and the two days' commentaries as the window has them.
  QSize editorSize, tableSize;
  std::unique_ptr<QTextDocument> table;
  std::unique_ptr<QTextDocument> days[2];
  {
    CShownWindow shown;
    if (const std::string failed = shown.Show(); !failed.empty()) {
      state.SkipWithError(failed.c_str());
      return;
    }
    CRichTextView& editor = shown.DayEditor();
    QTextEdit* monthTable = shown.Window().View().Table();
    editorSize = editor.size();
    tableSize = monthTable->size();
    table.reset(monthTable->document()->clone());
    days[0].reset(editor.document()->clone());
    QTest::keyClick(monthTable, Qt::Key_Down);
    QCoreApplication::processEvents();
    days[1].reset(editor.document()->clone());
  }
  QWidget window;
  auto* editor = new QTextEdit(&window);
  auto* tableView = new QTextEdit(&window);
  tableView->setReadOnly(true);
  tableView->setLineWrapMode(QTextEdit::NoWrap);
  tableView->setGeometry(QRect(QPoint(0, 0), tableSize));
  editor->setGeometry(QRect(QPoint(tableSize.width(), 0), editorSize));
  window.resize(tableSize.width() + editorSize.width(), std::max(tableSize.height(), editorSize.height()));
  tableView->setDocument(table.get());
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    state.SkipWithError("the floor's window was not shown");
    return;
  }
  QCoreApplication::processEvents();

  CMoveClock clock;
  std::unique_ptr<QTextDocument> shown;
  int row = 9;
  for (auto _ : state) {
    row = row == 9 ? 10 : 9;
    // Built beforehand and never laid out, as a document the reader had just made.
    std::unique_ptr<QTextDocument> next(days[row - 9]->clone());
    clock.Start();
    editor->setDocument(next.get());
    QTextCursor rowStart(table->findBlockByNumber(row));
    rowStart.setPosition(rowStart.position() + 8, QTextCursor::KeepAnchor);
    tableView->setTextCursor(rowStart);
    QCoreApplication::processEvents();
    clock.Stop();
    shown = std::move(next);
  }
  editor->setDocument(nullptr);
  tableView->setDocument(nullptr);
  g_FloorMedianMs = clock.MedianMs();
  g_FloorCpuMedianMs = clock.CpuMedianMs();
  state.counters["median_ms"] = g_FloorMedianMs;
  state.counters["cpu_median_ms"] = g_FloorCpuMedianMs;
}
BENCHMARK(BM_DayMoveFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(400);

void BM_DayMoveInWindow(benchmark::State& state) {
  CShownWindow shown;
  if (const std::string failed = shown.Show(); !failed.empty()) {
    state.SkipWithError(failed.c_str());
    return;
  }
  QTextEdit* table = shown.Window().View().Table();
  CMoveClock clock;
  bool down = true;
  for (auto _ : state) {
    clock.Start();
    QTest::keyClick(table, down ? Qt::Key_Down : Qt::Key_Up);
    QCoreApplication::processEvents();
    clock.Stop();
    down = !down;
  }
  const double median = clock.MedianMs(), cpuMedian = clock.CpuMedianMs();
  state.counters["median_ms"] = median;
  state.counters["cpu_median_ms"] = cpuMedian;
  if (g_FloorMedianMs > 0) {
    state.counters["floor_ratio"] = median / g_FloorMedianMs;
    state.counters["cpu_floor_ratio"] = cpuMedian / g_FloorCpuMedianMs;
    std::cerr << "day move: " << median << " ms in the window, " << g_FloorMedianMs << " ms at the floor, ratio "
              << median / g_FloorMedianMs << "; processor " << cpuMedian << " ms and " << g_FloorCpuMedianMs
              << " ms, ratio " << cpuMedian / g_FloorCpuMedianMs << "\n";
  }
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
  CMoveClock clock;
  for (auto _ : state) {
    state.PauseTiming();
    // Another program saves: a new file renamed over the old one.
    std::filesystem::copy_file(FullCalendarFile(), replacement,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::rename(replacement, file);
    state.ResumeTiming();
    clock.Start();
    window.External().Settled();
    QCoreApplication::processEvents();
    clock.Stop();
    struct stat now {};
    ::stat(file.c_str(), &now);
    if (doc.GetDiskFile() != SFileIdentity::Of(now)) state.SkipWithError("the calendar was not read again");
  }
  const double median = clock.MedianMs();
  state.counters["median_ms"] = median;
  state.counters["cpu_median_ms"] = clock.CpuMedianMs();
  if (g_FullFilePaintMs > 0) {
    state.counters["startup_ratio"] = median / g_FullFilePaintMs;
    std::cerr << "reload: " << median << " ms, start-up with the same file " << g_FullFilePaintMs
              << " ms, ratio " << median / g_FullFilePaintMs << " (target <= 1)\n";
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
