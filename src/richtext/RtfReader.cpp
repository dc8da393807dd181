#include "richtext/RtfReader.h"

#include <new>

#include "richtext/RtfParser.h"

namespace orv {
namespace rtfparse {

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

}  // namespace rtfparse

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
    rtfparse::CRtfParser(rtf, sink).Read();
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
