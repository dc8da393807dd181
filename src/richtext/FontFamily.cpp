#include "richtext/FontFamily.h"

namespace orv {
namespace {

// "Family [Foundry]" loses its last bracketed part and the spaces before it; a name that is only a
// bracketed part stays as it is.
template <typename Char>
std::basic_string<Char> WithoutFoundry(std::basic_string_view<Char> face) {
  while (!face.empty() && face.back() == Char(' ')) face.remove_suffix(1);
  if (!face.empty() && face.back() == Char(']')) {
    const size_t open = face.rfind(Char('['));
    if (open != std::basic_string_view<Char>::npos && open > 0) {
      std::basic_string_view<Char> family = face.substr(0, open);
      while (!family.empty() && family.back() == Char(' ')) family.remove_suffix(1);
      if (!family.empty()) return std::basic_string<Char>(family);
    }
  }
  return std::basic_string<Char>(face);
}

}  // namespace

std::string FontFamily(std::string_view face) {
  return WithoutFoundry(face);
}

std::u16string FontFamily(std::u16string_view face) {
  return WithoutFoundry(face);
}

}  // namespace orv
