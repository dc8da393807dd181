#pragma once
// Czech sort order of the name lists: accented letters after their base letters in Czech order
// ("Čestmír" after "Ctirad", before "Dalibor"), "ch" after "h". It comes from ICU's Czech collation,
// so it needs no system locale; where ICU has no Czech data it is plain byte order.

#include <string_view>

namespace orv {

// Compares two Windows-1250 strings: negative when a sorts before b, 0 when equal, positive after.
int CzechCompare(std::string_view a, std::string_view b);

}  // namespace orv
