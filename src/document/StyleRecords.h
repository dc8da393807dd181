#pragma once
// The two style records a calendar carries: a named character style and a named paragraph style.
// Field order is the order in which the calendar file stores them.

#include <array>
#include <cstdint>
#include <string>

#include "core/FormatLimits.h"

namespace orv {

// Effect bits of a character style (underline and strikeout are separate fields).
inline constexpr std::uint32_t kEffectBold = 0x00000001;
inline constexpr std::uint32_t kEffectItalic = 0x00000002;
inline constexpr std::uint32_t kEffectProtected = 0x00000010;
inline constexpr std::uint32_t kEffectAutoColor = 0x40000000;

struct CCharFormat {
  std::string m_FaceName;  // empty: no font chosen yet
  std::uint8_t m_CharSet = kCharsetEastEurope;
  std::int32_t m_Height = 200;  // twips
  std::uint32_t m_Effects = 0;
  std::uint32_t m_Strikeout = 0;  // 1 = struck out
  std::uint32_t m_Underline = 0;  // 1 = underlined
  std::uint32_t m_Color = 0;      // 0x00BBGGRR
  friend bool operator==(const CCharFormat&, const CCharFormat&) = default;
};

// The members of the paragraph format that make a paragraph style, and the character style its text
// gets. Lengths are twips.
struct CParFormat {
  std::string m_CharStyle = "Standard2";
  std::uint16_t m_Numbering = 0;  // 0 none, 1 bullets
  std::int32_t m_StartIndent = 0;
  std::int32_t m_RightIndent = 0;
  std::int32_t m_Offset = 0;
  std::uint16_t m_Alignment = 0;  // 1 left, 2 right, 3 centre
  std::int16_t m_TabCount = 0;    // valid entries of m_Tabs, 0 to 32
  std::int32_t m_SpaceBefore = 0;
  std::int32_t m_SpaceAfter = 0;
  std::int32_t m_LineSpacing = 0;
  std::uint16_t m_NumberingStyle = 0;
  std::uint8_t m_LineSpacingRule = 0;  // 0 single ... 3 at least, 4 exactly, 5 twentieths of a line
  std::uint16_t m_NumberingStart = 0;
  std::uint16_t m_NumberingTab = 0;
  std::array<std::int32_t, kMaxTabStops> m_Tabs{};
  friend bool operator==(const CParFormat&, const CParFormat&) = default;
};

}  // namespace orv
