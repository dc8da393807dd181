#include "richtext/RtfParaProps.h"

#include <algorithm>
#include <limits>

namespace orv {
namespace {

int32_t ClampToInt32(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

uint16_t NumberingStyleOf(const RtfParaProps& p) {
  if (p.format.numbering == 0 || p.format.numbering == PFN_BULLET) return 0;
  if (p.numberAfter == u")") return p.numberBefore == u"(" ? PFNS_PARENS : PFNS_PAREN;
  if (p.numberAfter == u".") return PFNS_PERIOD;
  return PFNS_PLAIN;
}

}  // namespace

ParaFormat ParaFormatOf(const RtfParaProps& p) {
  ParaFormat f = p.format;
  f.mask = 0;
  f.startIndent = ClampToInt32(int64_t{p.leftIndent} + p.firstIndent);
  f.offset = ClampToInt32(-int64_t{p.firstIndent});
  f.lineSpacingRule = kSpacingSingle;
  f.lineSpacing = 0;
  if (p.lineSpacing != 0 && !p.lineMultiple) {
    f.lineSpacingRule = p.lineSpacing > 0 ? kSpacingAtLeast : kSpacingExactly;
    f.lineSpacing = ClampToInt32(p.lineSpacing > 0 ? int64_t{p.lineSpacing} : -int64_t{p.lineSpacing});
  } else if (p.lineSpacing != 0) {
    const int32_t lines240 = ClampToInt32(p.lineSpacing > 0 ? int64_t{p.lineSpacing} : -int64_t{p.lineSpacing});
    if (lines240 == 360) {
      f.lineSpacingRule = kSpacingOneAndHalf;
    } else if (lines240 == 480) {
      f.lineSpacingRule = kSpacingDouble;
    } else if (lines240 != 240) {
      f.lineSpacingRule = kSpacingTwentieths;
      f.lineSpacing = lines240 / 12;
    }
  }
  f.numberingStyle = NumberingStyleOf(p);
  if (p.ownAlignment) f.alignment = *p.ownAlignment;
  if (p.ownLineSpacingRule) f.lineSpacingRule = *p.ownLineSpacingRule;
  if (p.ownLineSpacing) f.lineSpacing = *p.ownLineSpacing;
  if (p.ownNumbering) f.numbering = *p.ownNumbering;
  if (p.ownNumberingStyle) f.numberingStyle = *p.ownNumberingStyle;
  return f;
}

}  // namespace orv
