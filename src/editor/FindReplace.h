#pragma once
// Find and replace inside one commentary ("Najít výraz", "Záměna výrazů", "Najít další" F3), on the
// editor's control. Matching is the search engine's (case folding, whole words, masks, accents);
// positions in the control's plain text are its selection positions.
//
//   FindSettings find{...};                       // remembered by the editor view between dialogs
//   if (CheckFindText(find, ui)) FindNext(ctrl, find, ui);          // selects the next occurrence
//   ReplaceAll(ctrl, find, replacement, ui);      // one undo step; says how many were replaced
//
// Areas: down from the selection's end, up before its start, or the whole text (down, then from the
// beginning up to the selection). A mask always searches down, in whole words.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "search/MaskWholeWords.h"
#include "search/SearchTerm.h"

namespace orv {

class CRichEditCtrl;
class IUiServices;

enum class FindArea { Down = 1, Up = 2, Whole = 3 };

// The mask and "Pouze celá slova" follow the rule of MaskWholeWords.
struct FindSettings : MaskWholeWords {
  std::string text;  // Windows-1250
  bool matchCase = false;
  bool ignoreAccents = false;
  FindArea area = FindArea::Down;
};

// The replace dialog's rule: a mask without '*' and '?' is dropped with "maska nepoužita".
void DropMaskWithoutWildcard(FindSettings& find, IUiServices& ui);

// The find text before a search: not empty, not too long, a mask by the single-asterisk rule.
bool CheckFindText(const FindSettings& find, IUiServices& ui);

// The occurrence a search from the selection [selStart, selEnd) finds in text; nothing when none.
// Problems of a mask are shown; "not found" is left to the caller.
std::optional<SearchHit> FindInText(std::string_view text, std::size_t selStart, std::size_t selEnd,
                                    const FindSettings& find, IUiServices& ui);

// "Najít další": selects the next occurrence; without one "Prohledávání textu bylo dokončeno." and
// the selection stays.
bool FindNext(CRichEditCtrl& ctrl, const FindSettings& find, IUiServices& ui);
// "Zaměnit": the selection is replaced when it is the find text byte for byte, then the next
// occurrence is found. True when it replaced.
bool Replace(CRichEditCtrl& ctrl, const FindSettings& find, std::string_view replacement, IUiServices& ui);
// "Zaměnit vše": every occurrence in the area, each once (a replacement that holds the find text is
// not searched again), as one undo step; ends with "Prohledávání textu bylo dokončeno." and
// "Počet záměn = %d", and gives back the selection. The number of replacements.
int ReplaceAll(CRichEditCtrl& ctrl, const FindSettings& find, std::string_view replacement, IUiServices& ui);

}  // namespace orv
