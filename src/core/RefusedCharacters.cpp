#include "core/RefusedCharacters.h"

#include <cstdio>

#include "core/Utf8.h"

namespace orv {
namespace {

constexpr std::size_t kNamedAtMost = 3;

// „И“ (U+0418)
std::string Named(char32_t c) {
  std::string text = "„";
  AppendUtf8(text, c);
  char code[16];
  std::snprintf(code, sizeof code, "“ (U+%04X)", static_cast<unsigned>(c));
  return text + code;
}

}  // namespace

std::string RefusedNoteCharactersText(std::u32string_view refused) {
  if (refused.size() == 1)
    return "Znak " + Named(refused[0]) + " nelze do poznámky zapsat: kódování Windows-1250 jej nezná.";
  std::string list;
  for (std::size_t i = 0; i < refused.size() && i < kNamedAtMost; ++i) list += (i ? ", " : "") + Named(refused[i]);
  if (refused.size() > kNamedAtMost) list += " a " + std::to_string(refused.size() - kNamedAtMost) + " dalších";
  return "Znaky " + list + " nelze do poznámky zapsat: kódování Windows-1250 je nezná.";
}

}  // namespace orv
