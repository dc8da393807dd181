#pragma once
// The control words the RTF reader knows: what each stands for, and the destinations whose content
// is no text of the document (skipped with their group).

#include <cstdint>
#include <string_view>

namespace orv {

enum class RtfWord : uint8_t {
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCpg,
  Deff,
  Uc,
  U,
  FontTable,
  ColorTable,
  F,
  FCharset,
  Red,
  Green,
  Blue,
  Plain,
  B,
  I,
  Ul,
  UlNone,
  Strike,
  Protect,
  Fs,
  Cf,
  V,
  Pard,
  Li,
  Ri,
  Fi,
  Ql,
  Qr,
  Qc,
  Qj,
  Sb,
  Sa,
  Sl,
  SlMult,
  Tx,
  Ls,
  Pn,
  PnLvlBlt,
  PnLvlBody,
  PnLvl,
  PnDec,
  PnLcLtr,
  PnUcLtr,
  PnLcRm,
  PnUcRm,
  PnStart,
  PnIndent,
  PnTxtA,
  PnTxtB,
  OwnPara,
  OwnAlignment,
  OwnLineSpacingRule,
  OwnLineSpacing,
  OwnNumbering,
  OwnNumberingStyle,
  Par,
  Line,
  Tab,
  Cell,
  Row,
  Bin,
  Skip,
  Char,
};

struct RtfWordInfo {
  RtfWord word;
  char16_t ch = 0;  // for RtfWord::Char
};

// The word of a name, or nothing for a name the reader does not know.
const RtfWordInfo* FindRtfWord(std::string_view name);

}  // namespace orv
