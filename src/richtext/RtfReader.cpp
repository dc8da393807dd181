#include "richtext/RtfReader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "richtext/CodePages.h"
#include "richtext/RtfParaProps.h"
#include "richtext/RtfWords.h"

namespace orv {
namespace {

constexpr size_t kMaxDepth = 200;           // deeper groups are skipped whole
constexpr size_t kMaxWordLength = 32;       // longer control words are cut (and unknown)
constexpr int64_t kMaxMeasure = 1'000'000;  // twips; larger indents and spaces are hostile
constexpr int kMaxHalfPoints = 3276;        // 1638 points
constexpr int kMaxUnicodeSkip = 16;
// Bounds on what a file can make the reader keep: number texts are copied with every group, and
// font and colour tables of real documents hold a few hundred entries at most.
constexpr size_t kMaxNumberText = 32;
constexpr size_t kMaxTableEntries = 65536;
constexpr size_t kMaxPendingBytes = 65536;  // \'hh bytes decoded in pieces of this size

// Where the text of a group goes.
enum class Dest : uint8_t { Body, FontTable, ColorTable, Numbering, NumberBefore, NumberAfter, OwnPara };

struct CharState {
  int font = -1;  // -1: the default font (\deff)
  int halfPoints = 24;
  uint32_t effects = 0;  // CFE_ bits but automatic colour, which the colour index decides
  int colour = -1;       // index into the colour table; -1 automatic
  bool hidden = false;
};

struct GroupState {
  CharState chr;
  RtfParaProps para;
  Dest dest = Dest::Body;
  int unicodeSkip = 1;  // \uc
  bool isRoot = false;
};

struct FontEntry {
  std::u16string name;
  int charset = -1;  // -1: none given
};

int64_t ClampMeasure(int64_t v) {
  return std::clamp(v, -kMaxMeasure, kMaxMeasure);
}

class CRtfParser {
 public:
  CRtfParser(std::string_view in, IRtfSink& sink) : m_In(in), m_Sink(sink) {}

  void Read();

 private:
  GroupState& Top() { return m_Stack.back(); }

  void OpenGroup();
  bool CloseGroup();  // false once the document's own group has closed
  void SkipRestOfGroup();
  void ControlSequence();
  void ControlWord(std::string_view name, bool hasParam, int32_t param);
  void DestinationWord(std::string_view name, bool hasParam, int32_t param);
  void PlainText();

  void AddByte(unsigned char byte);
  void FlushBytes();
  void AddUnits(const char16_t* units, size_t count);
  void AddUnit(char16_t unit) { AddUnits(&unit, 1); }
  void AddToBody(const char16_t* units, size_t count);
  void AddToFontTable(const char16_t* units, size_t count);
  bool SkipsToken();

  void FinishFont();
  void FinishColour();
  void RecoverFromFontTable();
  void FlushRun();
  void EndParagraph();
  void EndRow();
  int CodePageOfFont(int font) const;
  int CurrentCodePage();
  RunFormat Resolve(const CharState& chr) const;

  std::string_view m_In;
  IRtfSink& m_Sink;
  size_t m_Pos = 0;
  bool m_Document = false;        // the input starts with {\rtf: its closing brace ends the reading
  bool m_NextIsOptional = false;  // after \*
  int m_UnicodeSkipLeft = 0;
  std::vector<GroupState> m_Stack;

  int m_AnsiCodePage = 1252;
  int m_DefaultFont = 0;
  std::map<int, FontEntry> m_Fonts;
  int m_FontNumber = -1;  // the entry being read in the font table
  FontEntry m_Font;
  std::vector<std::optional<uint32_t>> m_Colours;
  int m_Red = 0, m_Green = 0, m_Blue = 0;
  bool m_ColourGiven = false;

  struct Numbering {
    bool bullet = false, body = false;
    uint16_t kind = 0;
    int32_t start = 0, indent = 0;
    std::u16string before, after;
  } m_Numbering;

  std::string m_Bytes;  // \'hh and raw 8-bit bytes waiting to be decoded together
  int m_BytesCodePage = 0;
  bool m_LeadOpen = false;
  std::u16string m_Decoded;

