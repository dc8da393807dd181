#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "core/Cp1250.h"

namespace orv {
namespace {

// The C library's CP1250 converter is the reference for the defined bytes.
std::u16string IconvDecode(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-16LE", "CP1250");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* inp = in;
  char* outp = out;
  size_t inLeft = 1, outLeft = sizeof out;
  const size_t rc = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return {};
  return {
      static_cast<char16_t>(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8))};
}

TEST(Cp1250, EveryByteDecodesLikeIconvAndRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const std::u16string reference = IconvDecode(byte);
    if (reference.empty())  // undefined in the code page: the C1 control of the same value
      EXPECT_EQ(Cp1250ToUnicode(byte), static_cast<char16_t>(b)) << b;
    else
      EXPECT_EQ(Cp1250ToUnicode(byte), reference[0]) << b;
    EXPECT_EQ(UnicodeToCp1250(Cp1250ToUnicode(byte)), byte) << b;
  }
  for (unsigned char undefined : {0x81, 0x83, 0x88, 0x90, 0x98}) EXPECT_TRUE(IconvDecode(undefined).empty());
}

TEST(Cp1250, WholeStringsConvertBothWaysAndUnencodableBecomesQuestionMark) {
  const std::string cz =
      "P\xF8\xED\xB9"
      "ern\xEC \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";  // Příąerně žluťoučký kůň
  EXPECT_EQ(Cp1250ToUtf8(cz), "Příąerně žluťoučký kůň");
  EXPECT_EQ(Cp1250FromUtf8("Příąerně žluťoučký kůň"), cz);
  EXPECT_EQ(Cp1250FromUtf8("€ 日本 ∑"), "\x80 ?? ?");
  EXPECT_EQ(Cp1250FromUtf8("a\xC3(b\xFF"), "a?(b?");      // malformed UTF-8; the next character survives
  EXPECT_EQ(Cp1250FromUtf16(u"Ř\U0001F600x"), "\xD8?x");  // a surrogate pair is one character
  EXPECT_EQ(Cp1250FromUtf16(Cp1250ToUtf16(cz)), cz);
  EXPECT_EQ(Cp1250ToUtf8(std::string("\x81\0", 2)), std::string("\xC2\x81\0", 3));
}

TEST(Cp1250, CaseMapsWhereThePartnerExistsInTheCodePage) {
  struct Case {
    const char* lower;
    const char* upper;
  };
  for (const Case& c : {Case{"ř", "Ř"},
                        {"š", "Š"},
                        {"ť", "Ť"},
                        {"ľ", "Ľ"},
                        {"ą", "Ą"},
                        {"ž", "Ž"},
                        {"ů", "Ů"},
                        {"ý", "Ý"},
                        {"ó", "Ó"},
                        {"ě", "Ě"},
                        {"q", "Q"}}) {
    const std::string lower = Cp1250FromUtf8(c.lower);
    const std::string upper = Cp1250FromUtf8(c.upper);
    EXPECT_EQ(Cp1250ToUpper(lower), upper) << c.lower;
    EXPECT_EQ(Cp1250ToLower(upper), lower) << c.upper;
  }
  for (const char* unchanged : {"ß", "µ", "§", "1", "@"}) {
    const std::string s = Cp1250FromUtf8(unchanged);
    EXPECT_EQ(Cp1250ToUpper(s), s) << unchanged;
    EXPECT_EQ(Cp1250ToLower(s), s) << unchanged;
  }
}

}  // namespace
}  // namespace orv
