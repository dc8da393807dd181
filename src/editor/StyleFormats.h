#pragma once
// Styles meet the rich edit control here: a character style record becomes the control's character
// format, a paragraph style record its paragraph format, and formats found in the text are compared
// with styles the way the style commands compare them. The factory formats are what the predefined
// styles of a new calendar look like.

#include <cstdint>
#include <string>
#include <string_view>

#include "document/StyleRecords.h"
#include "richtext/RichFormats.h"

namespace orv {

class CTedDoc;

// Size, colour, face, character set, protected, strikeout, underline, italic and bold.
inline constexpr uint32_t kCharStyleMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_EFFECTS;
// Everything a paragraph style fixes; the start indent is absolute.
inline constexpr uint32_t kParStyleMask = PFM_ALL | PFM_OFFSETINDENT;

// Underline and strikeout, separate fields of the record, become effect bits.
CharFormat ToCharFormat(const CCharFormat& style);
ParaFormat ToParaFormat(const CParFormat& style);

// And back: the effect bits of underline and strikeout become the record's two fields.
CCharFormat ToCharStyle(const CharFormat& format);
CParFormat ToParStyle(const ParaFormat& format, std::string charStyle);

// Same height, colour, face, character set and effects (automatic colour aside).
bool IsSameCharStyle(const CharFormat& a, const CharFormat& b);
// Same numbering, indents, alignment, tab stops, spacing and line spacing rule.
bool IsSameParStyle(const ParaFormat& a, const ParaFormat& b);

// The name of the style, first in the calendar's order, that `format` is the same as; "" when none
// is, and when a member the comparison needs is not the same over the selection `format` was read
// from (the mask), since such a selection is in no single style.
std::string FindCharStyleName(const CTedDoc& doc, const CharFormat& format);
std::string FindParStyleName(const CTedDoc& doc, const ParaFormat& format);

// The factory formats of the predefined styles in slot order 0 to 3.
CCharFormat FactoryCharStyle(int slot, std::string_view baseFace);
CParFormat FactoryParStyle(int slot);

}  // namespace orv
