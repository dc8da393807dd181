#include "core/Cp1250Refusal.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/Cp1250.h"
#include "core/Utf8.h"

namespace orv {
namespace {

constexpr std::size_t kNamedAtMost = 3;

std::string Named(char32_t c) {
  std::string text = "„";
  AppendUtf8(text, c);
  char code[16];
  std::snprintf(code, sizeof code, "“ (U+%04X)", static_cast<unsigned>(c));
  return text + code;
}

}  // namespace

std::string Cp1250Refusal(std::string_view utf8, std::string_view into) {
  std::vector<char32_t> refused;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = NextUtf8CodePoint(utf8, i);
    if (!IsCp1250Encodable(c) && std::find(refused.begin(), refused.end(), c) == refused.end())
      refused.push_back(c);
  }
  if (refused.empty()) return {};
  return RefusedCharactersText({refused.data(), refused.size()}, into);
}

std::string RefusedCharactersText(std::u32string_view refused, std::string_view into) {
  const std::string where = std::string(" nelze ") + std::string(into) + " zapsat: kódování Windows-1250 ";
  if (refused.size() == 1) return "Znak " + Named(refused[0]) + where + "jej nezná.";
  std::string list;
  for (std::size_t k = 0; k < refused.size() && k < kNamedAtMost; ++k)
    list += (k ? ", " : "") + Named(refused[k]);
  if (refused.size() > kNamedAtMost)
    list += " a " + std::to_string(refused.size() - kNamedAtMost) + " dalších";
  return "Znaky " + list + where + "je nezná.";
}

}  // namespace orv
