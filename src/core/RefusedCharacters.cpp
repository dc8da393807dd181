#include "core/RefusedCharacters.h"

#include "core/Cp1250Refusal.h"

namespace orv {

std::string RefusedNoteCharactersText(std::u32string_view refused) {
  return RefusedCharactersText(refused, "do poznámky");
}

}  // namespace orv
