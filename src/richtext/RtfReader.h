#pragma once
// Reads RTF into formatted paragraphs: the dialect the control writes and RTF of other word
// processors. What the paragraphs cannot hold is left out (pictures, objects, headers, footnotes,
// style sheets); field results are kept; table cells become tab-separated text and rows paragraphs.
//
// Hostile input never crashes or hangs the reader: nesting deeper than a bound is skipped, numbers
// are clamped, unbalanced braces and truncated files load what they hold. Input that does not
// start with "{\rtf" is read as a fragment of RTF. The empty string gives no paragraphs.

#include <string_view>

#include "richtext/RichContent.h"

namespace orv {

RichContent ReadRtf(std::string_view rtf);

}  // namespace orv
