// Spell checking in the main window: moving to a day whose commentary holds about 4 KB of Czech text
// (words drawn from the dictionary, one in forty misspelt), with "Kontrola pravopisu" off and on.
// Each move goes to a day not shown before, so the checker meets mostly words it has not answered
// yet; the dictionary is read before the clock starts.
//
//   BM_DayMove/0   checking off: median_ms of one move (key event and every event it left pending)
//   BM_DayMove/1   checking on: the same; the difference is the cost of checking a day
//
//   build/bench/bench_spell
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "richtext/RichEditCtrl.h"
#include "spell/SpellChecker.h"
#include "spell/SpellWords.h"
#include "ui/CalendarView.h"
#include "ui/SpellService.h"

namespace {

using namespace orv;

constexpr int kMoves = 250;

// Base forms of the dictionary that Windows-1250 can hold.
std::vector<std::string> DictionaryWords() {
  std::vector<std::string> words;
  const auto files = FindCzechDictionary();
  if (!files) return words;
  std::ifstream dic(files->dic);
  std::string line;
  std::getline(dic, line);  // the count
  while (std::getline(dic, line) && words.size() < 60000) {
    const std::string stem = Cp1250FromUtf8(line.substr(0, line.find('/')));
    if (stem.size() < 2 || stem.size() > 12 || Cp1250ToUtf8(stem) != line.substr(0, line.find('/'))) continue;
    if (std::all_of(stem.begin(), stem.end(), [](char c) { return IsWordLetter(c); })) words.push_back(stem);
  }
  return words;
}

// About 4 KB of text in paragraphs of sentences; every fortieth word has two letters swapped.
std::string DayText(const std::vector<std::string>& words, std::mt19937& random) {
  std::uniform_int_distribution<size_t> pick(0, words.size() - 1);
  std::string text;
  int count = 0;
  while (text.size() < 4000) {
    std::string word = words[pick(random)];
    if (++count % 40 == 0 && word.size() > 3) std::swap(word[1], word[2]);
    if (count % 12 == 1) word[0] = static_cast<char>(Cp1250ToUpper(static_cast<unsigned char>(word[0])));
    text += word;
    text += count % 12 == 0 ? (count % 84 == 0 ? ".\r" : ". ") : (count % 5 == 0 ? ", " : " ");
  }
  return text;
}

const std::string& SpellCalendarFile() {
  static const std::string path = [] {
    CBatchUiServices ui(&std::cerr);
    CTedDoc doc(ui);
    doc.OnNewDocument();
    const std::vector<std::string> words = DictionaryWords();
    std::mt19937 random(2026);
    for (int year = 2010; year <= 2011; ++year)
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
          CRichEditCtrl editor;
          editor.ReplaceSel(DayText(words, random));
          doc.StoreDay(DayKey(year, month, day), "poznámka", editor.StreamOut(), editor.GetText());
        }
    char name[] = "/tmp/orv-bench-spell-XXXXXX";
    const std::string file = std::string(mkdtemp(name) ? name : "/tmp") + "/spell.orv";
    if (!doc.OnSaveDocument(file)) std::cerr << "the calendar could not be written\n";
    return file;
  }();
  return path;
}

void BM_DayMove(benchmark::State& state) {
  const bool on = state.range(0) != 0;
  if (CSpellChecker::Unavailable()) {
    state.SkipWithError("no Czech dictionary (hunspell-cs)");
    return;
  }
  QSettings().setValue(QStringLiteral("SpellCheck"), on);
  CBatchUiServices ui(&std::cerr);
  CTedDoc doc(ui);
  CRecentFileList recent;
  // Off starts in 2010 and on in 2011: both meet days not shown before.
  CCalendarWindow window(
      doc, ui, recent, QString::fromStdString(orv::bench::ProgramDir().string()),
      [](const std::string&) { return SaveAnswer::No; },
      [on] {
        return Date{on ? 2011 : 2010, 1, 1};
      });
  if (!doc.OnOpenDocument(SpellCalendarFile())) {
    state.SkipWithError("the calendar did not open");
    return;
  }
  window.Start();
  window.Frame().show();
  if (!QTest::qWaitForWindowExposed(&window.Frame())) {
    state.SkipWithError("the window was not shown");
    return;
  }
  if (on && !QTest::qWaitFor([] { return CSpellService::Instance().Checker() != nullptr; }, 10000)) {
    state.SkipWithError("the dictionary was not read");
    return;
  }
  QCoreApplication::processEvents();
  QTextEdit* table = window.View().Table();
  std::vector<double> moves;
  QElapsedTimer clock;
  for (auto _ : state) {
    clock.start();
    QTest::keyClick(table, Qt::Key_Down);
    QCoreApplication::processEvents();
    moves.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::sort(moves.begin(), moves.end());
  state.counters["median_ms"] = moves[moves.size() / 2];
  state.counters["p90_ms"] = moves[moves.size() * 9 / 10];
  int underlined = 0;  // in the day shown last, to see that the checking ran
  for (QTextBlock block = window.Frame().DayEditor()->document()->begin(); block.isValid();
       block = block.next())
    underlined += static_cast<int>(block.layout()->formats().size());
  state.counters["underlined"] = underlined;
  state.counters["text_bytes"] = window.Frame().DayEditor()->document()->characterCount();
}
BENCHMARK(BM_DayMove)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kMoves);

// The checker alone over 4 KB of words it has never been asked about: the cost of a day whose every
// word is new to it (the window's moves above meet fewer, as words recur).
void BM_CheckFreshDayText(benchmark::State& state) {
  std::string why;
  std::unique_ptr<CSpellChecker> checker = CSpellChecker::OpenInstalled(why);
  if (!checker) {
    state.SkipWithError(why.c_str());
    return;
  }
  const std::vector<std::string> words = DictionaryWords();
  size_t next = 0;
  int unknown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::string text;
    while (text.size() < 4000 && next < words.size()) text += words[next++] + ' ';
    state.ResumeTiming();
    for (const SWordSpan& w : checker->Words(text)) unknown += !checker->IsKnown(text.substr(w.pos, w.len));
  }
  state.counters["unknown"] = unknown;
}
BENCHMARK(BM_CheckFreshDayText)->Unit(benchmark::kMillisecond)->Iterations(40);

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
