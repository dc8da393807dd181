#pragma once
// The formatting commands of a commentary editor that set a format directly, without a named style:
// the bold, italic and underline switches, "Obyčejné", text colours, alignment, and the face, size
// and script chosen in the formatting toolbar. Each is one undo step and marks the calendar modified.
// FormatStateOf gives what the menus and buttons show for the selection.

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace orv {

class CCommentaryEditor;

enum class EEffectState { Off, On, Mixed };

struct SFormatState {
  std::array<EEffectState, 3> effects{};  // bold, italic, underline
  uint16_t alignment = 0;                 // PFA_*, 0 when the paragraphs differ
  int colourId = 0;                       // the colour chosen last in this editor, 0 for none
};

SFormatState FormatStateOf(const CCommentaryEditor& editor);

// Bold, italic or underline (CFE_*): inverted where the whole selection agrees, switched on where it
// is mixed.
void ToggleEffect(CCommentaryEditor& editor, uint32_t effect);
// Bold, italic, underline and strikeout off.
void SetPlain(CCommentaryEditor& editor);
// A colour of the colour menu by its command number; the automatic one is the automatic-colour
// effect, drawn in the paper's text colour whatever the desktop's theme. False (and "OnBarvaTextu -
// chyba") for an unknown number.
bool SetTextColour(CCommentaryEditor& editor, int colourId);
void SetAlignment(CCommentaryEditor& editor, uint16_t alignment);

// Whether a face (Windows-1250) exists in a character set.
using CharsetTest = std::function<bool(std::string_view face, int charset)>;
// The installed fonts as the system reports them.
bool FaceHasCharset(std::string_view face, int charset);
// The face with the first character set it exists in: symbol, the selection's own, Central European,
// Western. False (and "Požadované písmo vyžaduje použití dialogu Písmo.") when none fits.
bool SetFace(CCommentaryEditor& editor, std::string_view face,
             const CharsetTest& hasCharset = FaceHasCharset);
void SetPoints(CCommentaryEditor& editor, int points);
void SetCharset(CCommentaryEditor& editor, int charset);

}  // namespace orv
