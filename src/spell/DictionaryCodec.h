#pragma once
// Words between the calendar's Windows-1250 and the encoding a dictionary is written in: each word is
// converted once on its way in, and a suggestion on its way back only when every one of its
// characters exists in Windows-1250.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

class CDictionaryCodec {
 public:
  // `encoding` as the dictionary's SET line names it ("UTF-8", "ISO8859-2", "microsoft-cp1250" ...).
  explicit CDictionaryCodec(std::string encoding);

  // False when the system cannot convert to or from the encoding.
  bool IsUsable() const;
  std::string ToDictionary(std::string_view cp1250) const;
  std::optional<std::string> FromDictionary(std::string_view text) const;

 private:
  enum class EKind { Utf8, Cp1250, Other };
  EKind m_Kind;
  std::string m_IconvName;
};

}  // namespace orv
