#pragma once
// What the full-text dialog's previews colour: every occurrence of the searched terms in the shown
// note or commentary text. With a logical input the terms are its words (operators and one bracket
// at either end of a word removed), else the whole input. At most kMaxHighlightsPerTerm occurrences
// of a term are coloured; finding one more says "Více než 50 výskytů." and ends that term.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchOptions.h"

namespace orv {

class IUiServices;

inline constexpr std::size_t kMaxHighlightsPerTerm = 50;
inline constexpr std::size_t kMaxHighlightWords = 100;

struct TextRange {
  std::size_t first = 0;
  std::size_t end = 0;  // one past the last byte
  friend bool operator==(const TextRange&, const TextRange&) = default;
};

struct PreviewHighlights {
  std::vector<TextRange> ranges;     // term by term, each term's in text order
  std::optional<std::size_t> caret;  // the first occurrence in the text, where the caret goes
};

std::vector<std::string> HighlightTerms(std::string_view input, bool logical);
PreviewHighlights FindPreviewHighlights(std::string_view text, std::string_view input,
                                        const SearchOptions& options, IUiServices& ui);

}  // namespace orv
