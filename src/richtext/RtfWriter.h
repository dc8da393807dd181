#pragma once
// Writes formatted paragraphs as RTF in the control's own dialect: 7-bit text, Windows-1250 as the
// document code page, a font table entry per face and character set, a colour table, paragraph
// words after \pard where the format changes and character words where it changes. Characters
// outside ASCII are \'hh in the code page of the run's character set, or \uN? where that code page
// lacks them. The same content always gives the same bytes, and ReadRtf gives the content back.

#include <string>

#include "richtext/RichContent.h"

namespace orv {

std::string WriteRtf(const RichContent& content);

}  // namespace orv
