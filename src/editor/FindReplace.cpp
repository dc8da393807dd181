#include "editor/FindReplace.h"

#include <QTextCursor>
#include <string>

#include "core/UiServices.h"
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

// Downwards the search starts at the selection's start (a selected occurrence is replaced too) and
// goes on behind each replacement; upwards it goes on before each; "Celý text" goes down to the end,
// then from the beginning up to where it started, moved by what the replacements before it changed.
int ReplaceAll(CRichEditCtrl& ctrl, const FindSettings& find, std::string_view replacement, IUiServices& ui) {
  const CharRange before = ctrl.GetSel();
  QTextCursor undoStep(ctrl.Document());
  undoStep.beginEditBlock();
  int count = 0;
  std::string text = ctrl.GetText();
  // Replaces one occurrence; where the replacement ends ("\r\n" is one paragraph break there).
  auto replace = [&](const SearchHit& hit) {
    Select(ctrl, hit);
    ctrl.ReplaceSel(replacement);
    text = ctrl.GetText();
    ++count;
    return static_cast<std::size_t>(ctrl.GetSel().max);
  };
  const bool up = !find.useMask && find.area == FindArea::Up;
  if (up) {
    std::size_t end = static_cast<std::size_t>(before.min);
    while (const auto hit = FindBackwards(text, end, find)) {
      replace(*hit);
      end = hit->first;
    }
  } else {
    std::size_t from = static_cast<std::size_t>(before.min);  // a selected occurrence is replaced too
    while (const auto hit = FindForward(text, from, find, ui)) from = replace(*hit);
    if (!find.useMask && find.area == FindArea::Whole) {
      std::ptrdiff_t limit = before.min;
      from = 0;
      while (const auto hit = FindForward(text, from, find, ui)) {
        if (static_cast<std::ptrdiff_t>(hit->first) >= limit) break;
        from = replace(*hit);
        limit += static_cast<std::ptrdiff_t>(from) - static_cast<std::ptrdiff_t>(hit->end);
      }
    }
  }
  undoStep.endEditBlock();
  ctrl.SetSel(before.min, before.max);
  ui.MessageBox(kDone, MessageIcon::Information);
  ui.MessageBox("Počet záměn = " + std::to_string(count), MessageIcon::Information);
  return count;
}

}  // namespace orv