  // The run being read: text in one format goes to the sink when the format changes or the
  // paragraph ends, so nothing but the current run is kept.
  bool m_InRun = false;  // the paragraph has text; m_RunFormat is its last run's format
  RunFormat m_RunFormat;
  std::u16string m_RunText;
  size_t m_ParagraphsEnded = 0;
  RunFormat m_Format;
  bool m_FormatDirty = true;
  int m_PendingCells = 0;
};

void CRtfParser::Read() {
  m_Stack.emplace_back();
  Top().isRoot = true;
  size_t start = 0;
  while (start < m_In.size() && start < 64 && m_In.substr(start, 5) != "{\\rtf") ++start;
  if (start + 5 <= m_In.size() && m_In.substr(start, 5) == "{\\rtf") {
    m_Pos = start + 1;
    m_Document = true;
    m_Stack.push_back(Top());
  }
  while (m_Pos < m_In.size()) {
    const char c = m_In[m_Pos];
    if (c == '{') {
      ++m_Pos;
      OpenGroup();
    } else if (c == '}') {
      ++m_Pos;
      if (!CloseGroup()) break;
    } else if (c == '\\') {
      ++m_Pos;
      ControlSequence();
    } else {
      PlainText();
    }
  }
  FlushBytes();
  // The last paragraph mark ends the document: an empty paragraph after it is no paragraph.
  if (m_InRun || (m_ParagraphsEnded == 0 && !m_In.empty())) EndParagraph();
}

void CRtfParser::OpenGroup() {
  FlushBytes();
  m_UnicodeSkipLeft = 0;
  m_NextIsOptional = false;
  if (m_Stack.size() >= kMaxDepth) {
    SkipRestOfGroup();
    return;
  }
  m_Stack.push_back(Top());
  Top().isRoot = false;
}

bool CRtfParser::CloseGroup() {
  FlushBytes();
  m_UnicodeSkipLeft = 0;
  m_NextIsOptional = false;
  if (m_Stack.size() <= 1) return !m_Document;  // a stray brace in a fragment
  if (Top().dest == Dest::FontTable) FinishFont();
  // A last paragraph without \par ends with the document, in the document's paragraph format.
  if (m_Document && m_Stack.size() == 2 && m_InRun) EndParagraph();
  const GroupState closed = std::move(Top());
  m_Stack.pop_back();
  m_FormatDirty = true;
  GroupState& outer = Top();
  if (closed.dest == Dest::Numbering && outer.dest != Dest::Numbering) {
    RtfParaProps& p = outer.para;
    if (m_Numbering.bullet || m_Numbering.body || m_Numbering.kind) {
      p.format.numbering =
          m_Numbering.bullet ? PFN_BULLET : (m_Numbering.kind ? m_Numbering.kind : PFN_ARABIC);
      p.format.numberingStart = static_cast<uint16_t>(std::clamp(m_Numbering.start, 0, 0xFFFF));
      p.format.numberingTab = static_cast<uint16_t>(std::clamp(m_Numbering.indent, 0, 0xFFFF));
      p.numberBefore = m_Numbering.before;
      p.numberAfter = m_Numbering.after;
    }
  } else if (closed.dest == Dest::OwnPara && outer.dest != Dest::OwnPara) {
    outer.para.ownAlignment = closed.para.ownAlignment;
    outer.para.ownLineSpacingRule = closed.para.ownLineSpacingRule;
    outer.para.ownLineSpacing = closed.para.ownLineSpacing;
    outer.para.ownNumbering = closed.para.ownNumbering;
    outer.para.ownNumberingStyle = closed.para.ownNumberingStyle;
  }
  return !(m_Document && m_Stack.size() == 1);
}

// Skips to the brace that closes the current group, minding \bin data and escaped braces.
void CRtfParser::SkipRestOfGroup() {
  size_t depth = 1;
  while (m_Pos < m_In.size()) {
    const char c = m_In[m_Pos++];
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth == 0) break;
    } else if (c == '\\' && m_Pos < m_In.size()) {
      if (m_In.compare(m_Pos, 3, "bin") == 0 && m_Pos + 3 < m_In.size() &&
          (m_In[m_Pos + 3] == '-' || (m_In[m_Pos + 3] >= '0' && m_In[m_Pos + 3] <= '9'))) {
        m_Pos += 3;
        int64_t n = 0;
        while (m_Pos < m_In.size() && m_In[m_Pos] >= '0' && m_In[m_Pos] <= '9') {
          n = std::min<int64_t>(n * 10 + (m_In[m_Pos] - '0'), static_cast<int64_t>(m_In.size()));
          ++m_Pos;
        }
        if (m_Pos < m_In.size() && m_In[m_Pos] == ' ') ++m_Pos;
        m_Pos += static_cast<size_t>(std::min<int64_t>(n, static_cast<int64_t>(m_In.size() - m_Pos)));
      } else {
        ++m_Pos;  // an escaped brace or backslash, or the first letter of a word
      }
    }
  }
}

