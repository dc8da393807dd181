#include "editor/StyleFormats.h"

#include <array>
#include <string>

#include "document/StyleSets.h"
#include "document/TedDoc.h"

namespace orv {

CharFormat ToCharFormat(const CCharFormat& style) {
  CharFormat f;
  f.mask = kCharStyleMask;
  f.effects = style.m_Effects & ~(CFE_UNDERLINE | CFE_STRIKEOUT);
  if (style.m_Underline == 1) f.effects |= CFE_UNDERLINE;
  if (style.m_Strikeout == 1) f.effects |= CFE_STRIKEOUT;
  f.height = style.m_Height;
  f.colour = style.m_Color;
  f.charset = style.m_CharSet;
  f.face = style.m_FaceName;
  return f;
}

ParaFormat ToParaFormat(const CParFormat& style) {
  ParaFormat f;
  f.mask = kParStyleMask;
  f.numbering = style.m_Numbering;
  f.startIndent = style.m_StartIndent;
  f.rightIndent = style.m_RightIndent;
  f.offset = style.m_Offset;
  f.alignment = style.m_Alignment;
  f.tabCount = style.m_TabCount;
  f.tabs = style.m_Tabs;
  f.spaceBefore = style.m_SpaceBefore;
  f.spaceAfter = style.m_SpaceAfter;
  f.lineSpacing = style.m_LineSpacing;
  f.lineSpacingRule = style.m_LineSpacingRule;
  f.numberingStyle = style.m_NumberingStyle;
  f.numberingStart = style.m_NumberingStart;
  f.numberingTab = style.m_NumberingTab;
  return f;
}

CCharFormat ToCharStyle(const CharFormat& format) {
  CCharFormat style;
  style.m_FaceName = format.face.substr(0, 31);
  style.m_CharSet = format.charset;
  style.m_Height = format.height;
  style.m_Effects = format.effects & ~(CFE_UNDERLINE | CFE_STRIKEOUT);
  style.m_Underline = (format.effects & CFE_UNDERLINE) ? 1 : 0;
  style.m_Strikeout = (format.effects & CFE_STRIKEOUT) ? 1 : 0;
  style.m_Color = format.colour;
  return style;
}

CParFormat ToParStyle(const ParaFormat& format, std::string charStyle) {
  CParFormat style;
  style.m_CharStyle = std::move(charStyle);
  style.m_Numbering = format.numbering;
  style.m_StartIndent = format.startIndent;
  style.m_RightIndent = format.rightIndent;
  style.m_Offset = format.offset;
  style.m_Alignment = format.alignment;
  style.m_TabCount = format.tabCount;
  style.m_Tabs = format.tabs;
  style.m_SpaceBefore = format.spaceBefore;
  style.m_SpaceAfter = format.spaceAfter;
  style.m_LineSpacing = format.lineSpacing;
  style.m_LineSpacingRule = format.lineSpacingRule;
  style.m_NumberingStyle = format.numberingStyle;
  style.m_NumberingStart = format.numberingStart;
  style.m_NumberingTab = format.numberingTab;
  return style;
}

bool IsSameCharStyle(const CharFormat& a, const CharFormat& b) {
  return a.height == b.height && a.colour == b.colour && a.face == b.face && a.charset == b.charset &&
         (a.effects & ~CFE_AUTOCOLOR) == (b.effects & ~CFE_AUTOCOLOR);
}

bool IsSameParStyle(const ParaFormat& a, const ParaFormat& b) {
  return a.numbering == b.numbering && a.startIndent == b.startIndent && a.rightIndent == b.rightIndent &&
         a.offset == b.offset && a.alignment == b.alignment && a.tabCount == b.tabCount && a.tabs == b.tabs &&
         a.spaceBefore == b.spaceBefore && a.spaceAfter == b.spaceAfter && a.lineSpacing == b.lineSpacing &&
         a.lineSpacingRule == b.lineSpacingRule;
}

std::string FindCharStyleName(const CTedDoc& doc, const CharFormat& format) {
  if ((format.mask & kCharStyleMask) != kCharStyleMask) return {};
  for (const auto& [name, style] : doc.m_Styles)
    if (IsSameCharStyle(format, ToCharFormat(style))) return name;
  return {};
}

std::string FindParStyleName(const CTedDoc& doc, const ParaFormat& format) {
  constexpr uint32_t kCompared = PFM_NUMBERING | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET |
                                 PFM_ALIGNMENT | PFM_TABSTOPS | PFM_SPACEBEFORE | PFM_SPACEAFTER |
                                 PFM_LINESPACING;
  if ((format.mask & kCompared) != kCompared) return {};
  for (const auto& [name, style] : doc.m_StylesPar)
    if (IsSameParStyle(format, ToParaFormat(style))) return name;
  return {};
}

CCharFormat FactoryCharStyle(int slot, std::string_view baseFace) {
  struct Factory {
    bool bold;
    int32_t height;
    uint32_t colour;
  };
  static constexpr std::array<Factory, kPredefinedStyles> kFactory = {
      {{true, 180, 0}, {false, 180, 0}, {true, 240, 0x800000}, {true, 220, 0x800000}}};
  const Factory& f = kFactory.at(static_cast<size_t>(slot));
  CCharFormat style;
  style.m_FaceName = std::string(baseFace);
  style.m_CharSet = kCharsetEastEurope;
  style.m_Height = f.height;
  style.m_Effects = f.bold ? kEffectBold : 0;
  style.m_Color = f.colour;
  return style;
}

CParFormat FactoryParStyle(int slot) {
  struct Factory {
    int32_t spaceAfter;
    int32_t lineSpacing;
  };
  static constexpr std::array<Factory, kPredefinedStyles> kFactory = {
      {{80, 200}, {120, 200}, {200, 240}, {160, 240}}};
  const Factory& f = kFactory.at(static_cast<size_t>(slot));
  CParFormat style;
  style.m_CharStyle = std::string(kPredefinedCharStyles.at(static_cast<size_t>(slot)));
  style.m_Alignment = PFA_LEFT;
  style.m_SpaceAfter = f.spaceAfter;
  style.m_LineSpacing = f.lineSpacing;
  style.m_LineSpacingRule = kSpacingAtLeast;
  return style;
}

}  // namespace orv
