#pragma once
// A field whose text the calendar keeps in Windows-1250 refuses the characters the code page lacks
// rather than storing "?" for them: a password of six Cyrillic letters would become "??????", which
// any six such letters then match, and a holiday named in Japanese would be shown as "??".
//
//   if (const std::string why = Cp1250Refusal(utf8, "do hesla"); !why.empty()) ...refuse, show why...

#include <string>
#include <string_view>

namespace orv {

// Empty when every character of the UTF-8 text fits the code page; otherwise the message naming the
// first few refused characters, e.g. "Znak „И“ (U+0418) nelze do hesla zapsat: kódování Windows-1250
// jej nezná." (`into` says where: "do hesla", "do názvu"). Malformed UTF-8 is refused as U+FFFD.
std::string Cp1250Refusal(std::string_view utf8, std::string_view into);

// The same message for characters already found (each once, in order of appearance).
std::string RefusedCharactersText(std::u32string_view refused, std::string_view into);

}  // namespace orv
