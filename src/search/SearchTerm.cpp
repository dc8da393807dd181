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

// The bytes that fold to `folded`. Windows-1250 has at most two (a letter and its other case).
std::array<unsigned char, 2> FoldPartners(const ByteTable& fold, unsigned char folded) {
  std::array<unsigned char, 2> bytes{folded, folded};
  int found = 0;
  for (int b = 0; b < 256 && found < 2; ++b)
    if (fold[b] == folded) bytes[found++] = static_cast<unsigned char>(b);
  if (found == 1) bytes[1] = bytes[0];
  return bytes;
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

CSearchTerm::CSearchTerm(std::string_view pattern, bool matchCase)
    : m_Pattern(pattern), m_Fold(&FoldTable(matchCase)), m_Star(m_Pattern.find('*')) {
  const ByteTable& fold = *m_Fold;
  m_Folded.resize(m_Pattern.size());
  std::transform(m_Pattern.begin(), m_Pattern.end(), m_Folded.begin(),
                 [&fold](char c) { return static_cast<char>(fold[static_cast<unsigned char>(c)]); });
  if (m_Folded.empty()) return;
  m_FirstBytes = FoldPartners(fold, Byte(m_Folded, 0));
  m_LastBytes = FoldPartners(fold, Byte(m_Folded, m_Folded.size() - 1));
}

// The first occurrence of the folded pattern at or after `from`. Candidates are the positions whose
// first and last bytes fit, found sixteen at a time; only they are compared in full.
std::size_t CSearchTerm::NextOccurrence(std::string_view text, std::size_t from) const {
  using Block = unsigned char __attribute__((vector_size(16)));
  const std::size_t m = m_Folded.size();
  const std::size_t n = text.size();
  if (from > n || m > n - from) return std::string_view::npos;
  const std::size_t lastStart = n - m;
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  const auto* p = reinterpret_cast<const unsigned char*>(m_Folded.data());
  const ByteTable& fold = *m_Fold;
  auto middleEqual = [&](std::size_t i) {
    for (std::size_t k = 1; k + 1 < m; ++k)
      if (fold[t[i + k]] != p[k]) return false;
    return true;
  };
  auto splat = [](unsigned char c) {
    Block b;
    std::memset(&b, c, sizeof b);
    return b;
  };
  const Block first0 = splat(m_FirstBytes[0]), first1 = splat(m_FirstBytes[1]);
  const Block last0 = splat(m_LastBytes[0]), last1 = splat(m_LastBytes[1]);

  std::size_t i = from;
  for (; i <= lastStart && lastStart - i >= 15; i += 16) {
    Block heads, tails;
    std::memcpy(&heads, t + i, sizeof heads);
    std::memcpy(&tails, t + i + m - 1, sizeof tails);
    const auto hits = ((heads == first0) | (heads == first1)) & ((tails == last0) | (tails == last1));
    std::uint64_t any[2];
    std::memcpy(any, &hits, sizeof any);
    if ((any[0] | any[1]) == 0) continue;
    for (std::size_t k = 0; k < 16; ++k)
      if (hits[k] && middleEqual(i + k)) return i + k;
  }
  for (; i <= lastStart; ++i)
    if (fold[t[i]] == p[0] && fold[t[i + m - 1]] == p[m - 1] && middleEqual(i)) return i;
  return std::string_view::npos;
}

// The first position at or after `from` whose byte folds to the pattern's first byte, sixteen at a
// time; the text's size when there is none. Lets a mask that starts with a fixed byte skip ahead.
std::size_t CSearchTerm::NextFirstByte(std::string_view text, std::size_t from) const {
  using Block = unsigned char __attribute__((vector_size(16)));
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  Block first0, first1;
  std::memset(&first0, m_FirstBytes[0], sizeof first0);
  std::memset(&first1, m_FirstBytes[1], sizeof first1);
  std::size_t i = from;
  for (; i + 16 <= text.size(); i += 16) {
    Block bytes;
    std::memcpy(&bytes, t + i, sizeof bytes);
    const auto hits = (bytes == first0) | (bytes == first1);
    std::uint64_t any[2];
    std::memcpy(any, &hits, sizeof any);
    if ((any[0] | any[1]) == 0) continue;
    for (std::size_t k = 0; k < 16; ++k)
      if (hits[k]) return i + k;
  }
  for (; i < text.size(); ++i)
    if (t[i] == m_FirstBytes[0] || t[i] == m_FirstBytes[1]) return i;
  return text.size();
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
  if (m_Star == std::string::npos) return FindFixedLength(text, start, wholeWords);
  if (m_Star == 0 && m_Pattern.size() > 1) return FindStarFirst(text, start, problem);
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
  const std::size_t m = m_Pattern.size();
  const ByteTable& fold = *m_Fold;
  for (std::size_t s = start; s <= text.size() && m <= text.size() - s; ++s) {
    bool equal = true;
    for (std::size_t k = 0; k < m && equal; ++k) {
      const unsigned char t = Byte(text, s + k);
      const unsigned char p = Byte(m_Folded, k);
      equal = !IsSeparator(t) && (p == '?' || fold[t] == p);
    }
    if (equal && (!wholeWords || IsWholeWord(text, s, s + m))) return {true, s, s + m};
  }
  return {};
}

// "*suffix": the suffix at the end of a word, the match running back to the start of that word.
SearchHit CSearchTerm::FindStarFirst(std::string_view text, std::size_t start, TermProblem& problem) const {
  const std::size_t suffix = m_Pattern.size() - 1;
  for (std::size_t j = start; j <= text.size() && suffix <= text.size() - j; ++j) {
    const std::size_t end = j + suffix;
    if (!PartMatchesAt(text, j, 1, m_Pattern.size())) continue;
    if (end < text.size() && !IsSeparator(Byte(text, end))) continue;
    const std::size_t first = WordStart(text, end);
    if (first > j) {
      problem = TermProblem::NoWordStart;
      return {};
    }
    return {true, first, end};
  }
  return {};
}

// "prefix*suffix" and "prefix*": one word that starts with the prefix and ends with the suffix (if
// any), the suffix not overlapping the prefix. A prefix that spans more than one word has no end of
// word after it.
SearchHit CSearchTerm::FindStarAfterPrefix(std::string_view text, std::size_t start,
                                           TermProblem& problem) const {
  const std::size_t prefix = m_Star;
  const std::size_t suffix = m_Pattern.size() - m_Star - 1;
  const bool fixedFirst = m_Folded[0] != '?';
  for (std::size_t i = start;; ++i) {
    if (fixedFirst) i = NextFirstByte(text, i);
    if (i > text.size() || prefix > text.size() - i) break;
    if (!PartMatchesAt(text, i, 0, prefix) || !IsWordStart(text, i)) continue;
    const std::size_t end = WordEnd(text, i);
    if (end < i + prefix) {
      problem = TermProblem::NoWordEnd;
      return {};
    }
    if (end > i && end - i >= prefix + suffix &&
        PartMatchesAt(text, end - suffix, m_Star + 1, m_Pattern.size()))
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
  const SearchHit hit = CSearchTerm(term, options.matchCase).Find(text, start, options, problem);
  if (problem != TermProblem::None) ui.MessageBox(TermProblemMessage(problem));
  return hit;
}

bool MatchTerm(std::string_view term, std::string_view text, const SearchOptions& options, IUiServices& ui) {
  return FindTerm(term, text, 0, options, ui).found;
}

bool CheckMaskTerm(std::string_view term, IUiServices& ui) {
  const auto stars = std::count(term.begin(), term.end(), '*');
  if (stars > 1) {
    ui.MessageBox("Platný výraz může obsahovat\r\npouze jednu hvězdičku.");
    return false;
  }
  const bool onlyWildcards =
      stars == 1 && std::all_of(term.begin(), term.end(), [](char c) { return c == '*' || c == '?'; });
  if (term == "*" || onlyWildcards) {
    ui.MessageBox("Neplatný výraz.");
    return false;
  }
  return true;
}

}  // namespace orv
