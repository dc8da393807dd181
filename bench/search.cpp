// Long masks over one 1 MB commentary, plain prose and one word of a million letters (where a mask
// that compares every window in full would take the pattern's length for every byte), against a
// memmem over the same text: 64-byte and 10,000-byte masks, without a star and with one.
//
// The full-text search over a full calendar (every day of 2000-2020 with a 60-byte note and a
// commentary of about 1.5 KB, every month with a commentary) against the floor of the same run: one
// plain library scan (strcasestr, memmem) over the same texts, commentary first and the note only
// when the commentary has no match, as the search visits them.
//
// The logical search once more in the steps the search window takes (64 records a step, a turn of
// the event loop every 512 records), against the same search in one go: the cost of keeping the
// window painting.
//
//   build/bench/bench_search [--benchmark_min_time=1]

#include <benchmark/benchmark.h>
#include <strings.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "CollectingReporter.h"
#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "search/FulltextSearch.h"
#include "search/SearchTerm.h"

namespace {

// Diary prose in Windows-1250: sentences of common words, a capital at each start, paragraphs
// separated by CR as a commentary's plain text has them. The searched words are rare on purpose, so
// that most texts are read to their end.
class CProse {
 public:
  CProse() {
    for (const char* w :
         {"ráno",    "odpoledne", "večer",      "porada",    "schůzka", "s",         "babičkou", "dědou",
          "výlet",   "do",        "lesa",       "lesní",     "cesta",   "ples",      "nákup",    "oběd",
          "večeře",  "kalendář",  "úřad",       "přednáška", "škola",   "úkol",      "čtvrtek",  "pátek",
          "sobota",  "neděle",    "pondělí",    "úterý",     "středa",  "počasí",    "déšť",     "sníh",
          "slunce",  "zahrada",   "práce",      "dopis",     "telefon", "nemocnice", "lékař",    "řeka",
          "město",   "vlak",      "autobus",    "Praha",     "Brno",    "koncert",   "divadlo",  "kniha",
          "přečíst", "napsat",    "zavolat",    "koupit",    "mléko",   "chléb",     "pes",      "kočka",
          "děti",    "rodina",    "narozeniny", "svátek",    "a",       "v",         "na",       "se",
          "je",      "byl",       "bylo",       "jsme",      "jsem",    "potom",     "zítra",    "včera"})
      m_Words.push_back(orv::Cp1250FromUtf8(w));
  }

  std::string Text(std::size_t length) {
    std::string text;
    while (text.size() < length) {
      const unsigned words = 4 + Next() % 9;
      for (unsigned i = 0; i < words; ++i) {
        std::string word = m_Words[Next() % m_Words.size()];
        if (i == 0) word[0] = static_cast<char>(orv::Cp1250ToUpper(static_cast<unsigned char>(word[0])));
        text += word;
        text += i + 1 < words ? (Next() % 7 == 0 ? ", " : " ") : ".";
      }
      text += Next() % 4 == 0 ? "\r" : " ";
    }
    text.resize(length);
    return text;
  }
  unsigned Next() { return (m_Seed = m_Seed * 1103515245u + 12345u) >> 16; }

