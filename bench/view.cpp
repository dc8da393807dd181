// The calendar view on a full calendar (every day of 2000-2020 with a 60-byte note and a commentary
// of about 4 KB of RTF): building and formatting a month, and one move to the next day, which
// commits the day left (note, day and month commentary through the editors' RTF) and loads the next.
//
//   build/bench/bench_view [--benchmark_min_time=1]

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <iostream>
#include <optional>

#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/TedDoc.h"
#include "richtext/RichEditCtrl.h"
#include "view/CalendarPanes.h"
#include "view/CalendarViewModel.h"

namespace {

using namespace orv;

// The panes as the editors are: rich edit controls streamed in and out.
class EditorPanes : public ICalendarPanes {
 public:
  std::string GetNote() const override { return m_Note; }
  void SetNote(std::string_view note) override { m_Note = note; }
  bool IsNoteBeingEdited() const override { return false; }
  CCommentaryText StoreDayCommentary() override { return Store(m_Day); }
  void LoadDayCommentary(std::string_view rtf) override { m_Day.StreamIn(rtf); }
  CCommentaryText StoreMonthCommentary() override { return Store(m_Month); }
  void LoadMonthCommentary(std::string_view rtf) override { m_Month.StreamIn(rtf); }
  bool SetReadOnly(bool) override { return true; }
  void SetCommentaryBackground(std::optional<uint32_t>) override {}

 private:
  static CCommentaryText Store(const CRichEditCtrl& editor) {
    std::string text = editor.GetText();
    return {text.empty() ? std::string() : editor.StreamOut(), std::move(text)};
  }
  std::string m_Note;
  CRichEditCtrl m_Day;
  CRichEditCtrl m_Month;
};

struct FullCalendar {
  orv::CBatchUiServices ui{&std::cerr};
  CTedDoc doc{ui};
  EditorPanes panes;
  CCalendarViewModel view{doc, panes, [] { return Date{2010, 6, 1}; }};

  FullCalendar() {
    doc.OnNewDocument();
    CRichEditCtrl editor;
    std::string text;
    while (text.size() < 3400) text += "Dlouhy vyklad dne s nekolika odstavci a trochou textu.\r\n";
    editor.ReplaceSel(text);
    editor.SetSel(0, 40);
    CharFormat bold;
    bold.mask = CFM_BOLD;
    bold.effects = CFE_BOLD;
    editor.SetSelectionCharFormat(bold);
    const CEntrTxt record{std::string(60, 'p'), editor.StreamOut(), editor.GetText(), {}};
    for (int year = MinYear(); year <= MaxYear(); ++year)
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day)
          doc.m_DataTxt.Insert(DayKey(year, month, day), record);
        doc.m_DataMesice.Insert(MonthKey(year, month), CEntrTxt{{}, record.m_Rtf, record.m_Text, {}});
      }
    view.Start();
    std::cerr << "commentary RTF: " << record.m_Rtf.size() << " bytes, records: " << doc.GetRecordCount()
              << '\n';
  }
};

FullCalendar& Calendar() {
  static FullCalendar calendar;
  return calendar;
}

void BM_DoMonth(benchmark::State& state) {
  FullCalendar& c = Calendar();
  int month = 0;
  for (auto _ : state) {
    c.view.DoMonth(15, month + 1, 2010);
    month = (month + 1) % 12;
  }
}
BENCHMARK(BM_DoMonth)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_MoveToNextDay(benchmark::State& state) {
  FullCalendar& c = Calendar();
  c.view.DoMonth(10, 6, 2010);
  bool down = true;
  for (auto _ : state) {
    c.view.HandleTableKey(down ? Qt::Key_Down : Qt::Key_Up, {}, false);
    down = !down;
  }
}
BENCHMARK(BM_MoveToNextDay)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
