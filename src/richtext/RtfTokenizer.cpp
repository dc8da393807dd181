// Splits the input into groups, control words and text.

#include <algorithm>
#include <limits>

#include "richtext/RtfParser.h"
#include "richtext/RtfWords.h"

namespace orv::rtfparse {

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

}  // namespace orv::rtfparse
