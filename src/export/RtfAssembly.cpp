#include "export/RtfAssembly.h"

#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

constexpr uint32_t kPurple = 0x800080;   // red 128, green 0, blue 128
constexpr uint32_t kDarkRed = 0x000080;  // red 128

SPieceFormat Fixed(std::string_view face, bool bold, int32_t height, uint32_t colour) {
  SPieceFormat f;
  f.run.effects = bold ? CFE_BOLD : 0;
  f.run.height = height;
  f.run.colour = colour;
  f.run.charset = kCharsetEastEurope;
  f.run.face = Cp1250ToUtf16(face);
  return f;
}

RichParagraph TextParagraph(std::string_view text, const SPieceFormat& format) {
  RichParagraph paragraph;
  paragraph.format = format.para;
  paragraph.mark = format.run;
  paragraph.runs.push_back(RichRun{format.run, Cp1250ToUtf16(text)});
  return paragraph;
}

}  // namespace

CRtfAssembly::CRtfAssembly(std::string_view baseFace)
    : m_MonthHeading(Fixed(baseFace, true, 240, kPurple)),
      m_DayHeading(Fixed(baseFace, true, 200, kPurple)),
      m_Note(Fixed(baseFace, false, 180, kDarkRed)) {}

CRtfAssembly::CRtfAssembly(std::string_view baseFace, RichParagraphVisitor visit) : CRtfAssembly(baseFace) {
  m_Visit = std::move(visit);
}

void CRtfAssembly::Add(RichParagraph&& paragraph) {
  if (m_Visit)
    m_Visit(paragraph);
  else
    m_Content.paragraphs.push_back(std::move(paragraph));
}

SPieceFormat CRtfAssembly::StyledHeading(const CTedDoc& doc, std::string_view parStyleName,
                                         const SPieceFormat& fixed) {
  const CParFormat* parStyle = parStyleName.empty() ? nullptr : doc.m_StylesPar.Find(parStyleName);
  if (!parStyle) return fixed;
  SPieceFormat styled = fixed;
  if (const CCharFormat* charStyle = doc.m_Styles.Find(parStyle->m_CharStyle)) {
    styled.run = ToRunFormat(ToCharFormat(*charStyle));
    if (charStyle->m_FaceName.empty()) styled.run.face = fixed.run.face;
  }
  styled.para = ToParaFormat(*parStyle);
  return styled;
}

void CRtfAssembly::AppendText(std::string_view text, const SPieceFormat& format) {
  Add(TextParagraph(text, format));
}

void CRtfAssembly::AppendHeading(std::string_view text, const SPieceFormat& format) {
  RichParagraph paragraph = TextParagraph(text, format);
  paragraph.keepWithNext = true;
  Add(std::move(paragraph));
}

void CRtfAssembly::AppendBreak() {
  RichParagraph paragraph;
  paragraph.mark = CRichEditCtrl::DefaultRunFormat();
  Add(std::move(paragraph));
}

void CRtfAssembly::AppendCommentary(std::string_view rtf) {
  if (rtf.empty()) return;
  if (rtf.size() > m_MaxCommentary || !m_Staging.StreamIn(rtf)) {
    ++m_TooLarge;
    return;
  }
  if (m_Staging.GetTextLength() == 0) return;
  m_Staging.SetSel(0, -1);
  RichContent piece = m_Staging.CopySelection();
  m_Staging.StreamIn({});  // the staging copy of a long commentary is not kept to the end
  for (RichParagraph& paragraph : piece.paragraphs) Add(std::move(paragraph));
}

std::string CRtfAssembly::Rtf() const {
  return WriteRtf(m_Content);
}

}  // namespace orv
