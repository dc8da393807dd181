#pragma once
// Paragraph properties as RTF words state them (\li \fi \sl \slmult, the number texts of \pn ...)
// and the paragraph format they amount to. The reader collects them; the writer asks what its words
// would read back as, and states in its own group {\*\orvpara ...} the members RTF cannot carry
// (a line-spacing rule RTF has no words for, the numbering style of a bullet ...), so that what it
// writes reads back unchanged.

#include <cstdint>
#include <optional>
#include <string>

#include "richtext/RichFormats.h"

namespace orv {

struct RtfParaProps {
  // Alignment, right indent, spaces, tabs and numbering kind, start and tab as read.
  ParaFormat format;
  int32_t leftIndent = 0;   // \li: all lines
  int32_t firstIndent = 0;  // \fi: first line, relative
  int32_t lineSpacing = 0;  // \sl
  bool lineMultiple = false;  // \slmult1: \sl in 240ths of a line
  std::u16string numberBefore;  // {\pntxtb ...}
  std::u16string numberAfter;   // {\pntxta ...}

  // {\*\orvpara ...}
  std::optional<uint16_t> ownAlignment;
  std::optional<uint8_t> ownLineSpacingRule;
  std::optional<int32_t> ownLineSpacing;
  std::optional<uint16_t> ownNumbering;
  std::optional<uint16_t> ownNumberingStyle;
};

ParaFormat ParaFormatOf(const RtfParaProps& props);

}  // namespace orv