void CRtfParser::ControlSequence() {
  if (m_Pos >= m_In.size()) return;
  const char c = m_In[m_Pos];
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (!letter) {
    ++m_Pos;
    if (c == '*') {
      m_NextIsOptional = true;
      return;
    }
    if (c == '\'') {
      auto hex = [&](size_t at) -> int {
        if (at >= m_In.size()) return -1;
        const char h = m_In[at];
        if (h >= '0' && h <= '9') return h - '0';
        if (h >= 'a' && h <= 'f') return h - 'a' + 10;
        if (h >= 'A' && h <= 'F') return h - 'A' + 10;
        return -1;
      };
      const int hi = hex(m_Pos), lo = hex(m_Pos + 1);
      if (hi < 0 || lo < 0) return;
      m_Pos += 2;
      if (SkipsToken()) return;
      AddByte(static_cast<unsigned char>(hi * 16 + lo));
      return;
    }
    if (SkipsToken()) return;
    switch (c) {
      case '\\':
      case '{':
      case '}':
        AddUnit(static_cast<char16_t>(c));
        break;
      case '~':
        AddUnit(0x00A0);
        break;
      case '_':
        AddUnit(0x2011);
        break;
      case '\r':
      case '\n':
        ControlWord("par", false, 0);
        break;
      case '\t':
        AddUnit(u'\t');
        break;
      default:
        break;  // \- optional hyphen, \| \: and the rest show nothing
    }
    return;
  }
  const size_t begin = m_Pos;
  while (m_Pos < m_In.size() &&
         ((m_In[m_Pos] >= 'a' && m_In[m_Pos] <= 'z') || (m_In[m_Pos] >= 'A' && m_In[m_Pos] <= 'Z')))
    ++m_Pos;
  const std::string_view name = m_In.substr(begin, std::min(m_Pos - begin, kMaxWordLength + 1));
  bool negative = false;
  if (m_Pos + 1 < m_In.size() && m_In[m_Pos] == '-' && m_In[m_Pos + 1] >= '0' && m_In[m_Pos + 1] <= '9') {
    negative = true;
    ++m_Pos;
  }
  bool hasParam = false;
  int64_t value = 0;
  while (m_Pos < m_In.size() && m_In[m_Pos] >= '0' && m_In[m_Pos] <= '9') {
    hasParam = true;
    value = std::min<int64_t>(value * 10 + (m_In[m_Pos] - '0'), int64_t{1} << 40);
    ++m_Pos;
  }
  if (m_Pos < m_In.size() && m_In[m_Pos] == ' ') ++m_Pos;
  if (negative) value = -value;
  const auto param = static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min() + 1,
                                                              std::numeric_limits<int32_t>::max()));
  if (m_NextIsOptional) {
    m_NextIsOptional = false;
    DestinationWord(name, hasParam, param);
    return;
  }
  ControlWord(name, hasParam, param);
}

// The word after \*: known destinations are read, the rest skipped with their group.
void CRtfParser::DestinationWord(std::string_view name, bool hasParam, int32_t param) {
  const RtfWordInfo* info = FindRtfWord(name);
  const RtfWord w = info ? info->word : RtfWord::Skip;
  if (w == RtfWord::Pn || w == RtfWord::OwnPara || w == RtfWord::PnTxtA || w == RtfWord::PnTxtB) {
    ControlWord(name, hasParam, param);
  } else if (!Top().isRoot) {
    FlushBytes();
    SkipRestOfGroup();
    m_Stack.pop_back();
    m_FormatDirty = true;
  }
}

bool CRtfParser::SkipsToken() {
  if (m_UnicodeSkipLeft <= 0) return false;
  --m_UnicodeSkipLeft;
  return true;
}

