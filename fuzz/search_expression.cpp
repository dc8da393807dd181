// A search input and a text from arbitrary bytes (split at the first NUL): the input is checked and
// parsed as the search dialog does it and matched with every combination of the five options, the
// preview finds its occurrences, and find and replace looks for the input in each of its areas.
// Every search must end, and every range it reports must lie inside the text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/BatchUiServices.h"
#include "editor/FindReplace.h"
#include "search/PreviewHighlights.h"
#include "search/SearchEngine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\0');
  const std::string_view input = bytes.substr(0, split);
  const std::string_view text = split == std::string_view::npos ? input : bytes.substr(split + 1);
  orv::CBatchUiServices ui;
  for (unsigned bits = 0; bits < 32; ++bits) {
    orv::SearchOptions options;
    options.matchCase = bits & 1;
    options.useMask = bits & 2;
    options.wholeWords = (bits & 4) || options.useMask;
    options.logical = bits & 8;
    options.ignoreAccents = bits & 16;
    orv::FindSettings find;
    find.text = input;
    find.matchCase = options.matchCase;
    find.wholeWords = options.wholeWords;
    find.useMask = options.useMask;
    find.ignoreAccents = options.ignoreAccents;
    find.area = static_cast<orv::FindArea>(1 + bits % 3);
    if (orv::CheckFindText(find, ui)) {
      const std::size_t selStart = size % (text.size() + 1);
      const std::size_t selEnd = selStart + (text.size() - selStart) / 2;
      const auto hit = orv::FindInText(text, selStart, selEnd, find, ui);
      if (hit && (hit->first > hit->end || hit->end > text.size())) std::abort();
    }
    orv::CSearchEngine engine;
    if (!engine.Prepare(input, options, ui)) continue;
    engine.Matches(text, ui);
    const orv::PreviewHighlights highlights = orv::FindPreviewHighlights(text, input, options, ui);
    for (const orv::TextRange& range : highlights.ranges)
      if (range.first > range.end || range.end > text.size()) std::abort();
  }
  return 0;
}