 private:
  std::vector<std::string> m_Words;
  unsigned m_Seed = 7;
};

void FillCalendar(orv::CTedDoc& doc) {
  CProse prose;
  const std::string rare[] = {orv::Cp1250FromUtf8(" hvězdárna"), orv::Cp1250FromUtf8(" Dalekohled"),
                              orv::Cp1250FromUtf8(" kometa")};
  for (int y = orv::MinYear(); y <= orv::MaxYear(); ++y) {
    for (int m = 1; m <= 12; ++m) {
      const std::string monthText = prose.Text(1536);
      doc.StoreMonthCommentary(orv::MonthKey(y, m), "{\\rtf1 }", monthText);
      for (int d = 1; d <= orv::DaysInMonth(y, m); ++d) {
        std::string text = prose.Text(1500);
        if (prose.Next() % 40 == 0) text.insert(prose.Next() % text.size(), rare[prose.Next() % 3]);
        doc.StoreDay(orv::DayKey(y, m, d), prose.Text(60), "{\\rtf1 }", text);
      }
    }
  }
}

// The floor: one library scan per text, as the walk visits them.
template <typename Find>
std::size_t FloorScan(const orv::CTedDoc& doc, Find find) {
  std::size_t found = 0;
  for (const auto& [key, record] : doc.m_DataTxt)
    if (find(record.m_Text) || find(record.m_Poznamka)) ++found;
  for (const auto& [key, record] : doc.m_DataMesice)
    if (find(record.m_Text)) ++found;
  return found;
}

orv::SearchOptions Options(bool wholeWords, bool useMask, bool logical, bool ignoreAccents = false) {
  orv::SearchOptions o;
  o.ignoreAccents = ignoreAccents;
  o.wholeWords = wholeWords || useMask;
  o.useMask = useMask;
  o.logical = logical;
  return o;
}

}  // namespace

struct LongMask {
  std::string name;
  const std::string* text;
  std::string mask;
};