void CRtfParser::ControlWord(std::string_view name, bool hasParam, int32_t param) {
  const RtfWordInfo* info = FindRtfWord(name);
  if (!info) return;
  const RtfWord w = info->word;
  if (w != RtfWord::U && SkipsToken()) return;
  GroupState& g = Top();
  if (g.dest == Dest::FontTable &&
      (w == RtfWord::Par || w == RtfWord::Pard || w == RtfWord::Plain || w == RtfWord::Fs || w == RtfWord::B))
    RecoverFromFontTable();
  CharState& chr = Top().chr;
  RtfParaProps& para = Top().para;
  const bool on = !hasParam || param != 0;
  auto charChange = [&] {
    FlushBytes();
    m_FormatDirty = true;
  };
  auto effect = [&](uint32_t bit, bool set) {
    charChange();
    chr.effects = set ? (chr.effects | bit) : (chr.effects & ~bit);
  };
  switch (w) {
    case RtfWord::Ansi:
      m_AnsiCodePage = 1252;
      break;
    case RtfWord::Mac:
      m_AnsiCodePage = 10000;
      break;
    case RtfWord::Pc:
      m_AnsiCodePage = 437;
      break;
    case RtfWord::Pca:
      m_AnsiCodePage = 850;
      break;
    case RtfWord::AnsiCpg:
      if (param > 0) m_AnsiCodePage = param;
      break;
    case RtfWord::Deff:
      m_DefaultFont = param;
      break;
    case RtfWord::Uc:
      g.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
      break;
    case RtfWord::U: {
      FlushBytes();
      const char16_t unit = param >= -32768 && param <= 65535 ? static_cast<char16_t>(param & 0xFFFF) : u'?';
      if (unit != 0) AddUnit(unit);
      m_UnicodeSkipLeft = g.unicodeSkip;
      break;
    }
    case RtfWord::FontTable:
      FlushBytes();
      g.dest = Dest::FontTable;
      m_FontNumber = -1;
      break;
    case RtfWord::ColorTable:
      FlushBytes();
      g.dest = Dest::ColorTable;
      m_Colours.clear();
      m_ColourGiven = false;
      m_Red = m_Green = m_Blue = 0;
      break;
    case RtfWord::F:
      if (g.dest == Dest::FontTable) {
        FinishFont();
        m_FontNumber = param;
        m_Font = {};
      } else {
        charChange();
        chr.font = param;
      }
      break;
    case RtfWord::FCharset:
      if (g.dest == Dest::FontTable) m_Font.charset = std::clamp(param, 0, 255);
      break;
    case RtfWord::Red:
      m_Red = std::clamp(param, 0, 255);
      m_ColourGiven = true;
      break;
    case RtfWord::Green:
      m_Green = std::clamp(param, 0, 255);
      m_ColourGiven = true;
      break;
    case RtfWord::Blue:
      m_Blue = std::clamp(param, 0, 255);
      m_ColourGiven = true;
      break;
    case RtfWord::Plain:
      charChange();
      chr = CharState{};
      break;
    case RtfWord::B:
      effect(CFE_BOLD, on);
      break;
    case RtfWord::I:
      effect(CFE_ITALIC, on);
      break;
    case RtfWord::Ul:
      effect(CFE_UNDERLINE, on);
      break;
    case RtfWord::UlNone:
      effect(CFE_UNDERLINE, false);
      break;
    case RtfWord::Strike:
      effect(CFE_STRIKEOUT, on);
      break;
    case RtfWord::Protect:
      effect(CFE_PROTECTED, on);
      break;
    case RtfWord::Fs:
      charChange();
      chr.halfPoints = hasParam && param > 0 ? std::min(param, kMaxHalfPoints) : 24;
      break;
    case RtfWord::Cf:
      charChange();
      chr.colour = param;
      break;
    case RtfWord::V:
      charChange();
      chr.hidden = on;
      break;
    case RtfWord::Pard:
      FlushBytes();
      para = RtfParaProps{};
      break;
    case RtfWord::Li:
      para.leftIndent = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::Ri:
      para.format.rightIndent = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::Fi:
      para.firstIndent = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::Ql:
      para.format.alignment = PFA_LEFT;
      break;
    case RtfWord::Qr:
      para.format.alignment = PFA_RIGHT;
      break;
    case RtfWord::Qc:
      para.format.alignment = PFA_CENTER;
      break;
    case RtfWord::Qj:
      para.format.alignment = PFA_JUSTIFY;
      break;
    case RtfWord::Sb:
      para.format.spaceBefore = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::Sa:
      para.format.spaceAfter = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::Sl:
      para.lineSpacing = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::SlMult:
      para.lineMultiple = on;
      break;
    case RtfWord::Tx:
      if (para.format.tabCount < kMaxTabStops)
        para.format.tabs[static_cast<size_t>(para.format.tabCount++)] =
            static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::Ls:
      if (g.dest == Dest::Body && para.format.numbering == 0) para.format.numbering = PFN_BULLET;
      break;
    case RtfWord::Pn:
      g.dest = Dest::Numbering;
      m_Numbering = {};
      break;
    case RtfWord::PnLvlBlt:
      m_Numbering.bullet = true;
      break;
    case RtfWord::PnLvlBody:
    case RtfWord::PnLvl:
      m_Numbering.body = true;
      break;
    case RtfWord::PnDec:
      m_Numbering.kind = PFN_ARABIC;
      break;
    case RtfWord::PnLcLtr:
      m_Numbering.kind = PFN_LCLETTER;
      break;
    case RtfWord::PnUcLtr:
      m_Numbering.kind = PFN_UCLETTER;
      break;
    case RtfWord::PnLcRm:
      m_Numbering.kind = PFN_LCROMAN;
      break;
    case RtfWord::PnUcRm:
      m_Numbering.kind = PFN_UCROMAN;
      break;
    case RtfWord::PnStart:
      m_Numbering.start = param;
      break;
    case RtfWord::PnIndent:
      m_Numbering.indent = param;
      break;
    case RtfWord::PnTxtA:
      FlushBytes();
      g.dest = Dest::NumberAfter;
      break;
    case RtfWord::PnTxtB:
      FlushBytes();
      g.dest = Dest::NumberBefore;
      break;
    case RtfWord::OwnPara:
      g.dest = Dest::OwnPara;
      break;
    case RtfWord::OwnAlignment:
      if (g.dest == Dest::OwnPara) para.ownAlignment = static_cast<uint16_t>(std::clamp(param, 0, 0xFFFF));
      break;
    case RtfWord::OwnLineSpacingRule:
      if (g.dest == Dest::OwnPara) para.ownLineSpacingRule = static_cast<uint8_t>(std::clamp(param, 0, 255));
      break;
    case RtfWord::OwnLineSpacing:
      if (g.dest == Dest::OwnPara) para.ownLineSpacing = static_cast<int32_t>(ClampMeasure(param));
      break;
    case RtfWord::OwnNumbering:
      if (g.dest == Dest::OwnPara) para.ownNumbering = static_cast<uint16_t>(std::clamp(param, 0, 0xFFFF));
      break;
    case RtfWord::OwnNumberingStyle:
      if (g.dest == Dest::OwnPara)
        para.ownNumberingStyle = static_cast<uint16_t>(std::clamp(param, 0, 0xFFFF));
      break;
    case RtfWord::Par:
      if (g.dest == Dest::Body) EndParagraph();
      break;
    case RtfWord::Line:
      AddUnit(kLineBreak);
      break;
    case RtfWord::Tab:
      AddUnit(u'\t');
      break;
    case RtfWord::Cell:
      if (g.dest == Dest::Body) ++m_PendingCells;
      break;
    case RtfWord::Row:
      if (g.dest == Dest::Body) EndRow();
      break;
    case RtfWord::Bin: {
      FlushBytes();
      const size_t n = static_cast<size_t>(std::max(param, 0));
      m_Pos += std::min(n, m_In.size() - m_Pos);
      break;
    }
    case RtfWord::Skip:
      if (!g.isRoot) DestinationWord(name, hasParam, param);
      break;
    case RtfWord::Char:
      AddUnit(info->ch);
      break;
  }
}

