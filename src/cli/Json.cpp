#include "cli/Json.h"

#include <algorithm>

#include "cli/TerminalText.h"

namespace orv::cli {

void WriteJsonString(std::ostream& out, const std::string& utf8) {
  out << '"';
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out << "\\\"";
        break;
      case '\\':
        out << "\\\\";
        break;
      case '\n':
        out << "\\n";
        break;
      case '\r':
        out << "\\r";
        break;
      case '\t':
        out << "\\t";
        break;
      default:
        if (u < 0x20 || u == 0x7F) {
          WriteEscapedCode(out, u);
        } else {
          out << c;
        }
    }
  }
  out << '"';
}

bool CJson::IsPlain() const {
  return std::holds_alternative<bool>(m_Value) || std::holds_alternative<std::int64_t>(m_Value) ||
         std::holds_alternative<std::string>(m_Value);
}

void CJson::Write(std::ostream& out, int indent) const {
  const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
  if (const auto* flag = std::get_if<bool>(&m_Value)) {
    out << (*flag ? "true" : "false");
  } else if (const auto* number = std::get_if<std::int64_t>(&m_Value)) {
    out << *number;
  } else if (const auto* text = std::get_if<std::string>(&m_Value)) {
    WriteJsonString(out, *text);
  } else if (const auto* array = std::get_if<Array>(&m_Value)) {
    const bool inline_ =
        std::all_of(array->begin(), array->end(), [](const CJson& v) { return v.IsPlain(); });
    out << '[';
    for (std::size_t i = 0; i < array->size(); ++i) {
      if (i) out << (inline_ ? ", " : ",");
      if (!inline_) out << '\n' << pad;
      (*array)[i].Write(out, indent + 2);
    }
    if (!inline_ && !array->empty()) out << '\n' << std::string(static_cast<std::size_t>(indent), ' ');
    out << ']';
  } else {
    const Object& object = std::get<Object>(m_Value);
    out << '{';
    bool first = true;
    for (const auto& [key, value] : object) {
      out << (first ? "\n" : ",\n") << pad;
      first = false;
      WriteJsonString(out, key);
      out << ": ";
      value.Write(out, indent + 2);
    }
    if (!object.empty()) out << '\n' << std::string(static_cast<std::size_t>(indent), ' ');
    out << '}';
  }
}

}  // namespace orv::cli
