#pragma once
// Windows-1250 bytes to and from QString, at the Qt boundary.

#include <QString>
#include <string>
#include <string_view>

#include "core/Cp1250.h"

namespace orv {

inline QString FromCp1250(std::string_view bytes) {
  const std::u16string text = Cp1250ToUtf16(bytes);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCp1250(const QString& text) {
  return Cp1250FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

}  // namespace orv