void CRtfParser::PlainText() {
  const char c = m_In[m_Pos];
  const auto byte = static_cast<unsigned char>(c);
  const bool trailByte = m_LeadOpen && byte >= 0x40 && c != '\\' && c != '{' && c != '}';
  if (byte >= 0x80 || trailByte) {
    ++m_Pos;
    if (!SkipsToken()) AddByte(byte);
    return;
  }
  if (c == '\r' || c == '\n' || (byte < 0x20 && c != '\t')) {
    ++m_Pos;
    return;
  }
  if (m_UnicodeSkipLeft > 0) {
    ++m_Pos;
    --m_UnicodeSkipLeft;
    return;
  }
  // A stretch of ASCII text goes in at once.
  char16_t chunk[256];
  size_t n = 0;
  while (m_Pos < m_In.size() && n < std::size(chunk)) {
    const auto b = static_cast<unsigned char>(m_In[m_Pos]);
    if (b == '{' || b == '}' || b == '\\' || b >= 0x80 || b == '\r' || b == '\n' || (b < 0x20 && b != '\t') ||
        (b == ';' && Top().dest != Dest::Body))
      break;
    chunk[n++] = b;
    ++m_Pos;
  }
  if (n == 0) {  // a ';' that ends a table entry
    ++m_Pos;
    if (Top().dest == Dest::FontTable) FinishFont();
    if (Top().dest == Dest::ColorTable) FinishColour();
    if (Top().dest != Dest::FontTable && Top().dest != Dest::ColorTable) AddUnit(u';');
    return;
  }
  AddUnits(chunk, n);
}

