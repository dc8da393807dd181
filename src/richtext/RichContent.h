#pragma once
// Formatted text as a plain value: paragraphs of runs that share one character format. The RTF
// reader produces it, the RTF writer consumes it, the control builds its document from it and
// extracts it again, and a formatted copy of a selection is one of these.
//
// Text is UTF-16, as the document holds it: tabs are '\t', line breaks inside a paragraph U+2028;
// paragraph marks are the boundaries between paragraphs and never appear in a run.

#include <string>
#include <vector>

#include "richtext/RichFormats.h"

namespace orv {

inline constexpr char16_t kLineBreak = 0x2028;

// The character format of a run. Unlike CharFormat it keeps the face in UTF-16 (faces from other
// programs need not be Windows-1250) and has no mask: every member is meant.
struct RunFormat {
  uint32_t effects = CFE_AUTOCOLOR;  // CFE_* bits, underline and strikeout included
  int32_t height = 240;              // twips; RTF's default of 12 points
  uint32_t colour = 0;
  uint8_t charset = kCharsetAnsi;
  std::u16string face;

  bool operator==(const RunFormat&) const = default;
};

struct RichRun {
  RunFormat format;
  std::u16string text;
};

struct RichParagraph {
  ParaFormat format;  // mask unused
  // The format of the paragraph mark: what an empty paragraph is typed in.
  RunFormat mark;
  std::vector<RichRun> runs;
  // On paper the paragraph stays on the page of the next one's first line (a heading with what it
  // heads); the editor and RTF leave it alone.
  bool keepWithNext = false;
};

struct RichContent {
  std::vector<RichParagraph> paragraphs;
  // Whether the last paragraph was taken up to its end (a whole document, or a selection that
  // reached the end of its last paragraph): inserted into an empty paragraph, it brings its format.
  bool lastParagraphWhole = true;
};

// The content's plain text as the rich edit control gives it: "\r" between paragraphs, "\v" for a
// line break, an object as a space, Windows-1250 with "?" for what it lacks, one byte per position.
std::string PlainTextOf(const RichContent& content);

}  // namespace orv
