// orv rtf2txt FILE.rtf: the plain text of an RTF file as the program reads it, in UTF-8, each
// paragraph (and each line break) on its own line. The text is written out as it is read, so a file
// costs its own bytes and a constant; a file longer than a commentary may be is refused.
#include <ostream>

#include "cli/Commands.h"
#include "cli/RtfFile.h"
#include "core/Utf8.h"
#include "richtext/RtfReader.h"

namespace orv::cli {
namespace {

class CTextOut : public IRtfSink {
 public:
  explicit CTextOut(std::ostream& out) : m_Out(out) {}
  ~CTextOut() override { Flush(); }

  void Run(const RunFormat&, std::u16string_view text) override {
    for (size_t i = 0; i < text.size(); ++i) {
      char32_t c = text[i];
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
      else if (c >= 0xD800 && c <= 0xDFFF)
        c = 0xFFFD;
      else if (c == kLineBreak || c == u'\r' || c == u'\n')
        c = U'\n';
      AppendUtf8(m_Buffer, c);
      if (m_Buffer.size() >= kBufferSize) Flush();
    }
  }
  void EndParagraph(const ParaFormat&, const RunFormat&) override { m_Buffer.push_back('\n'); }
  void Flush() {
    m_Out.write(m_Buffer.data(), static_cast<std::streamsize>(m_Buffer.size()));
    m_Buffer.clear();
  }

 private:
  static constexpr size_t kBufferSize = 1 << 16;
  std::ostream& m_Out;
  std::string m_Buffer;
};

}  // namespace

int CmdRtf2Txt(const std::vector<std::string>& words, CliContext& ctx) {
  if (words.size() != 1) {
    ctx.err << "Použití: orv rtf2txt SOUBOR.rtf\n";
    return kExitError;
  }
  const std::optional<std::string> rtf = ReadRtfFile(words[0], ctx);
  if (!rtf) return kExitError;
  CTextOut out(ctx.out);
  if (!ReadRtf(*rtf, out)) {
    out.Flush();
    ctx.err << "Nedostatek paměti\n";
    return kExitError;
  }
  return kExitOk;
}

}  // namespace orv::cli