int CRtfParser::CodePageOfFont(int font) const {
  const auto it = m_Fonts.find(font < 0 ? m_DefaultFont : font);
  if (it == m_Fonts.end() || it->second.charset < 0) return m_AnsiCodePage;
  return CodePageOfCharset(it->second.charset, m_AnsiCodePage);
}

int CRtfParser::CurrentCodePage() {
  switch (Top().dest) {
    case Dest::Body:
      return CodePageOfFont(Top().chr.font);
    case Dest::FontTable:
      return m_Font.charset < 0 ? m_AnsiCodePage : CodePageOfCharset(m_Font.charset, m_AnsiCodePage);
    default:
      return m_AnsiCodePage;
  }
}

void CRtfParser::AddByte(unsigned char byte) {
  const int codePage = CurrentCodePage();
  if (!m_Bytes.empty() &&
      (codePage != m_BytesCodePage || (m_Bytes.size() >= kMaxPendingBytes && !m_LeadOpen)))
    FlushBytes();
  m_BytesCodePage = codePage;
  m_Bytes.push_back(static_cast<char>(byte));
  m_LeadOpen = !m_LeadOpen && IsLeadByte(codePage, byte);
}

void CRtfParser::FlushBytes() {
  if (m_Bytes.empty()) return;
  m_Decoded.clear();
  DecodeCodePage(m_BytesCodePage, m_Bytes, m_Decoded);
  m_Bytes.clear();
  m_LeadOpen = false;
  AddUnits(m_Decoded.data(), m_Decoded.size());
}

void CRtfParser::AddUnits(const char16_t* units, size_t count) {
  if (!m_Bytes.empty() && units != m_Decoded.data()) FlushBytes();
  switch (Top().dest) {
    case Dest::Body:
      AddToBody(units, count);
      break;
    case Dest::FontTable:
      AddToFontTable(units, count);
      break;
    case Dest::NumberBefore:
      m_Numbering.before.append(units, std::min(count, kMaxNumberText - m_Numbering.before.size()));
      break;
    case Dest::NumberAfter:
      m_Numbering.after.append(units, std::min(count, kMaxNumberText - m_Numbering.after.size()));
      break;
    default:
      break;
  }
}

void CRtfParser::AddToBody(const char16_t* units, size_t count) {
  if (Top().chr.hidden || count == 0) return;
  if (std::find(units, units + count, u'\0') != units + count) {  // a NUL byte is no text
    std::u16string kept(units, count);
    std::erase(kept, u'\0');
    AddToBody(kept.data(), kept.size());
    return;
  }
  if (m_PendingCells > 0) {
    const int cells = m_PendingCells;
    m_PendingCells = 0;
    const std::u16string tabs(static_cast<size_t>(cells), u'\t');
    AddToBody(tabs.data(), tabs.size());
  }
  if (m_FormatDirty) {
    m_FormatDirty = false;
    m_Format = Resolve(Top().chr);
    if (!m_InRun || !(m_RunFormat == m_Format)) {
      FlushRun();
      m_RunFormat = m_Format;
    }
  } else if (!m_InRun) {
    m_RunFormat = m_Format;
  }
  m_InRun = true;
  m_RunText.append(units, count);
}

