#pragma once
// Windows-1250 text. Everything the calendar stores is held as std::string of Windows-1250 bytes;
// these functions convert at the boundaries (UTF-8 for terminals and files, UTF-16 for Qt) and give
// the code page's own case mapping, which search and case folding work with.
//
//   Cp1250ToUnicode / UnicodeToCp1250   one character; all 256 bytes decode, unencodable -> '?'
//   Cp1250ToUtf8 / Cp1250FromUtf8       whole strings
//   Cp1250ToUtf16 / Cp1250FromUtf16     whole strings, for QString::fromUtf16 and QString::utf16
//   Cp1250ToUpper / Cp1250ToLower       the code page's case partners (Ř/ř, Š/š, Ľ/ľ, Ą/ą ...)

#include <optional>
#include <string>
#include <string_view>

namespace orv {

inline constexpr unsigned char kCp1250Unencodable = '?';

char16_t Cp1250ToUnicode(unsigned char byte);
// The byte of a Unicode code point, or '?' when the code page has no such character.
unsigned char UnicodeToCp1250(char32_t codePoint);
bool IsCp1250Encodable(char32_t codePoint);

std::string Cp1250ToUtf8(std::string_view cp1250);
// Malformed UTF-8 sequences decode as U+FFFD and so become '?'.
std::string Cp1250FromUtf8(std::string_view utf8);
// The characters of UTF-8 text that the code page cannot hold, each once, in order of appearance;
// nullopt when the text is not valid UTF-8.
std::optional<std::u32string> Cp1250Unencodable(std::string_view utf8);
std::u16string Cp1250ToUtf16(std::string_view cp1250);
// Surrogate pairs decode to one code point (never encodable, so one '?').
std::string Cp1250FromUtf16(std::u16string_view utf16);

unsigned char Cp1250ToUpper(unsigned char byte);
unsigned char Cp1250ToLower(unsigned char byte);
std::string Cp1250ToUpper(std::string_view text);
std::string Cp1250ToLower(std::string_view text);

}  // namespace orv
