#pragma once
// The message that refuses characters Windows-1250 cannot hold, naming them, so that nothing the user
// writes turns into "?" when it is stored: the note field shows it, and orv says it for a note given
// on its command line.
//
//   "Znak „И“ (U+0418) nelze do poznámky zapsat: kódování Windows-1250 jej nezná."

#include <string>
#include <string_view>

namespace orv {

// `refused`: each character once, in order of appearance. The text is UTF-8.
std::string RefusedNoteCharactersText(std::u32string_view refused);

}  // namespace orv
