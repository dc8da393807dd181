// Where decoded text goes: the body's runs and paragraphs, the font table, the colour table and
// the numbering texts.

#include <algorithm>

#include "richtext/CodePages.h"
#include "richtext/RtfParser.h"

namespace orv::rtfparse {
namespace {

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

}  // namespace

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

}  // namespace orv::rtfparse
