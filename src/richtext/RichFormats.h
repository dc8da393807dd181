#pragma once
// Character and paragraph formats of the rich edit control, as plain structs with the control's own
// mask and effect bits, so that styles, formatting commands and export can use them without Qt.
//
// A set operation changes only the members whose bit is in `mask`; a get operation returns in `mask`
// the members that are the same over the whole selection ("partly bold" = CFM_BOLD missing).
// Every length is in twips (1/20 point), colours are 0x00BBGGRR.

#include <array>
#include <cstdint>
#include <string>

#include "core/FormatLimits.h"

namespace orv {

// Character format mask bits.
inline constexpr uint32_t CFM_BOLD = 0x00000001;
inline constexpr uint32_t CFM_ITALIC = 0x00000002;
inline constexpr uint32_t CFM_UNDERLINE = 0x00000004;
inline constexpr uint32_t CFM_STRIKEOUT = 0x00000008;
inline constexpr uint32_t CFM_PROTECTED = 0x00000010;
inline constexpr uint32_t CFM_CHARSET = 0x08000000;
inline constexpr uint32_t CFM_FACE = 0x20000000;
inline constexpr uint32_t CFM_COLOR = 0x40000000;  // the colour and the automatic-colour effect
inline constexpr uint32_t CFM_SIZE = 0x80000000;
inline constexpr uint32_t CFM_EFFECTS = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED;
inline constexpr uint32_t CFM_ALL = CFM_EFFECTS | CFM_CHARSET | CFM_FACE | CFM_COLOR | CFM_SIZE;

// Character effect bits.
inline constexpr uint32_t CFE_BOLD = 0x00000001;
inline constexpr uint32_t CFE_ITALIC = 0x00000002;
inline constexpr uint32_t CFE_UNDERLINE = 0x00000004;
inline constexpr uint32_t CFE_STRIKEOUT = 0x00000008;
inline constexpr uint32_t CFE_PROTECTED = 0x00000010;
inline constexpr uint32_t CFE_AUTOCOLOR = 0x40000000;  // drawn in the window text colour; `colour` unused

// Character sets the program meets (Windows numbering).
inline constexpr uint8_t kCharsetAnsi = 0;
inline constexpr uint8_t kCharsetDefault = 1;
inline constexpr uint8_t kCharsetSymbol = 2;

struct CharFormat {
  uint32_t mask = 0;
  uint32_t effects = 0;
  int32_t height = 0;  // twips
  uint32_t colour = 0;
  uint8_t charset = kCharsetEastEurope;
  std::string face;  // Windows-1250

  bool operator==(const CharFormat&) const = default;
};

// Paragraph format mask bits.
inline constexpr uint32_t PFM_STARTINDENT = 0x00000001;
inline constexpr uint32_t PFM_RIGHTINDENT = 0x00000002;
inline constexpr uint32_t PFM_OFFSET = 0x00000004;
inline constexpr uint32_t PFM_ALIGNMENT = 0x00000008;
inline constexpr uint32_t PFM_TABSTOPS = 0x00000010;
inline constexpr uint32_t PFM_NUMBERING = 0x00000020;
inline constexpr uint32_t PFM_SPACEBEFORE = 0x00000040;
inline constexpr uint32_t PFM_SPACEAFTER = 0x00000080;
inline constexpr uint32_t PFM_LINESPACING = 0x00000100;  // the spacing and its rule
inline constexpr uint32_t PFM_NUMBERINGSTYLE = 0x00002000;
inline constexpr uint32_t PFM_NUMBERINGTAB = 0x00004000;
inline constexpr uint32_t PFM_NUMBERINGSTART = 0x00008000;
// With PFM_STARTINDENT the start indent is absolute; alone, it is added to each paragraph's indent.
inline constexpr uint32_t PFM_OFFSETINDENT = 0x80000000;
inline constexpr uint32_t PFM_ALL = 0x0000E1FF;

// Alignment.
inline constexpr uint16_t PFA_LEFT = 1;
inline constexpr uint16_t PFA_RIGHT = 2;
inline constexpr uint16_t PFA_CENTER = 3;
inline constexpr uint16_t PFA_JUSTIFY = 4;

// Numbering kinds and styles.
inline constexpr uint16_t PFN_BULLET = 1;
inline constexpr uint16_t PFN_ARABIC = 2;
inline constexpr uint16_t PFN_LCLETTER = 3;
inline constexpr uint16_t PFN_UCLETTER = 4;
inline constexpr uint16_t PFN_LCROMAN = 5;
inline constexpr uint16_t PFN_UCROMAN = 6;
inline constexpr uint16_t PFNS_PAREN = 0x0000;   // 1)
inline constexpr uint16_t PFNS_PARENS = 0x0100;  // (1)
inline constexpr uint16_t PFNS_PERIOD = 0x0200;  // 1.
inline constexpr uint16_t PFNS_PLAIN = 0x0300;   // 1

// Line spacing rules.
inline constexpr uint8_t kSpacingSingle = 0;
inline constexpr uint8_t kSpacingOneAndHalf = 1;
inline constexpr uint8_t kSpacingDouble = 2;
inline constexpr uint8_t kSpacingAtLeast = 3;
inline constexpr uint8_t kSpacingExactly = 4;
inline constexpr uint8_t kSpacingTwentieths = 5;  // lineSpacing / 20 lines

struct ParaFormat {
  uint32_t mask = 0;
  uint16_t numbering = 0;
  int32_t startIndent = 0;  // first line, from the left margin
  int32_t rightIndent = 0;
  int32_t offset = 0;  // following lines, relative to the first
  uint16_t alignment = PFA_LEFT;
  int16_t tabCount = 0;
  std::array<int32_t, kMaxTabStops> tabs{};  // entries beyond tabCount are 0
  int32_t spaceBefore = 0;
  int32_t spaceAfter = 0;
  int32_t lineSpacing = 0;
  uint8_t lineSpacingRule = kSpacingSingle;
  uint16_t numberingStyle = 0;
  uint16_t numberingStart = 0;
  uint16_t numberingTab = 0;

  bool operator==(const ParaFormat&) const = default;
};

}  // namespace orv
