#include "richtext/RtfWriter.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "richtext/CodePages.h"
#include "richtext/FontFamily.h"
#include "richtext/RtfParaProps.h"

namespace orv {
namespace {

constexpr int kDocumentCodePage = 1250;

struct FontKey {
  std::u16string face;
  uint8_t charset;
  bool operator==(const FontKey&) const = default;
};

struct FontKeyHash {
  size_t operator()(const FontKey& k) const { return std::hash<std::u16string>()(k.face) * 31u ^ k.charset; }
};

bool Contains(std::u16string_view face, std::u16string_view part) {
  return face.find(part) != face.npos;
}

// The font family word: only a hint for other programs, guessed from well-known faces.
const char* FamilyOf(std::u16string_view face, uint8_t charset) {
  if (charset == kCharsetSymbol || Contains(face, u"Symbol") || Contains(face, u"Wingdings"))
    return "\\ftech";
  if (Contains(face, u"Courier") || Contains(face, u"Mono") || Contains(face, u"Consolas"))
    return "\\fmodern";
  if (Contains(face, u"Times") || Contains(face, u"Serif") || Contains(face, u"Georgia") ||
      Contains(face, u"Garamond") || Contains(face, u"Roman"))
    return "\\froman";
  if (Contains(face, u"Arial") || Contains(face, u"Helvetica") || Contains(face, u"Tahoma") ||
      Contains(face, u"Verdana") || Contains(face, u"Sans"))
    return "\\fswiss";
  return "\\fnil";
}

class CRtfWriter {
 public:
  explicit CRtfWriter(const RichParagraphWalk& walk) : m_Walk(walk) {}

  std::string Write();

 private:
  void CollectTables(const RunFormat& format);
  int FontIndex(const RunFormat& format) const;
  int ColourIndex(uint32_t colour) const;
  void WriteParagraph(const RichParagraph& p);

  void WriteHeader();
  void WriteParagraphWords(const ParaFormat& f);
  void WriteCharWords(const RunFormat& f, bool all);
  void WriteText(std::u16string_view text, int codePage);
  void Word(std::string_view word);
  void Word(std::string_view word, int64_t param);

