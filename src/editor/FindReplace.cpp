#include "editor/FindReplace.h"

#include <QTextCursor>
#include <optional>
#include <string>
#include <utility>

#include "core/UiServices.h"
#include "richtext/RichDocument.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

constexpr std::string_view kDone = "Prohledávání textu bylo dokončeno.";

SearchOptions Options(const FindSettings& find) {
  SearchOptions options;
  options.matchCase = find.matchCase;
  options.useMask = find.useMask;
  options.wholeWords = find.wholeWords || find.useMask;
  options.ignoreAccents = find.ignoreAccents;
  return options;
}

// The last occurrence that ends at or before `end`, one position back at a time.
std::optional<SearchHit> FindBackwards(std::string_view text, std::size_t end, const FindSettings& find) {
  const std::size_t m = find.text.size();
  if (m == 0 || end < m) return std::nullopt;
  const ByteTable& fold = FoldTable(find.matchCase, find.ignoreAccents);
  for (std::size_t first = end - m + 1; first-- > 0;) {
    bool equal = true;
    for (std::size_t k = 0; k < m && equal; ++k)
      equal =
          fold[static_cast<unsigned char>(text[first + k])] == fold[static_cast<unsigned char>(find.text[k])];
    if (equal && (!find.wholeWords || IsWholeWord(text, first, first + m)))
      return SearchHit{true, first, first + m};
  }
  return std::nullopt;
}

std::optional<SearchHit> FindForward(std::string_view text, std::size_t from, const FindSettings& find,
                                     IUiServices& ui) {
  const SearchHit hit = FindTerm(find.text, text, from, Options(find), ui);
  if (!hit.found) return std::nullopt;
  return hit;
}

void Select(CRichEditCtrl& ctrl, const SearchHit& hit) {
  ctrl.SetSel(static_cast<int>(hit.first), static_cast<int>(hit.end));
}

}  // namespace

void DropMaskWithoutWildcard(FindSettings& find, IUiServices& ui) {
  if (!find.useMask || find.text.find_first_of("*?") != std::string::npos) return;
  find.SetMask(false);
  ui.MessageBox("maska nepoužita");
}

bool CheckFindText(const FindSettings& find, IUiServices& ui) {
  if (find.text.empty()) {
    ui.MessageBox("Zadejte hledaný výraz.");
    return false;
  }
  if (!CheckTermLength(find.text, ui)) return false;
  return !find.useMask || CheckMaskTerm(find.text, ui);
}

std::optional<SearchHit> FindInText(std::string_view text, std::size_t selStart, std::size_t selEnd,
                                    const FindSettings& find, IUiServices& ui) {
  if (find.useMask || find.area == FindArea::Down) return FindForward(text, selEnd, find, ui);
  if (find.area == FindArea::Up) return FindBackwards(text, selStart, find);
  if (auto hit = FindForward(text, selEnd, find, ui)) return hit;
  if (auto hit = FindForward(text, 0, find, ui); hit && hit->first < selStart) return hit;
  return std::nullopt;
}

bool FindNext(CRichEditCtrl& ctrl, const FindSettings& find, IUiServices& ui) {
  const CharRange sel = ctrl.GetSel();
  const std::optional<SearchHit> hit = FindInText(ctrl.GetText(), static_cast<std::size_t>(sel.min),
                                                  static_cast<std::size_t>(sel.max), find, ui);
  if (!hit) {
    ui.MessageBox(kDone, MessageIcon::Information);
    return false;
  }
  Select(ctrl, *hit);
  return true;
}

bool Replace(CRichEditCtrl& ctrl, const FindSettings& find, std::string_view replacement, IUiServices& ui) {
  const bool replaced = !find.text.empty() && !replacement.empty() && ctrl.GetSelText() == find.text;
  if (replaced) ctrl.ReplaceSel(replacement);
  FindNext(ctrl, find, ui);
  return replaced;
}

namespace {

// Replacing every occurrence reads the text once and goes on searching in it as it was, never
// reading back the whole text after each replacement (that made many replacements take quadratic
// time). Positions in the document differ from those in the text read by what the replacements so
// far added or removed. The one character a search looks at beyond where it starts, to tell whether
// a word begins or ends there, is taken from the document, where the last replacement may have
// changed it. A mask that starts with '*' runs back to its word's start, beyond that character: for
// it the text is read again after each replacement.
class CReplaceAll {
 public:
  CReplaceAll(CRichEditCtrl& ctrl, const FindSettings& find, std::string_view replacement, IUiServices& ui)
      : m_Ctrl(ctrl), m_Find(find), m_Replacement(replacement), m_Ui(ui),
        m_ReadEachTime(find.useMask && find.text.starts_with('*')) {}

