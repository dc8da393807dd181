#include "search/PreviewHighlights.h"

#include <algorithm>

#include "core/UiServices.h"
#include "search/SearchTerm.h"

namespace orv {

// Words are split at every single space. An empty word (two spaces in a row) is left out: it cannot
// be coloured and would only raise the empty-pattern message on every preview.
std::vector<std::string> HighlightTerms(std::string_view input, bool logical) {
  if (!logical) return {std::string(input)};
  std::vector<std::string> terms;
  std::size_t pieces = 0;
  for (std::size_t from = 0; from <= input.size() && pieces < kMaxHighlightWords; ++pieces) {
    std::size_t space = input.find(' ', from);
    if (space == std::string_view::npos) space = input.size();
    std::string_view word = input.substr(from, space - from);
    from = space + 1;
    if (word.starts_with('(')) word.remove_prefix(1);
    if (word.ends_with(')')) word.remove_suffix(1);
    if (word.empty() || word == "NOT" || word == "AND" || word == "OR") continue;
    terms.emplace_back(word);
  }
  return terms;
}

PreviewHighlights FindPreviewHighlights(std::string_view text, std::string_view input,
                                        const SearchOptions& options, IUiServices& ui) {
  PreviewHighlights out;
  for (const std::string& word : HighlightTerms(input, options.logical)) {
    const CSearchTerm term(word, options.matchCase, options.ignoreAccents);
    std::size_t count = 0;
    for (std::size_t start = 0; start <= text.size();) {
      TermProblem problem = TermProblem::None;
      const SearchHit hit = term.Find(text, start, options, problem);
      if (problem != TermProblem::None) ui.MessageBox(TermProblemMessage(problem));
      if (!hit.found) break;
      if (count == kMaxHighlightsPerTerm) {
        ui.MessageBox("Více než 50 výskytů.");
        break;
      }
      ++count;
      out.ranges.push_back({hit.first, hit.end});
      if (!out.caret || hit.first < *out.caret) out.caret = hit.first;
      start = std::max(hit.end, hit.first + 1);
    }
  }
  return out;
}

}  // namespace orv
