#include "richtext/CommentaryText.h"

#include "core/Cp1250.h"
#include "core/Utf8.h"
#include "richtext/RichContent.h"
#include "richtext/RtfReader.h"

namespace orv {
namespace {

// The RTF's text as the editor's plain text and in UTF-16, side by side; reading stops as soon as
// the plain text departs from the stored one, so a commentary that disagrees costs little.
class CTextSink : public IRtfSink {
 public:
  explicit CTextSink(std::string_view stored) : m_Stored(stored) {}

  void Run(const RunFormat&, std::u16string_view text) override {
    Breaks(m_Ended);
    for (char16_t unit : text) {
      if (unit == kLineBreak)
        Push('\v', u'\v');
      else if (unit == 0xFFFC)
        Push(' ', u' ');
      else
        Push(static_cast<char>(UnicodeToCp1250(unit)), unit);
    }
  }
  void EndParagraph(const ParaFormat&, const RunFormat&) override { ++m_Ended; }

  // Paragraphs are separated, not ended, by the editor's "\r".
  bool Matches() {
    if (m_Ended > 0) Breaks(m_Ended - 1);
    return m_Same && m_Plain == m_Stored;
  }
  const std::u16string& Text() const { return m_Text; }

 private:
  void Breaks(size_t upTo) {
    while (m_Same && m_Breaks < upTo) {
      ++m_Breaks;
      Push('\r', u'\r');
    }
  }
  void Push(char plain, char16_t unit) {
    if (!m_Same) return;
    m_Plain.push_back(plain);
    m_Text.push_back(unit);
    if (m_Plain.size() > m_Stored.size() || m_Plain.back() != m_Stored[m_Plain.size() - 1]) m_Same = false;
  }

  std::string_view m_Stored;
  std::string m_Plain;
  std::u16string m_Text;
  size_t m_Ended = 0, m_Breaks = 0;
  bool m_Same = true;
};

}  // namespace

std::string CommentaryTextUtf8(std::string_view storedText, std::string_view rtf) {
  if (storedText.find('?') == std::string_view::npos || rtf.empty()) return Cp1250ToUtf8(storedText);
  CTextSink sink(storedText);
  if (!ReadRtf(rtf, sink) || !sink.Matches()) return Cp1250ToUtf8(storedText);
  std::string out;
  const std::u16string& text = sink.Text();
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace orv
