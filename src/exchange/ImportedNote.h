#pragma once
// The short note of an imported day. It takes only what the note field lets a user type: control
// characters become spaces and characters Windows-1250 lacks are left out, as the field refuses them.
//
//   ImportedNote(u"Výlet 🚲 na Sněžku")           "Výlet na Sněžku" (Windows-1250)
//   CutNote(note, 100)                           at most 100 characters, cut between words

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

// The longest note an import makes from a day's text: what a line of the month table shows.
inline constexpr std::size_t kImportedNoteLimit = 100;

// Windows-1250; runs of spaces left by removed characters become one, the ends are trimmed.
std::string ImportedNote(std::u16string_view text);

// At most `limit` characters: cut before the last word that does not fit whole (inside a word
// only when the first word alone is longer than the limit).
std::string CutNote(std::string note, std::size_t limit = kImportedNoteLimit);

}  // namespace orv
