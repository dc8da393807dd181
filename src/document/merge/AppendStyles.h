#pragma once
// Merging the character and paragraph styles of a source calendar into a target calendar, as
// appending one calendar to another does (character styles first, then paragraph styles).
//
// Without overwriting, a source style whose name the target lacks is added unless the target
// already has a style of the same settings under another name ("styl se stejným nastavením"); a
// name the target has keeps the target's style. With overwriting, the target's user styles of the
// same settings as a new source style make way for it, and every source style replaces the target's
// style of its name. Paragraph styles that named a character style which was skipped or made way
// follow it to the name that now holds those settings. A set never grows past 12 styles.

#include "document/StyleRecords.h"

namespace orv {

struct CCalendarContent;
class IUiServices;

inline constexpr int kMaxStylesOfAKind = 12;

// The same settings as the style commands compare them: face, character set, height, effects
// (automatic colour aside), underline, strikeout and colour.
bool SameCharSettings(const CCharFormat& a, const CCharFormat& b);
// Numbering, indents, alignment, tab stops, spacing and the line-spacing rule.
bool SameParSettings(const CParFormat& a, const CParFormat& b);

// The number of styles added, replaced or removed in the target.
int MergeStyles(CCalendarContent& target, const CCalendarContent& source, bool overwrite, IUiServices& ui);

}  // namespace orv
