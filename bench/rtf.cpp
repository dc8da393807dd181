// Read and write throughput of the RTF engine on a commentary-like document of about 1 MB: the
// plain reader and writer, and the control's stream-in (reader + document build) and stream-out.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {

// Day headings, paragraphs of Czech text with a few bold and italic words, tabbed lists.
const std::string& CommentaryRtf() {
  static const std::string rtf = [] {
    const orv::RunFormat text{orv::CFE_AUTOCOLOR, 180, 0, 238, u"Arial"};
    orv::RunFormat heading{orv::CFE_BOLD, 240, 0x800000, 238, u"Arial"};
    orv::RunFormat stress = text;
    stress.effects |= orv::CFE_BOLD;
    orv::RunFormat aside = text;
    aside.effects |= orv::CFE_ITALIC;
    const std::u16string sentence =
        u"Příliš žluťoučký kůň úpěl ďábelské ódy, zatímco se v ulicích města rozléhal zvon. ";
    orv::ParaFormat body{.spaceAfter = 120, .lineSpacing = 200, .lineSpacingRule = orv::kSpacingAtLeast};
    orv::ParaFormat title{.spaceAfter = 200, .lineSpacing = 240, .lineSpacingRule = orv::kSpacingAtLeast};
    orv::ParaFormat table = body;
    table.tabCount = 3;
    table.tabs = {1134, 2268, 3402};
    orv::RichContent content;
    for (int day = 0; orv::WriteRtf(content).size() < 1'000'000 && day < 2000; ++day) {
      for (int block = 0; block < 20; ++block) {
        content.paragraphs.push_back(
            {title, heading, {{heading, u"Pondělí " + std::u16string(1, u'0' + block % 10)}}});
        orv::RichParagraph p{body, text, {}};
        for (int s = 0; s < 4; ++s) {
          p.runs.push_back({text, sentence});
          p.runs.push_back({s % 2 ? stress : aside, u"důležité"});
        }
        p.runs.push_back({text, u" konec."});
        content.paragraphs.push_back(p);
        content.paragraphs.push_back({table, text, {{text, u"ráno\t8:00\tschůze\tkancelář"}}});
      }
    }
    return orv::WriteRtf(content);
  }();
  return rtf;
}

void BM_ReadRtf(benchmark::State& state) {
  const std::string& rtf = CommentaryRtf();
  for (auto _ : state) benchmark::DoNotOptimize(orv::ReadRtf(rtf));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
  const orv::RichContent content = orv::ReadRtf(CommentaryRtf());
  for (auto _ : state) benchmark::DoNotOptimize(orv::WriteRtf(content));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * CommentaryRtf().size()));
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

// One paragraph per face and colour: the font and colour tables grow with the content, and the
// writer stays linear in them.
void BM_WriteRtfManyFonts(benchmark::State& state) {
  orv::RichContent content;
  for (int64_t i = 0; i < state.range(0); ++i) {
    orv::RunFormat f{0, 200, static_cast<uint32_t>(i), 238, u"Face " + std::u16string(1, u'A' + i % 26)};
    for (int64_t n = i; n > 0; n /= 26) f.face += static_cast<char16_t>(u'a' + n % 26);
    content.paragraphs.push_back({{}, f, {{f, u"x"}}});
  }
  for (auto _ : state) benchmark::DoNotOptimize(orv::WriteRtf(content));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WriteRtfManyFonts)
    ->RangeMultiplier(2)
    ->Range(10'000, 80'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_ControlStreamIn(benchmark::State& state) {
  orv::CRichEditCtrl ctrl;
  for (auto _ : state) ctrl.StreamIn(CommentaryRtf());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * CommentaryRtf().size()));
}
BENCHMARK(BM_ControlStreamIn)->Unit(benchmark::kMillisecond);

void BM_ControlStreamOut(benchmark::State& state) {
  orv::CRichEditCtrl ctrl;
  ctrl.StreamIn(CommentaryRtf());
  for (auto _ : state) benchmark::DoNotOptimize(ctrl.StreamOut());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * CommentaryRtf().size()));
}
BENCHMARK(BM_ControlStreamOut)->Unit(benchmark::kMillisecond);

void BM_ControlPlainText(benchmark::State& state) {
  orv::CRichEditCtrl ctrl;
  ctrl.StreamIn(CommentaryRtf());
  for (auto _ : state) benchmark::DoNotOptimize(ctrl.GetText());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ctrl.GetTextLength()));
}
BENCHMARK(BM_ControlPlainText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("document bytes", std::to_string(CommentaryRtf().size()));
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
