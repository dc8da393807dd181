#include "search/SearchTerm.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/UiServices.h"

namespace orv {
namespace {

unsigned char Byte(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

bool IsWordStart(std::string_view text, std::size_t i) {
  return i == 0 || IsSeparator(Byte(text, i - 1));
}

std::size_t WordEnd(std::string_view text, std::size_t i) {
  while (i < text.size() && IsWordChar(Byte(text, i))) ++i;
  return i;
}

std::size_t WordStart(std::string_view text, std::size_t end) {
  while (end > 0 && IsWordChar(Byte(text, end - 1))) --end;
  return end;
}

// The bytes that fold to `folded`: a letter and its other case, and without accents their accented
// forms too (at most twelve for "a").
CSearchTerm::Anchor FoldPartners(const CFoldInverse& inverse, std::size_t position, unsigned char folded) {
  CSearchTerm::Anchor anchor;
  anchor.position = position;
  for (unsigned char b : inverse.Partners(folded))
    if (anchor.count < anchor.bytes.size()) anchor.bytes[anchor.count++] = b;
  return anchor;
}

}  // namespace

std::string_view TermProblemMessage(TermProblem problem) {
  switch (problem) {
    case TermProblem::EmptyPattern:
      return "Chyba - hledaný řetězec je prázdný.";
    case TermProblem::NoWordStart:
      return "Chyba - začátek slova nebyl nalezen";
    case TermProblem::NoWordEnd:
      return "Chyba - konec slova nebyl nalezen";
    case TermProblem::None:
      break;
  }
  return {};
}

CSearchTerm::CSearchTerm(std::string_view pattern, bool matchCase, bool ignoreAccents)
    : m_Pattern(pattern), m_Fold(&FoldTable(matchCase, ignoreAccents)), m_Star(m_Pattern.find('*')) {
  const ByteTable& fold = *m_Fold;
  m_Folded.resize(m_Pattern.size());
  std::transform(m_Pattern.begin(), m_Pattern.end(), m_Folded.begin(),
                 [&fold](char c) { return static_cast<char>(fold[static_cast<unsigned char>(c)]); });
  const std::string_view folded = m_Folded;
  if (m_Star == std::string::npos) {
    m_Before = CMaskPart(folded, fold, false);
  } else {
    m_Before = CMaskPart(folded.substr(0, m_Star), fold, true);
    m_After = CMaskPart(folded.substr(m_Star + 1), fold, true);
  }
  // The plain find filters candidates by two bytes of the pattern: those with the fewest text bytes
  // that fold to them, the rarer the better, the first and the last one when all are alike.
  const CFoldInverse inverse(fold);
  for (std::size_t k = 0; k < m_Folded.size(); ++k) {
    const Anchor anchor = FoldPartners(inverse, k, Byte(m_Folded, k));
    if (k == 0 || anchor.count < m_Anchors[0].count) m_Anchors[0] = anchor;
  }
  for (std::size_t k = m_Folded.size(); k-- > 0;) {
    const Anchor anchor = FoldPartners(inverse, k, Byte(m_Folded, k));
    if (k == m_Folded.size() - 1 || anchor.count < m_Anchors[1].count) m_Anchors[1] = anchor;
  }
}

// The first occurrence of the folded pattern at or after `from`. Candidates are the positions whose
// two anchor bytes fit, found sixteen at a time; only they are compared in full.
std::size_t CSearchTerm::NextOccurrence(std::string_view text, std::size_t from) const {
  using Block = unsigned char __attribute__((vector_size(16)));
  const std::size_t m = m_Folded.size();
  const std::size_t n = text.size();
  if (from > n || m > n - from) return std::string_view::npos;
  const std::size_t lastStart = n - m;
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  const auto* p = reinterpret_cast<const unsigned char*>(m_Folded.data());
  const ByteTable& fold = *m_Fold;
  auto equalAt = [&](std::size_t i) {
    for (std::size_t k = 0; k < m; ++k)
      if (fold[t[i + k]] != p[k]) return false;
    return true;
  };
  struct Splats {
    std::array<Block, 16> bytes;
    unsigned count;
  };
  auto splats = [](const Anchor& anchor) {
    Splats s{};
    s.count = anchor.count;
    for (unsigned k = 0; k < anchor.count; ++k) std::memset(&s.bytes[k], anchor.bytes[k], sizeof(Block));
    return s;
  };
  auto hitsOf = [](const Block& block, const Splats& s) {
    Block hits = block == s.bytes[0];
    for (unsigned k = 1; k < s.count; ++k) hits |= block == s.bytes[k];
    return hits;
  };
  const Splats first = splats(m_Anchors[0]), second = splats(m_Anchors[1]);
  const std::size_t firstAt = m_Anchors[0].position, secondAt = m_Anchors[1].position;

  std::size_t i = from;
  for (; i <= lastStart && lastStart - i >= 15; i += 16) {
    Block heads, tails;
    std::memcpy(&heads, t + i + firstAt, sizeof heads);
    std::memcpy(&tails, t + i + secondAt, sizeof tails);
    const Block hits = hitsOf(heads, first) & hitsOf(tails, second);
    std::uint64_t any[2];
    std::memcpy(any, &hits, sizeof any);
    if ((any[0] | any[1]) == 0) continue;
    for (std::size_t k = 0; k < 16; ++k)
      if (hits[k] && equalAt(i + k)) return i + k;
  }
  for (; i <= lastStart; ++i)
    if (equalAt(i)) return i;
  return std::string_view::npos;
}

SearchHit CSearchTerm::FindPlain(std::string_view text, std::size_t start, bool wholeWords,
                                 TermProblem& problem) const {
  const std::size_t m = m_Folded.size();
  if (m == 0) {
    problem = TermProblem::EmptyPattern;
    return {};
  }
  for (std::size_t from = start;;) {
    const std::size_t at = NextOccurrence(text, from);
    if (at == std::string_view::npos) return {};
    if (!wholeWords || IsWholeWord(text, at, at + m)) return {true, at, at + m};
    from = at + m;
  }
}

SearchHit CSearchTerm::Find(std::string_view text, std::size_t start, const SearchOptions& options,
                            TermProblem& problem) const {
  return options.useMask ? FindMask(text, start, options.wholeWords, problem)
                         : FindPlain(text, start, options.wholeWords, problem);
}

SearchHit CSearchTerm::FindMask(std::string_view text, std::size_t start, bool wholeWords,
                                TermProblem& problem) const {
  if (m_Pattern.empty()) {
    problem = TermProblem::EmptyPattern;
    return {};
  }
  // A lone '*' (a word of the logical input "kal* OR x * y" that a preview colours) has neither part
  // to anchor a match: it stands for nothing.
  if (m_Pattern == "*" || start > text.size()) return {};
  if (m_Star == std::string::npos) return FindFixedLength(text, start, wholeWords);
  if (m_Star == 0) return FindStarFirst(text, start, problem);
  return FindStarAfterPrefix(text, start, problem);
}

// A part of the mask (the bytes [partFirst, partEnd) of the pattern) at pos of the text: '?' takes
// one word character, every other byte must be equal after folding. pos + part length <= text size.
bool CSearchTerm::PartMatchesAt(std::string_view text, std::size_t pos, std::size_t partFirst,
                                std::size_t partEnd) const {
  const ByteTable& fold = *m_Fold;
  for (std::size_t k = partFirst; k < partEnd; ++k, ++pos) {
    const unsigned char p = Byte(m_Folded, k);
    const unsigned char t = Byte(text, pos);
    if (p == '?' ? !IsWordChar(t) : fold[t] != p) return false;
  }
  return true;
}

// No star: a window of the pattern's length; a separator in the text spoils the window, so a mask
// never reaches across words.
SearchHit CSearchTerm::FindFixedLength(std::string_view text, std::size_t start, bool wholeWords) const {
  CMaskPart::Scan scan(m_Before, text, start);
  for (std::size_t end; (end = scan.NextEnd()) != std::string_view::npos;) {
    const std::size_t first = end - m_Before.Size();
    if (!wholeWords || IsWholeWord(text, first, end)) return {true, first, end};
  }
  return {};
}

// "*suffix": the suffix at the end of a word, the match running back to the start of that word.
SearchHit CSearchTerm::FindStarFirst(std::string_view text, std::size_t start, TermProblem& problem) const {
  CMaskPart::Scan scan(m_After, text, start);
  for (std::size_t end; (end = scan.NextEnd()) != std::string_view::npos;) {
    if (end < text.size() && !IsSeparator(Byte(text, end))) continue;
    const std::size_t first = WordStart(text, end);
    if (first > end - m_After.Size()) {
      problem = TermProblem::NoWordStart;
      return {};
    }
    return {true, first, end};
  }
  return {};
}

// "prefix*suffix" and "prefix*": one word that starts with the prefix and ends with the suffix (if
// any), the suffix not overlapping the prefix. A prefix that spans more than one word has no end of
// word after it. Only word starts are followed to their word's end, so no byte is walked twice.
SearchHit CSearchTerm::FindStarAfterPrefix(std::string_view text, std::size_t start,
                                           TermProblem& problem) const {
  const std::size_t prefix = m_Before.Size();
  const std::size_t suffix = m_After.Size();
  CMaskPart::Scan scan(m_Before, text, start);
  for (std::size_t prefixEnd; (prefixEnd = scan.NextEnd()) != std::string_view::npos;) {
    const std::size_t i = prefixEnd - prefix;
    if (!IsWordStart(text, i)) continue;
    const std::size_t end = WordEnd(text, i);
    if (end < prefixEnd) {
      problem = TermProblem::NoWordEnd;
      return {};
    }
    if (end - i >= prefix + suffix && PartMatchesAt(text, end - suffix, m_Star + 1, m_Pattern.size()))
      return {true, i, end};
  }
  return {};
}

SearchHit FindSubstring(std::string_view pattern, bool matchCase, bool wholeWords, std::string_view text,
                        std::size_t start, IUiServices& ui) {
  TermProblem problem = TermProblem::None;
  const SearchHit hit = CSearchTerm(pattern, matchCase).FindPlain(text, start, wholeWords, problem);
  if (problem != TermProblem::None) ui.MessageBox(TermProblemMessage(problem));
  return hit;
}

SearchHit FindTerm(std::string_view term, std::string_view text, std::size_t start,
                   const SearchOptions& options, IUiServices& ui) {
  TermProblem problem = TermProblem::None;
  const SearchHit hit =
      CSearchTerm(term, options.matchCase, options.ignoreAccents).Find(text, start, options, problem);
  if (problem != TermProblem::None) ui.MessageBox(TermProblemMessage(problem));
  return hit;
}

bool MatchTerm(std::string_view term, std::string_view text, const SearchOptions& options, IUiServices& ui) {
  return FindTerm(term, text, 0, options, ui).found;
}

bool CheckTermLength(std::string_view term, IUiServices& ui) {
  if (term.size() <= kMaxTermLength) return true;
  ui.MessageBox("Hledaný výraz je příliš dlouhý (nejvýše 255 znaků).");
  return false;
}

bool IsValidMask(std::string_view term) {
  const auto stars = std::count(term.begin(), term.end(), '*');
  const bool onlyWildcards =
      stars == 1 && std::all_of(term.begin(), term.end(), [](char c) { return c == '*' || c == '?'; });
  return stars <= 1 && !onlyWildcards;
}

bool CheckMaskTerm(std::string_view term, IUiServices& ui) {
  if (std::count(term.begin(), term.end(), '*') > 1) {
    ui.MessageBox("Platný výraz může obsahovat\r\npouze jednu hvězdičku.");
    return false;
  }
  if (!IsValidMask(term)) {
    ui.MessageBox("Neplatný výraz.");
    return false;
  }
  return true;
}

}  // namespace orv
