// What control words do to the state of the group they stand in.

#include <algorithm>

#include "richtext/RtfParser.h"
#include "richtext/RtfWords.h"

namespace orv::rtfparse {

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

}  // namespace orv::rtfparse
