#pragma once
// Styles meet the rich edit control here: a character style record becomes the control's character
// format, a paragraph style record its paragraph format, and formats found in the text are compared
// with styles the way the style commands compare them. The factory formats are what the predefined
// styles of a new calendar look like.

#include <cstdint>
#include <string_view>

#include "document/StyleRecords.h"
#include "richtext/RichFormats.h"

namespace orv {

// Size, colour, face, character set, protected, strikeout, underline, italic and bold.
inline constexpr uint32_t kCharStyleMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_EFFECTS;
// Everything a paragraph style fixes; the start indent is absolute.
inline constexpr uint32_t kParStyleMask = PFM_ALL | PFM_OFFSETINDENT;

// Underline and strikeout, separate fields of the record, become effect bits.
CharFormat ToCharFormat(const CCharFormat& style);
ParaFormat ToParaFormat(const CParFormat& style);

// Same height, colour, face, character set and effects (automatic colour aside).
bool IsSameCharStyle(const CharFormat& a, const CharFormat& b);
// Same numbering, indents, alignment, tab stops, spacing and line spacing rule.
bool IsSameParStyle(const ParaFormat& a, const ParaFormat& b);

// The factory formats of the predefined styles in slot order 0 to 3.
CCharFormat FactoryCharStyle(int slot, std::string_view baseFace);
CParFormat FactoryParStyle(int slot);

}  // namespace orv
