// orv rtf2txt FILE.rtf: the plain text of an RTF file as the program reads it, in UTF-8, each
// paragraph (and each line break) on its own line.
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "cli/Commands.h"
#include "core/Utf8.h"
#include "richtext/RtfReader.h"

namespace orv::cli {
namespace {

void AppendText(std::string& out, const std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      c = 0xFFFD;
    else if (c == kLineBreak || c == u'\r' || c == u'\n')
      c = U'\n';
    AppendUtf8(out, c);
  }
}

}  // namespace

int CmdRtf2Txt(const std::vector<std::string>& words, CliContext& ctx) {
  if (words.size() != 1) {
    ctx.err << "Použití: orv rtf2txt SOUBOR.rtf\n";
    return kExitError;
  }
  std::ifstream file(words[0], std::ios::binary);
  if (!file) {
    ctx.err << "Soubor \"" << words[0] << "\" nelze otevřít.\n";
    return kExitError;
  }
  const std::string rtf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string out;
  out.reserve(rtf.size() / 2);
  for (const RichParagraph& paragraph : ReadRtf(rtf).paragraphs) {
    for (const RichRun& run : paragraph.runs) AppendText(out, run.text);
    out.push_back('\n');
  }
  ctx.out << out;
  return kExitOk;
}

}  // namespace orv::cli
