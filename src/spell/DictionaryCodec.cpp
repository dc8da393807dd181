#include "spell/DictionaryCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>

#include "core/Cp1250.h"

namespace orv {
namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// The dictionary's names as the system's converter knows them: ISO8859-2 is ISO-8859-2,
// microsoft-cp1251 is CP1251.
std::string IconvName(const std::string& encoding) {
  const std::string upper = Upper(encoding);
  if (upper.rfind("ISO8859-", 0) == 0) return "ISO-8859-" + upper.substr(8);
  if (upper.rfind("MICROSOFT-", 0) == 0) return upper.substr(10);
  return upper;
}

// Whole text through iconv; nullopt when a character has no place in the target.
std::optional<std::string> Convert(const std::string& from, const std::string& to, std::string_view text) {
  iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in(text);
  std::string out(in.size() * 4 + 8, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size();
  size_t outLeft = out.size();
  const size_t done = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  ::iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

CDictionaryCodec::CDictionaryCodec(std::string encoding) {
  const std::string upper = Upper(encoding);
  if (upper == "UTF-8" || upper == "UTF8") {
    m_Kind = EKind::Utf8;
  } else if (upper == "MICROSOFT-CP1250" || upper == "CP1250" || upper == "WINDOWS-1250") {
    m_Kind = EKind::Cp1250;
  } else {
    m_Kind = EKind::Other;
    m_IconvName = IconvName(encoding);
  }
}

bool CDictionaryCodec::IsUsable() const {
  if (m_Kind != EKind::Other) return true;
  iconv_t cd = ::iconv_open(m_IconvName.c_str(), "CP1250");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  ::iconv_close(cd);
  return true;
}

std::string CDictionaryCodec::ToDictionary(std::string_view cp1250) const {
  switch (m_Kind) {
    case EKind::Utf8:
      return Cp1250ToUtf8(cp1250);
    case EKind::Cp1250:
      return std::string(cp1250);
    case EKind::Other:
      break;
  }
  return Convert("CP1250", m_IconvName, cp1250).value_or(std::string());
}

std::optional<std::string> CDictionaryCodec::FromDictionary(std::string_view text) const {
  switch (m_Kind) {
    case EKind::Utf8: {
      // The codec puts '?' for what Windows-1250 lacks; only a word that comes back whole is kept.
      std::string cp1250 = Cp1250FromUtf8(text);
      if (Cp1250ToUtf8(cp1250) != text) return std::nullopt;
      return cp1250;
    }
    case EKind::Cp1250:
      return std::string(text);
    case EKind::Other:
      break;
  }
  return Convert(m_IconvName, "CP1250", text);
}

}  // namespace orv
