#pragma once
// The text of a commentary for showing it as plain text. The stored plain text is Windows-1250 and
// holds "?" for each character the code page lacks, while the commentary's RTF keeps the character
// itself: where the stored text has a "?", the RTF's own text is shown, provided it is the same text
// (so a plain text and an RTF that disagree show the stored text, as before). The stored text is
// never changed, and searching goes on over it.

#include <string>
#include <string_view>

namespace orv {

// UTF-8, paragraphs separated by "\r" and line breaks as "\v", as the stored plain text has them.
std::string CommentaryTextUtf8(std::string_view storedText, std::string_view rtf);

}  // namespace orv
