#include "exchange/ImportedNote.h"

#include "core/Cp1250.h"

namespace orv {
namespace {

bool IsControl(char32_t c) {
  return c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029;
}

}  // namespace

std::string ImportedNote(std::u16string_view text) {
  std::string note;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (IsControl(c)) c = ' ';
    if (!IsCp1250Encodable(c)) continue;
    if (c == ' ' && (note.empty() || note.back() == ' ')) continue;
    note += static_cast<char>(UnicodeToCp1250(c));
  }
  while (!note.empty() && note.back() == ' ') note.pop_back();
  return note;
}

std::string CutNote(std::string note, std::size_t limit) {
  if (note.size() <= limit) return note;
  std::size_t cut = note.rfind(' ', limit);
  if (cut == std::string::npos || cut == 0) cut = limit;
  note.resize(cut);
  while (!note.empty() && note.back() == ' ') note.pop_back();
  return note;
}

}  // namespace orv