  const RichParagraphWalk& m_Walk;
  std::vector<FontKey> m_Fonts;
  std::unordered_map<FontKey, int, FontKeyHash> m_FontIndex;
  std::vector<uint32_t> m_Colours;
  std::unordered_map<uint32_t, int> m_ColourIndex;  // 1 for the first entry: 0 is automatic
  std::string m_Out;
  RunFormat m_State;
  bool m_NeedDelimiter = false;
  std::optional<ParaFormat> m_Previous;
  bool m_First = true;
};

std::string CRtfWriter::Write() {
  size_t paragraphs = 0;
  m_Walk([&](const RichParagraph& p) {
    ++paragraphs;
    bool empty = true;
    for (const RichRun& r : p.runs)
      if (!r.text.empty()) {
        CollectTables(r.format);
        empty = false;
      }
    if (empty) CollectTables(p.mark);
  });
  const RichParagraph single;
  if (paragraphs == 0) CollectTables(single.mark);
  m_Out.reserve(256 + paragraphs * 16);
  WriteHeader();
  // What the reader starts with: the default font, 12 points, automatic colour.
  m_State = RunFormat{};
  m_State.face = m_Fonts.front().face;
  m_State.charset = m_Fonts.front().charset;
  Word("\\viewkind4");
  Word("\\uc", 1);
  if (paragraphs == 0)
    WriteParagraph(single);
  else
    m_Walk([&](const RichParagraph& p) { WriteParagraph(p); });
  m_Out += "}\r\n";
  return std::move(m_Out);
}

void CRtfWriter::WriteParagraph(const RichParagraph& p) {
  if (!m_Previous || !(*m_Previous == p.format)) WriteParagraphWords(p.format);
  m_Previous = p.format;
  bool empty = true;
  for (const RichRun& r : p.runs) {
    if (r.text.empty()) continue;
    WriteCharWords(r.format, m_First);
    m_First = false;
    empty = false;
    WriteText(r.text, CodePageOfCharset(r.format.charset, kDocumentCodePage));
  }
  if (empty) {
    WriteCharWords(p.mark, m_First);
    m_First = false;
  }
  m_Out += "\\par\r\n";
  m_NeedDelimiter = false;
}

void CRtfWriter::CollectTables(const RunFormat& format) {
  if (m_FontIndex.emplace(FontKey{format.face, format.charset}, static_cast<int>(m_Fonts.size())).second)
    m_Fonts.push_back({format.face, format.charset});
  if (!(format.effects & CFE_AUTOCOLOR) &&
      m_ColourIndex.emplace(format.colour, static_cast<int>(m_Colours.size()) + 1).second)
    m_Colours.push_back(format.colour);
}

int CRtfWriter::FontIndex(const RunFormat& format) const {
  const auto it = m_FontIndex.find(FontKey{format.face, format.charset});
  return it == m_FontIndex.end() ? -1 : it->second;
}

int CRtfWriter::ColourIndex(uint32_t colour) const {
  const auto it = m_ColourIndex.find(colour);
  return it == m_ColourIndex.end() ? -1 : it->second;
}

void CRtfWriter::WriteHeader() {
  m_Out += "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029{\\fonttbl";
  for (size_t i = 0; i < m_Fonts.size(); ++i) {
    const FontKey& font = m_Fonts[i];
    m_Out += "{";
    Word("\\f", static_cast<int64_t>(i));
    Word(FamilyOf(font.face, font.charset));
    Word("\\fcharset", font.charset);
    m_Out += ' ';
    m_NeedDelimiter = false;
    std::u16string name;
    for (char16_t c : FontFamily(font.face))
      if (c != u';') name.push_back(c);
    WriteText(name, CodePageOfCharset(font.charset, kDocumentCodePage));
    m_Out += ";}";
    m_NeedDelimiter = false;
  }
  m_Out += "}\r\n";
  if (!m_Colours.empty()) {
    m_Out += "{\\colortbl ;";
    for (uint32_t c : m_Colours) {
      m_Out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
               std::to_string((c >> 16) & 0xFF) + ";";
    }
    m_Out += "}\r\n";
  }
}

void CRtfWriter::WriteParagraphWords(const ParaFormat& f) {
  Word("\\pard");
  RtfParaProps written;
  written.format = f;
  written.format.numberingStyle = 0;
  written.format.lineSpacingRule = 0;
  written.format.lineSpacing = 0;
  if (f.numbering != 0 || f.numberingStyle != 0 || f.numberingStart != 0 || f.numberingTab != 0) {
    m_Out += "{\\*\\pn";
    if (f.numbering == PFN_BULLET) {
      Word("\\pnlvlblt");
    } else {
      Word("\\pnlvlbody");
      static constexpr const char* kKinds[] = {"\\pndec", "\\pnlcltr", "\\pnucltr", "\\pnlcrm", "\\pnucrm"};
      if (f.numbering >= PFN_ARABIC && f.numbering <= PFN_UCROMAN) Word(kKinds[f.numbering - PFN_ARABIC]);
      written.format.numbering =
          f.numbering >= PFN_ARABIC && f.numbering <= PFN_UCROMAN ? f.numbering : PFN_ARABIC;
    }
    Word("\\pnstart", f.numberingStart);
    Word("\\pnindent", f.numberingTab);
    if (f.numbering == PFN_BULLET) {
      m_Out += "{\\pntxtb\\'b7}";
    } else if (f.numberingStyle == PFNS_PARENS) {
      m_Out += "{\\pntxtb (}{\\pntxta )}";
      written.numberBefore = u"(";
      written.numberAfter = u")";
    } else if (f.numberingStyle == PFNS_PAREN) {
      m_Out += "{\\pntxta )}";
      written.numberAfter = u")";
    } else if (f.numberingStyle == PFNS_PERIOD) {
      m_Out += "{\\pntxta .}";
      written.numberAfter = u".";
    }
    m_Out += "}";
    m_NeedDelimiter = false;
  }
  written.firstIndent = -f.offset;
  written.leftIndent = static_cast<int32_t>(int64_t{f.startIndent} + f.offset);
  if (written.firstIndent != 0) Word("\\fi", written.firstIndent);
  if (written.leftIndent != 0) Word("\\li", written.leftIndent);
  if (f.rightIndent != 0) Word("\\ri", f.rightIndent);
  if (f.alignment == PFA_RIGHT) Word("\\qr");
  if (f.alignment == PFA_CENTER) Word("\\qc");
  if (f.alignment == PFA_JUSTIFY) Word("\\qj");
  if (f.alignment != PFA_RIGHT && f.alignment != PFA_CENTER && f.alignment != PFA_JUSTIFY)
    written.format.alignment = PFA_LEFT;
  if (f.spaceBefore != 0) Word("\\sb", f.spaceBefore);
  if (f.spaceAfter != 0) Word("\\sa", f.spaceAfter);
  switch (f.lineSpacingRule) {
    case kSpacingOneAndHalf:
      written.lineSpacing = 360;
      written.lineMultiple = true;
      break;
    case kSpacingDouble:
      written.lineSpacing = 480;
      written.lineMultiple = true;
      break;
    case kSpacingAtLeast:
      written.lineSpacing = f.lineSpacing;
      break;
    case kSpacingExactly:
      written.lineSpacing = -f.lineSpacing;
      break;
    case kSpacingTwentieths:
      written.lineSpacing = static_cast<int32_t>(int64_t{f.lineSpacing} * 12);
      written.lineMultiple = true;
      break;
    default:
      break;
  }
  if (written.lineSpacing != 0) {
    Word("\\sl", written.lineSpacing);
    Word("\\slmult", written.lineMultiple ? 1 : 0);
  }
  for (int i = 0; i < f.tabCount && i < kMaxTabStops; ++i) Word("\\tx", f.tabs[static_cast<size_t>(i)]);
  // What the words above cannot say goes into the program's own group.
  const ParaFormat read = ParaFormatOf(written);
  std::string own;
  if (read.alignment != f.alignment) own += "\\orvalign" + std::to_string(f.alignment);
  if (read.lineSpacingRule != f.lineSpacingRule) own += "\\orvlsrule" + std::to_string(f.lineSpacingRule);
  if (read.lineSpacing != f.lineSpacing) own += "\\orvls" + std::to_string(f.lineSpacing);
  if (read.numbering != f.numbering) own += "\\orvnum" + std::to_string(f.numbering);
  if (read.numberingStyle != f.numberingStyle) own += "\\orvnstyle" + std::to_string(f.numberingStyle);
  if (!own.empty()) {
    m_Out += "{\\*\\orvpara" + own + "}";
    m_NeedDelimiter = false;
  }
}

void CRtfWriter::WriteCharWords(const RunFormat& f, bool all) {
  if (all || f.face != m_State.face || f.charset != m_State.charset) {
    Word("\\f", FontIndex(f));
    m_State.face = f.face;
    m_State.charset = f.charset;
  }
  const int32_t halfPoints = std::clamp((f.height + 5) / 10, 1, 3276);  // what the reader accepts
  if (all || halfPoints * 10 != m_State.height) {
    Word("\\fs", halfPoints);
    m_State.height = halfPoints * 10;
  }
  struct Effect {
    uint32_t bit;
    const char* on;
    const char* off;
  };
  static constexpr Effect kEffects[] = {{CFE_BOLD, "\\b", "\\b0"},
                                        {CFE_ITALIC, "\\i", "\\i0"},
                                        {CFE_UNDERLINE, "\\ul", "\\ulnone"},
                                        {CFE_STRIKEOUT, "\\strike", "\\strike0"},
                                        {CFE_PROTECTED, "\\protect", "\\protect0"}};
  for (const Effect& e : kEffects)
    if ((f.effects & e.bit) != (m_State.effects & e.bit)) Word(f.effects & e.bit ? e.on : e.off);
  const bool autoColour = f.effects & CFE_AUTOCOLOR;
  if (autoColour != static_cast<bool>(m_State.effects & CFE_AUTOCOLOR) ||
      (!autoColour && f.colour != m_State.colour))
    Word("\\cf", autoColour ? 0 : ColourIndex(f.colour));
  m_State.effects = f.effects;
  m_State.colour = autoColour ? 0 : f.colour;
}

void CRtfWriter::WriteText(std::u16string_view text, int codePage) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (char16_t c : text) {
    if (c == u'\t') {
      Word("\\tab");
    } else if (c == kLineBreak) {
      Word("\\line");
    } else if (c >= 0x20 && c < 0x7F) {
      if (m_NeedDelimiter) m_Out += ' ';
      m_NeedDelimiter = false;
      if (c == u'\\' || c == u'{' || c == u'}') m_Out += '\\';
      m_Out += static_cast<char>(c);
    } else if (const auto byte = c < 0x80 ? std::nullopt : EncodeCodePage(codePage, c)) {
      m_Out += "\\'";
      m_Out += kHex[*byte >> 4];
      m_Out += kHex[*byte & 0xF];
      m_NeedDelimiter = false;
    } else {  // control characters too: code pages disagree about them
      m_Out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
      m_NeedDelimiter = false;
    }
  }
}

void CRtfWriter::Word(std::string_view word) {
  m_Out += word;
  m_NeedDelimiter = true;
}

void CRtfWriter::Word(std::string_view word, int64_t param) {
  m_Out += word;
  m_Out += std::to_string(param);
  m_NeedDelimiter = true;
}

}  // namespace

std::string WriteRtf(const RichParagraphWalk& walk) {
  return CRtfWriter(walk).Write();
}

std::string WriteRtf(const RichContent& content) {
  return WriteRtf([&](const RichParagraphVisitor& visit) {
    for (const RichParagraph& p : content.paragraphs) visit(p);
  });
}

}  // namespace orv