void RegisterLongMasks(std::vector<LongMask>& masks, std::map<std::string, std::size_t>& found) {
  for (const LongMask& m : masks) {
    benchmark::RegisterBenchmark(m.name.c_str(),
                                 [&m, &found](benchmark::State& state) {
                                   const orv::CSearchTerm term(m.mask, false);
                                   orv::TermProblem problem = orv::TermProblem::None;
                                   orv::SearchHit hit;
                                   for (auto _ : state) hit = term.FindMask(*m.text, 0, true, problem);
                                   found[m.name] = hit.found ? hit.first : m.text->size();
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  QCoreApplication app(argc, argv);  // the event loop the chunked search turns
  orv::CBatchUiServices ui{&std::cerr};
  orv::CTedDoc doc(ui);
  FillCalendar(doc);
  std::size_t bytes = 0;
  for (const auto& [key, r] : doc.m_DataTxt) bytes += r.m_Text.size() + r.m_Poznamka.size();
  for (const auto& [key, r] : doc.m_DataMesice) bytes += r.m_Text.size();

  const std::string word = orv::Cp1250FromUtf8("hvězdárna");
  struct Search {
    const char* name;
    std::string input;
    orv::SearchOptions options;
  };
  const std::vector<Search> searches = {
      {"PlainWord", word, Options(false, false, false)},
      {"PlainWordNoAccents", word, Options(false, false, false, true)},
      {"WholeWord", orv::Cp1250FromUtf8("les"), Options(true, false, false)},
      {"Mask", orv::Cp1250FromUtf8("hvězd*"), Options(false, true, false)},
      {"Logical3", orv::Cp1250FromUtf8("hvězdárna OR dalekohled OR kometa"), Options(false, false, true)},
  };
  std::map<std::string, std::size_t> daysFound;

  static const std::string prose = CProse().Text(1 << 20);
  static const std::string oneWord = std::string((1 << 20) - 1, 'a') + "b";
  const std::string words64 = prose.substr(prose.size() - 64);  // a piece found at the very end
  std::vector<LongMask> longMasks = {
      {"Mask64Prose", &prose, std::string(63, '?') + "x"},
      {"Mask64Word", &oneWord, std::string(63, 'a') + "b"},
      {"Mask64StarWord", &oneWord, std::string(63, 'a') + "*b"},
      {"Mask10000Prose", &prose, std::string(9999, '?') + "x"},
      {"Mask10000Word", &oneWord, std::string(9999, 'a') + "b"},
      {"Mask10000StarWord", &oneWord, std::string(5000, 'a') + "*" + std::string(4999, 'a') + "b"},
  };
  std::map<std::string, std::size_t> maskFound;
  RegisterLongMasks(longMasks, maskFound);
  benchmark::RegisterBenchmark(
      "FloorMemmem1MB",
      [&](benchmark::State& state) {
        for (auto _ : state)
          benchmark::DoNotOptimize(::memmem(prose.data(), prose.size(), words64.data(), words64.size()));
      })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  for (const Search& s : searches) {
    benchmark::RegisterBenchmark(
        s.name,
        [&doc, &ui, &s, &daysFound](benchmark::State& state) {
          orv::CFulltextSearch search;
          orv::FulltextRequest request;
          request.input = s.input;
          request.options = s.options;
          for (auto _ : state)
            if (search.OnButHledat(doc, request, ui).status != orv::FulltextStatus::Found)
              state.SkipWithError("nothing found");
          daysFound[s.name] = search.FoundDays().Size();
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  const Search& logical = searches.back();
  benchmark::RegisterBenchmark("Logical3Chunked",
                               [&doc, &ui, &logical, &daysFound](benchmark::State& state) {
                                 orv::CFulltextSearch search;
                                 orv::FulltextRequest request;
                                 request.input = logical.input;
                                 request.options = logical.options;
                                 for (auto _ : state) {
                                   search.Begin(request, ui);
                                   for (std::size_t tested = 0; !search.Step(doc, 64, ui); tested += 64)
                                     if (tested % 512 == 448) QCoreApplication::processEvents();
                                   if (search.Finish(ui).status != orv::FulltextStatus::Found)
                                     state.SkipWithError("nothing found");
                                 }
                                 daysFound["Logical3Chunked"] = search.FoundDays().Size();
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("FloorStrcasestr",
                               [&](benchmark::State& state) {
                                 for (auto _ : state)
                                   benchmark::DoNotOptimize(FloorScan(doc, [&](const std::string& text) {
                                     return ::strcasestr(text.c_str(), word.c_str()) != nullptr;
                                   }));
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("FloorMemmem",
                               [&](benchmark::State& state) {
                                 for (auto _ : state)
                                   benchmark::DoNotOptimize(FloorScan(doc, [&](const std::string& text) {
                                     return ::memmem(text.data(), text.size(), word.data(), word.size()) !=
                                            nullptr;
                                   }));
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();

  orv::bench::CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& t = reporter.seconds;
  std::printf("\ntexts: %.1f MB in %d day records and %zu month records\n", bytes / 1e6, doc.GetRecordCount(),
              doc.m_DataMesice.size());
  for (const LongMask& m : longMasks)
    if (t.count(m.name) && t.count("FloorMemmem1MB"))
      std::printf("%-18s %8.2f ms over 1 MB, found at %zu, %.1fx memmem of 64 bytes\n", m.name.c_str(),
                  t[m.name] * 1e3, maskFound[m.name], t[m.name] / t["FloorMemmem1MB"]);
  if (!t.count("FloorStrcasestr")) return 0;
  const double floor = t["FloorStrcasestr"];
  std::printf("floor strcasestr %7.2f ms (%.0f MB/s), memmem %7.2f ms\n", floor * 1e3, bytes / floor / 1e6,
              t["FloorMemmem"] * 1e3);
  for (const Search& s : searches) {
    if (!t.count(s.name)) continue;
    const bool logical = s.options.logical;
    std::printf("%-18s %7.2f ms  %5zu days  %.2fx strcasestr (target <= %d), %.2fx memmem\n", s.name,
                t[s.name] * 1e3, daysFound[s.name], t[s.name] / floor, logical ? 4 : 2,
                t[s.name] / t["FloorMemmem"]);
  }
  if (t.count("Logical3") && t.count("Logical3Chunked"))
    std::printf("Logical3Chunked    %7.2f ms  %5zu days  %.2fx the search in one go\n",
                t["Logical3Chunked"] * 1e3, daysFound["Logical3Chunked"],
                t["Logical3Chunked"] / t["Logical3"]);
  if (t.count("PlainWord") && t.count("PlainWordNoAccents"))
    std::printf("without accents / case-blind: %.2fx (target <= 1.3)\n",
                t["PlainWordNoAccents"] / t["PlainWord"]);
  return 0;
}
