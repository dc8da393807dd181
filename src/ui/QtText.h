#pragma once
// Windows-1250 bytes to and from QString, at the Qt boundary.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/Cp1250.h"
#include "core/Cp1250Refusal.h"
#include "core/UiServices.h"

namespace orv {

inline QString FromCp1250(std::string_view bytes) {
  const std::u16string text = Cp1250ToUtf16(bytes);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCp1250(const QString& text) {
  return Cp1250FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

// The field's text as Windows-1250, or nullopt after telling the user which of its characters the
// code page lacks (`into` says where: "do hesla", "do názvu").
inline std::optional<std::string> Cp1250OrRefuse(const QString& text, std::string_view into,
                                                 IUiServices& ui) {
  if (const std::string why = Cp1250Refusal(text.toStdString(), into); !why.empty()) {
    ui.MessageBox(why);
    return std::nullopt;
  }
  return ToCp1250(text);
}

}  // namespace orv