void CRtfParser::AddToFontTable(const char16_t* units, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (units[i] >= 0x20 && m_Font.name.size() < 256) m_Font.name.push_back(units[i]);
}

void CRtfParser::FinishFont() {
  FlushBytes();
  if (m_FontNumber < 0) return;
  auto& name = m_Font.name;
  while (!name.empty() && name.back() == u' ') name.pop_back();
  while (!name.empty() && name.front() == u' ') name.erase(name.begin());
  if (m_Fonts.size() < kMaxTableEntries || m_Fonts.contains(m_FontNumber)) m_Fonts[m_FontNumber] = m_Font;
  m_FontNumber = -1;
  m_Font = {};
  m_FormatDirty = true;
}

void CRtfParser::FinishColour() {
  if (m_Colours.size() < kMaxTableEntries) {
    if (m_ColourGiven)
      m_Colours.push_back(static_cast<uint32_t>(m_Red | (m_Green << 8) | (m_Blue << 16)));
    else
      m_Colours.push_back(std::nullopt);
  }
  m_ColourGiven = false;
  m_Red = m_Green = m_Blue = 0;
  m_FormatDirty = true;
}

// A font table that never closes holds the document: body words end it.
void CRtfParser::RecoverFromFontTable() {
  FinishFont();
  for (GroupState& g : m_Stack)
    if (g.dest == Dest::FontTable) g.dest = Dest::Body;
}

RunFormat CRtfParser::Resolve(const CharState& chr) const {
  RunFormat f;
  const auto font = m_Fonts.find(chr.font < 0 ? m_DefaultFont : chr.font);
  if (font != m_Fonts.end()) {
    f.face = font->second.name;
    f.charset = static_cast<uint8_t>(font->second.charset >= 0 ? font->second.charset
                                                               : CharsetOfCodePage(m_AnsiCodePage));
  } else {
    f.charset = CharsetOfCodePage(m_AnsiCodePage);
  }
  f.height = chr.halfPoints * 10;
  f.effects = chr.effects;
  if (chr.colour >= 0 && static_cast<size_t>(chr.colour) < m_Colours.size() &&
      m_Colours[static_cast<size_t>(chr.colour)])
    f.colour = *m_Colours[static_cast<size_t>(chr.colour)];
  else
    f.effects |= CFE_AUTOCOLOR;
  return f;
}

// Unpaired surrogates (from broken \u pairs) become U+FFFD, one unit each, so positions stay.
void RepairSurrogates(std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      ++i;
    else if (u >= 0xD800 && u <= 0xDFFF)
      text[i] = 0xFFFD;
  }
}

void CRtfParser::FlushRun() {
  if (m_RunText.empty()) return;
  RepairSurrogates(m_RunText);
  m_Sink.Run(m_RunFormat, m_RunText);
  m_RunText.clear();
}

void CRtfParser::EndParagraph() {
  FlushBytes();
  m_PendingCells = 0;
  FlushRun();
  m_Sink.EndParagraph(ParaFormatOf(Top().para), m_FormatDirty ? Resolve(Top().chr) : m_Format);
  m_InRun = false;
  ++m_ParagraphsEnded;
  m_FormatDirty = true;
}

// Cells are separated by tabs; the last cell of a row has no separator after it.
void CRtfParser::EndRow() {
  const int separators = m_PendingCells - 1;
  m_PendingCells = 0;
  if (separators > 0) {
    const std::u16string tabs(static_cast<size_t>(separators), u'\t');
    AddToBody(tabs.data(), tabs.size());
  }
  EndParagraph();
}

}  // namespace

void CRichContentSink::Run(const RunFormat& format, std::u16string_view text) {
  m_Paragraph.runs.push_back({format, std::u16string(text)});
}

void CRichContentSink::EndParagraph(const ParaFormat& format, const RunFormat& mark) {
  m_Paragraph.format = format;
  m_Paragraph.mark = mark;
  m_Content.paragraphs.push_back(std::move(m_Paragraph));
  m_Paragraph = {};
}

bool ReadRtf(std::string_view rtf, IRtfSink& sink) {
  try {
    CRtfParser(rtf, sink).Read();
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

RichContent ReadRtf(std::string_view rtf) {
  CRichContentSink sink;
  ReadRtf(rtf, sink);
  return sink.Take();
}

}  // namespace orv
