// Re-formatting every stored commentary of a full calendar (every day of 2000-2020 and every month,
// each commentary about 1.5 KB: a heading in "Hlavička1"/"Nadpis1", paragraphs in "Normal2" /
// "Standard2" with a few words in "Standard1") after "Standard2" was made larger, against the floor
// of the same run: reading every commentary into the control and writing it out again, which any
// re-format has to do.
//
//   build/bench/bench_reformat [--benchmark_repetitions=3]

#include "editor/Reformat.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/StyleSets.h"
#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfWriter.h"

namespace {

constexpr char kFace[] = "DejaVu Sans";

orv::RunFormat StyleRun(int slot) {
  return orv::ToRunFormat(orv::ToCharFormat(orv::FactoryCharStyle(slot, kFace)));
}

// One commentary; `seed` varies the words so that no two are alike.
std::string Commentary(unsigned seed) {
  static const std::u16string words[] = {u"ráno ",   u"porada ",  u"výlet do lesa ", u"schůzka s babičkou ",
                                         u"déšť ",   u"koncert ", u"nákup ",         u"přednáška ve škole ",
                                         u"večeře ", u"dopis ",   u"zahrada ",       u"vlak do Brna "};
  const orv::RunFormat standard1 = StyleRun(0), standard2 = StyleRun(1), heading = StyleRun(2);
  const orv::ParaFormat normal2 = orv::ToParaFormat(orv::FactoryParStyle(1));
  const orv::ParaFormat title = orv::ToParaFormat(orv::FactoryParStyle(2));
  orv::RichContent content;
  content.paragraphs.push_back({title, heading, {{heading, u"Den " + std::u16string(1, u'A' + seed % 26)}}});
  for (int p = 0; p < 4; ++p) {
    orv::RichParagraph paragraph{normal2, standard2, {}};
    for (int s = 0; s < 6; ++s) {
      std::u16string sentence;
      for (int w = 0; w < 6; ++w) sentence += words[(seed = seed * 1103515245u + 12345u) >> 16 & 0xB];
      paragraph.runs.push_back({standard2, sentence});
      if (s == 2) paragraph.runs.push_back({standard1, u"důležité "});
    }
    content.paragraphs.push_back(paragraph);
  }
  return orv::WriteRtf(content);
}

orv::CBatchUiServices ui;

orv::CTedDoc& FullCalendar() {
  static orv::CTedDoc d(ui);
  static const bool filled = [] {
    d.OnNewDocument();
    unsigned seed = 1;
    orv::CRichEditCtrl ctrl;
    const auto store = [&](std::string rtf) {
      ctrl.StreamIn(rtf);
      return std::pair{rtf, ctrl.GetText()};
    };
    for (int y = orv::MinYear(); y <= orv::MaxYear(); ++y)
      for (int m = 1; m <= 12; ++m) {
        auto [rtf, text] = store(Commentary(++seed));
        d.StoreMonthCommentary(orv::MonthKey(y, m), rtf, text);
        for (int day = 1; day <= orv::DaysInMonth(y, m); ++day) {
          auto [dayRtf, dayText] = store(Commentary(++seed));
          d.StoreDay(orv::DayKey(y, m, day), "", dayRtf, dayText);
        }
      }
    return true;
  }();
  (void)filled;
  return d;
}

int Commentaries() {
  return static_cast<int>(FullCalendar().m_DataTxt.size() + FullCalendar().m_DataMesice.size());
}

void BM_ReformatAfterStandard2(benchmark::State& state) {
  orv::CTedDoc& doc = FullCalendar();
  const auto days = doc.m_DataTxt;
  const auto months = doc.m_DataMesice;
  orv::SStyleEdits edits;
  orv::CCharFormat style = orv::FactoryCharStyle(1, kFace);
  edits.chars.push_back({orv::ToCharFormat(style), {}});
  style.m_Height = 240;
  edits.chars.back().after = orv::ToCharFormat(style);
  int stored = 0;
  for (auto _ : state) {
    stored = orv::ReformatCommentaries(doc, edits);
    state.PauseTiming();
    doc.m_DataTxt = days;
    doc.m_DataMesice = months;
    state.ResumeTiming();
  }
  state.counters["stored"] = stored;
  state.counters["per_commentary_us"] =
      benchmark::Counter(static_cast<double>(Commentaries()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
                         benchmark::Counter::kIs1000);
}
BENCHMARK(BM_ReformatAfterStandard2)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor: every commentary read into the control and written out again.
void BM_FloorStreamInOut(benchmark::State& state) {
  const orv::CTedDoc& doc = FullCalendar();
  orv::CRichEditCtrl ctrl;
  for (auto _ : state) {
    for (const auto& [key, record] : doc.m_DataMesice) {
      ctrl.StreamIn(record.m_Rtf);
      benchmark::DoNotOptimize(ctrl.StreamOut());
    }
    for (const auto& [key, record] : doc.m_DataTxt) {
      ctrl.StreamIn(record.m_Rtf);
      benchmark::DoNotOptimize(ctrl.StreamOut());
    }
  }
}
BENCHMARK(BM_FloorStreamInOut)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("commentaries", std::to_string(Commentaries()));
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
