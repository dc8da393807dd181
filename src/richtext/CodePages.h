#pragma once
// The code pages RTF text is written in: which code page a Windows character set or an \ansicpg
// stands for, decoding \'hh bytes to UTF-16 and encoding UTF-16 back to a byte where the code page
// has the character. Single-byte Windows code pages and Mac Roman have tables of their own;
// everything else (double-byte Asian code pages, OEM pages) decodes through Qt's converters and
// never encodes, so the writer falls back to \uN for it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

inline constexpr int kCodePageSymbol = 42;  // a symbol font: bytes stand for glyphs, not letters
inline constexpr char16_t kSymbolBase = 0xF000;  // symbol byte b is held as U+F000 + b

// The code page of a Windows character set; `ansiCodePage` answers for the default character set
// (1) and for character sets it does not know.
int CodePageOfCharset(int charset, int ansiCodePage);
// The character set that best fits a code page (238 for 1250 ...), 0 when none does.
uint8_t CharsetOfCodePage(int codePage);

bool IsDoubleByteCodePage(int codePage);
// Whether `byte` starts a two-byte character in a double-byte code page.
bool IsLeadByte(int codePage, unsigned char byte);

// Appends the UTF-16 of `bytes` in `codePage`; bytes a code page cannot decode become U+FFFD, one
// per byte (or per broken double-byte sequence).
void DecodeCodePage(int codePage, std::string_view bytes, std::u16string& out);
// The byte of `unit` in a single-byte code page, or nothing when it has no such character (or the
// code page has no table here).
std::optional<unsigned char> EncodeCodePage(int codePage, char16_t unit);

}  // namespace orv
