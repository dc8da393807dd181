#include "exchange/CommentaryFormats.h"

#include <string_view>

#include "document/CalendarContent.h"
#include "document/StyleSets.h"
#include "editor/StyleFormats.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

constexpr int kBodySlot = 1;
constexpr int kHeading1Slot = 2;
constexpr int kHeading2Slot = 3;

// The character style named `name`, or the factory style of the slot when the calendar lacks it.
RunFormat StyleRun(const CCalendarContent& calendar, std::string_view name, int fallbackSlot) {
  const CCharFormat* style = calendar.m_Styles.Find(name);
  const CCharFormat* standard = calendar.m_Styles.Find(kPredefinedCharStyles[0]);
  const std::string face = standard && !standard->m_FaceName.empty() ? standard->m_FaceName : "Arial";
  CharFormat format = ToCharFormat(style ? *style : FactoryCharStyle(fallbackSlot, face));
  format.mask = CFM_ALL;
  return ToRunFormat(format);
}

// The paragraph style of the slot with its character style's format.
std::pair<ParaFormat, RunFormat> Style(const CCalendarContent& calendar, int slot) {
  const CParFormat* found = calendar.m_StylesPar.Find(kPredefinedParStyles[static_cast<size_t>(slot)]);
  const CParFormat style = found ? *found : FactoryParStyle(slot);
  return {ToParaFormat(style), StyleRun(calendar, style.m_CharStyle, slot)};
}

}  // namespace

CCommentaryFormats::CCommentaryFormats(const CCalendarContent& calendar) {
  std::tie(m_Body, m_BodyRun) = Style(calendar, kBodySlot);
  std::tie(m_Heading1, m_Heading1Run) = Style(calendar, kHeading1Slot);
  std::tie(m_Heading2, m_Heading2Run) = Style(calendar, kHeading2Slot);
}

RichParagraph CCommentaryFormats::Paragraph(EBlock kind, int number) const {
  RichParagraph paragraph;
  paragraph.format = kind == EBlock::Heading1 ? m_Heading1 : kind == EBlock::Heading2 ? m_Heading2 : m_Body;
  paragraph.format.mask = 0;
  paragraph.mark = Run(kind, 0);
  switch (kind) {
    case EBlock::Bullet:
    case EBlock::Numbered:
      paragraph.format.numbering = kind == EBlock::Bullet ? PFN_BULLET : PFN_ARABIC;
      paragraph.format.numberingStyle = kind == EBlock::Bullet ? 0 : PFNS_PERIOD;
      paragraph.format.numberingStart = kind == EBlock::Bullet ? 0 : static_cast<uint16_t>(number);
      paragraph.format.numberingTab = kListIndent;
      paragraph.format.offset = kListIndent;
      break;
    case EBlock::Quote:
      paragraph.format.startIndent = kQuoteIndent;
      break;
    default:
      break;
  }
  return paragraph;
}

RunFormat CCommentaryFormats::Run(EBlock kind, uint32_t effects) const {
  RunFormat run = kind == EBlock::Heading1   ? m_Heading1Run
                  : kind == EBlock::Heading2 ? m_Heading2Run
                                             : m_BodyRun;
  run.effects |= effects;
  return run;
}

}  // namespace orv