  // Down from `from` (a position of the document) to the end, or to the first occurrence that starts
  // at or after `limit`.
  void Down(std::size_t from, std::size_t limit = std::string::npos) {
    std::string text = m_Ctrl.GetText();
    std::ptrdiff_t shift = 0;  // document position minus position in `text`
    std::optional<char> before;
    for (;;) {
      if (m_ReadEachTime && before) {
        text = m_Ctrl.GetText();
        from = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(from) + shift);
        if (limit != std::string::npos) limit = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(limit) + shift);
        shift = 0;
        before.reset();
      }
      const std::optional<SearchHit> hit = WithCharAt(text, from - 1, from > 0 ? before : std::nullopt, [&] {
        return FindForward(text, from, m_Find, m_Ui);
      });
      if (!hit || hit->first >= limit) return;
      const std::size_t end = Replace(*hit, shift);
      shift = static_cast<std::ptrdiff_t>(end) - static_cast<std::ptrdiff_t>(hit->end);
      before = end > 0 ? std::optional<char>(CharAt(end - 1)) : std::nullopt;
      from = hit->end;
    }
  }

  // Up from `end`: what lies before each replacement stays where it was.
  void Up(std::size_t end) {
    std::string text = m_Ctrl.GetText();
    std::optional<char> after;
    for (;;) {
      const std::optional<SearchHit> hit =
          WithCharAt(text, end, after, [&] { return FindBackwards(text, end, m_Find); });
      if (!hit) return;
      Replace(*hit, 0);
      // Nothing after the replacement is a word's end as the end of the text is.
      after = hit->first < static_cast<std::size_t>(m_Ctrl.GetTextLength()) ? CharAt(hit->first) : ' ';
      end = hit->first;
    }
  }

  int Count() const { return m_Count; }

 private:
  // `search` run with `text[at]` standing in for `c`, when there is one.
  template <typename Search>
  static std::optional<SearchHit> WithCharAt(std::string& text, std::size_t at, std::optional<char> c, Search search) {
    if (!c || at >= text.size()) return search();
    const char kept = std::exchange(text[at], *c);
    std::optional<SearchHit> found = search();
    text[at] = kept;
    return found;
  }

  char CharAt(std::size_t position) const {
    const int at = static_cast<int>(position);
    const std::string one = PlainTextOf(*m_Ctrl.Document(), at, at + 1);
    return one.empty() ? ' ' : one[0];
  }

  // Replaces the occurrence at `hit` of the text, `shift` further on in the document; where the
  // replacement ends in the document.
  std::size_t Replace(const SearchHit& hit, std::ptrdiff_t shift) {
    const auto first = static_cast<int>(static_cast<std::ptrdiff_t>(hit.first) + shift);
    m_Ctrl.SetSel(first, first + static_cast<int>(hit.end - hit.first));
    m_Ctrl.ReplaceSel(m_Replacement);
    ++m_Count;
    return static_cast<std::size_t>(m_Ctrl.GetSel().max);
  }

  CRichEditCtrl& m_Ctrl;
  const FindSettings& m_Find;
  std::string_view m_Replacement;
  IUiServices& m_Ui;
  const bool m_ReadEachTime;
  int m_Count = 0;
};

}  // namespace

// Downwards the search starts at the selection's start (a selected occurrence is replaced too) and
// goes on behind each replacement; upwards it goes on before each; "Celý text" goes down to the end,
// then from the beginning up to where it started (which the replacements behind it did not move).
int ReplaceAll(CRichEditCtrl& ctrl, const FindSettings& find, std::string_view replacement, IUiServices& ui) {
  const CharRange before = ctrl.GetSel();
  QTextCursor undoStep(ctrl.Document());
  undoStep.beginEditBlock();
  CReplaceAll replace(ctrl, find, replacement, ui);
  const auto start = static_cast<std::size_t>(before.min);
  if (!find.useMask && find.area == FindArea::Up) {
    replace.Up(start);
  } else {
    replace.Down(start);
    if (!find.useMask && find.area == FindArea::Whole) replace.Down(0, start);
  }
  undoStep.endEditBlock();
  ctrl.SetSel(before.min, before.max);
  ui.MessageBox(kDone, MessageIcon::Information);
  ui.MessageBox("Počet záměn = " + std::to_string(replace.Count()), MessageIcon::Information);
  return replace.Count();
}

}  // namespace orv
