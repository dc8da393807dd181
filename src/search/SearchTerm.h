#pragma once
// One search term against one text: the plain find (a substring, optionally case-blind and whole-word)
// and the mask find ('?' is one word character, a single '*' the rest of a word).
//
// CSearchTerm is the term prepared once (folded pattern, skip table) so that a search over thousands
// of records does not redo that work or allocate per record. The free functions are the one-shot
// forms for callers that match a term once (find and replace, highlighting); they show their
// messages themselves.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "search/MaskPart.h"
#include "search/SearchOptions.h"
#include "search/SearchText.h"

namespace orv {

class IUiServices;

struct SearchHit {
  bool found = false;
  std::size_t first = 0;
  std::size_t end = 0;  // one past the last matched byte
};

// What went wrong while matching, for the caller to show (see TermProblemMessage).
enum class TermProblem : unsigned char { None, EmptyPattern, NoWordStart, NoWordEnd };
std::string_view TermProblemMessage(TermProblem problem);

class CSearchTerm {
 public:
  struct Anchor {
    std::size_t position = 0;
    std::array<unsigned char, 16> bytes{};
    unsigned count = 0;
  };

  CSearchTerm() = default;
  CSearchTerm(std::string_view pattern, bool matchCase, bool ignoreAccents = false);

  const std::string& Pattern() const { return m_Pattern; }

  // The pattern taken literally; with wholeWords an occurrence glued to a word is skipped and the
  // search resumes at its end.
  SearchHit FindPlain(std::string_view text, std::size_t start, bool wholeWords, TermProblem& problem) const;
  // The pattern as a mask; its form is picked by where the '*' stands.
  SearchHit FindMask(std::string_view text, std::size_t start, bool wholeWords, TermProblem& problem) const;
  // FindMask or FindPlain, as options.useMask says.
  SearchHit Find(std::string_view text, std::size_t start, const SearchOptions& options,
                 TermProblem& problem) const;

 private:
  std::size_t NextOccurrence(std::string_view text, std::size_t from) const;
  bool PartMatchesAt(std::string_view text, std::size_t pos, std::size_t partFirst,
                     std::size_t partEnd) const;
  SearchHit FindFixedLength(std::string_view text, std::size_t start, bool wholeWords) const;
  SearchHit FindStarFirst(std::string_view text, std::size_t start, TermProblem& problem) const;
  SearchHit FindStarAfterPrefix(std::string_view text, std::size_t start, TermProblem& problem) const;

  std::string m_Pattern;
  std::string m_Folded;  // the pattern through m_Fold
  const ByteTable* m_Fold = &IdentityTable();
  std::size_t m_Star = std::string::npos;
  // The mask's fixed-length pieces: the whole mask when it has no star, else the part before the
  // star (m_Before) and the part after it (m_After).
  CMaskPart m_Before;
  CMaskPart m_After;
  // Two positions of the pattern and the text bytes that fold to their bytes: the plain find looks
  // for both at once, sixteen positions at a time.
  std::array<Anchor, 2> m_Anchors{};
};

// The basic find. An empty pattern shows "Chyba - hledaný řetězec je prázdný." and finds nothing.
SearchHit FindSubstring(std::string_view pattern, bool matchCase, bool wholeWords, std::string_view text,
                        std::size_t start, IUiServices& ui);
// One term (without "NOT " handling), plain or as a mask, from start; shows its own messages.
SearchHit FindTerm(std::string_view term, std::string_view text, std::size_t start,
                   const SearchOptions& options, IUiServices& ui);
bool MatchTerm(std::string_view term, std::string_view text, const SearchOptions& options, IUiServices& ui);

// The longest term a search takes. Matching costs time in proportion to the text times the term's
// length in 64-byte words; the bound keeps one search of a full calendar to a moment.
inline constexpr std::size_t kMaxTermLength = 255;
// False, with "Hledaný výraz je příliš dlouhý (nejvýše 255 znaků).", for a longer term.
bool CheckTermLength(std::string_view term, IUiServices& ui);

// The single-asterisk rule of a mask: at most one '*', and not a '*' with nothing but '?' around it.
// IsValidMask is the rule; CheckMaskTerm shows why a term breaks it.
bool IsValidMask(std::string_view term);
bool CheckMaskTerm(std::string_view term, IUiServices& ui);

}  // namespace orv
