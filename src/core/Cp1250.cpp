#include "core/Cp1250.h"

#include <array>

#include "core/Utf8.h"

namespace orv {
namespace {

// Unicode of the bytes 0x80-0xFF of the Windows-1250 code page. The five bytes the code page leaves
// undefined (81, 83, 88, 90, 98) stand for the C1 controls of the same value, so they round-trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// Lower-case letter and its upper-case partner, for the letters above 0x7F whose partner exists in
// the code page. Letters without a partner (ß, µ) have no case mapping.
struct CasePair {
  unsigned char lower;
  unsigned char upper;
};
constexpr CasePair kCasePairs[] = {
    {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F}, {0xB3, 0xA3},  // šŠ śŚ ťŤ žŽ źŹ łŁ
    {0xB9, 0xA5}, {0xBA, 0xAA}, {0xBE, 0xBC}, {0xBF, 0xAF}, {0xE0, 0xC0}, {0xE1, 0xC1},  // ąĄ şŞ ľĽ żŻ ŕŔ áÁ
    {0xE2, 0xC2}, {0xE3, 0xC3}, {0xE4, 0xC4}, {0xE5, 0xC5}, {0xE6, 0xC6}, {0xE7, 0xC7},  // âÂ ăĂ äÄ ĺĹ ćĆ çÇ
    {0xE8, 0xC8}, {0xE9, 0xC9}, {0xEA, 0xCA}, {0xEB, 0xCB}, {0xEC, 0xCC}, {0xED, 0xCD},  // čČ éÉ ęĘ ëË ěĚ íÍ
    {0xEE, 0xCE}, {0xEF, 0xCF}, {0xF0, 0xD0}, {0xF1, 0xD1}, {0xF2, 0xD2}, {0xF3, 0xD3},  // îÎ ďĎ đĐ ńŃ ňŇ óÓ
    {0xF4, 0xD4}, {0xF5, 0xD5}, {0xF6, 0xD6}, {0xF8, 0xD8}, {0xF9, 0xD9}, {0xFA, 0xDA},  // ôÔ őŐ öÖ řŘ ůŮ úÚ
    {0xFB, 0xDB}, {0xFC, 0xDC}, {0xFD, 0xDD}, {0xFE, 0xDE},  // űŰ üÜ ýÝ ţŢ
};

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables MakeCaseTables() {
  CaseTables t;
  for (int b = 0; b < 256; ++b) {
    t.upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 32 : b);
    t.lower[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
  }
  for (const CasePair& p : kCasePairs) {
    t.upper[p.lower] = p.upper;
    t.lower[p.upper] = p.lower;
  }
  return t;
}

constexpr CaseTables kCase = MakeCaseTables();

}  // namespace

char16_t Cp1250ToUnicode(unsigned char byte) {
  return byte < 0x80 ? static_cast<char16_t>(byte) : kHighHalf[byte - 0x80];
}

namespace {

struct EncodeTable {
  // Sorted (code point, byte) pairs of the high half, for a binary search.
  std::array<std::pair<char16_t, unsigned char>, 128> pairs{};
};

constexpr EncodeTable MakeEncodeTable() {
  EncodeTable t;
  for (int i = 0; i < 128; ++i) t.pairs[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
  for (int i = 1; i < 128; ++i)  // insertion sort: constexpr-friendly and run once at compile time
    for (int j = i; j > 0 && t.pairs[j].first < t.pairs[j - 1].first; --j) {
      auto tmp = t.pairs[j];
      t.pairs[j] = t.pairs[j - 1];
      t.pairs[j - 1] = tmp;
    }
  return t;
}

constexpr EncodeTable kEncode = MakeEncodeTable();

int EncodeOrMinusOne(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp > 0xFFFF) return -1;
  const auto* first = kEncode.pairs.begin();
  const auto* last = kEncode.pairs.end();
  while (first < last) {
    const auto* mid = first + (last - first) / 2;
    if (mid->first < cp)
      first = mid + 1;
    else
      last = mid;
  }
  return (first != kEncode.pairs.end() && first->first == cp) ? first->second : -1;
}

}  // namespace

unsigned char UnicodeToCp1250(char32_t codePoint) {
  const int b = EncodeOrMinusOne(codePoint);
  return b < 0 ? kCp1250Unencodable : static_cast<unsigned char>(b);
}

bool IsCp1250Encodable(char32_t codePoint) {
  return EncodeOrMinusOne(codePoint) >= 0;
}

std::string Cp1250ToUtf8(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() + cp1250.size() / 4);
  for (char c : cp1250) AppendUtf8(out, Cp1250ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Cp1250FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out += static_cast<char>(UnicodeToCp1250(NextUtf8CodePoint(utf8, i)));
  return out;
}

std::optional<std::u32string> Cp1250Unencodable(std::string_view utf8) {
  static constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
  std::u32string refused;
  for (size_t i = 0; i < utf8.size();) {
    const size_t start = i;
    const char32_t c = NextUtf8CodePoint(utf8, i);
    if (c == 0xFFFD && utf8.substr(start, i - start) != kReplacementCharacter) return std::nullopt;
    if (!IsCp1250Encodable(c) && refused.find(c) == std::u32string::npos) refused += c;
  }
  return refused;
}

std::u16string Cp1250ToUtf16(std::string_view cp1250) {
  std::u16string out(cp1250.size(), u'\0');
  for (size_t i = 0; i < cp1250.size(); ++i) out[i] = Cp1250ToUnicode(static_cast<unsigned char>(cp1250[i]));
  return out;
}

std::string Cp1250FromUtf16(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    const char16_t u = utf16[i];
    const bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
                      utf16[i + 1] <= 0xDFFF;
    if (pair) ++i;
    out += static_cast<char>(pair ? kCp1250Unencodable : UnicodeToCp1250(u));
  }
  return out;
}

unsigned char Cp1250ToUpper(unsigned char byte) {
  return kCase.upper[byte];
}
unsigned char Cp1250ToLower(unsigned char byte) {
  return kCase.lower[byte];
}

std::string Cp1250ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kCase.upper[static_cast<unsigned char>(c)]);
  return out;
}

std::string Cp1250ToLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kCase.lower[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace orv
