#include "cli/TerminalText.h"

#include <cstdio>
#include <sstream>

namespace orv::cli {

void WriteEscapedCode(std::ostream& out, unsigned code) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
  out << escaped;
}

std::string ShownText(std::string_view utf8, const CliContext& ctx) {
  if (!ctx.outIsTerminal) return std::string(utf8);
  std::ostringstream out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    // C1 controls (U+0080 to U+009F) start escape sequences on some terminals as well.
    const bool c1 = c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
    if (c1) {
      WriteEscapedCode(out, static_cast<unsigned char>(utf8[++i]));
    } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      WriteEscapedCode(out, c);
    } else {
      out << utf8[i];
    }
  }
  return out.str();
}

}  // namespace orv::cli
