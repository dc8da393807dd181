#include "editor/FormatCommands.h"

#include <QFontDatabase>
#include <QList>

#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "editor/CommentaryEditor.h"
#include "editor/TextColours.h"
#include "richtext/RichFormats.h"

namespace orv {
namespace {

constexpr uint32_t kToggledEffects[] = {CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE};

EEffectState EffectState(const CharFormat& format, uint32_t effect) {
  if (!(format.mask & effect)) return EEffectState::Mixed;
  return (format.effects & effect) ? EEffectState::On : EEffectState::Off;
}

QFontDatabase::WritingSystem WritingSystemOf(int charset) {
  switch (charset) {
    case kCharsetSymbol:
      return QFontDatabase::Symbol;
    case 204:
      return QFontDatabase::Cyrillic;
    case 161:
      return QFontDatabase::Greek;
    default:
      return QFontDatabase::Latin;  // Western and Central European alike
  }
}

}  // namespace

SFormatState FormatStateOf(const CCommentaryEditor& editor) {
  const CRichEditCtrl& ctrl = editor.Control();
  const CharFormat chars = ctrl.GetSelectionCharFormat();
  SFormatState state;
  for (size_t i = 0; i < state.effects.size(); ++i) state.effects[i] = EffectState(chars, kToggledEffects[i]);
  const ParaFormat paragraphs = ctrl.GetParaFormat();
  state.alignment = (paragraphs.mask & PFM_ALIGNMENT) ? paragraphs.alignment : 0;
  state.colourId = editor.LastColourId();
  return state;
}

void ToggleEffect(CCommentaryEditor& editor, uint32_t effect) {
  const CharFormat current = editor.Control().GetSelectionCharFormat();
  CharFormat change;
  change.mask = effect;
  change.effects = EffectState(current, effect) == EEffectState::On ? 0 : effect;
  editor.ApplyCharFormat(change);
}

void SetPlain(CCommentaryEditor& editor) {
  CharFormat change;
  change.mask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  change.effects = 0;
  editor.ApplyCharFormat(change);
}

bool SetTextColour(CCommentaryEditor& editor, int colourId) {
  const STextColour* colour = FindTextColour(colourId);
  if (!colour) {
    editor.Ui().MessageBox("OnBarvaTextu - chyba");
    return false;
  }
  CharFormat change;
  change.mask = CFM_COLOR;
  change.effects = colour->automatic ? CFE_AUTOCOLOR : 0;
  change.colour = colour->automatic ? 0 : colour->colour;
  editor.SetLastColourId(colourId);
  editor.ApplyCharFormat(change);
  return true;
}

void SetAlignment(CCommentaryEditor& editor, uint16_t alignment) {
  ParaFormat change;
  change.mask = PFM_ALIGNMENT;
  change.alignment = alignment;
  editor.ApplyParaFormat(change);
}

bool FaceHasCharset(std::string_view face, int charset) {
  if (face.empty()) return false;
  const std::u16string utf16 = Cp1250ToUtf16(face);
  const QString family = QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
  if (!QFontDatabase::hasFamily(family)) return false;
  return QFontDatabase::writingSystems(family).contains(WritingSystemOf(charset));
}

bool SetFace(CCommentaryEditor& editor, std::string_view face, const CharsetTest& hasCharset) {
  const CharFormat current = editor.Control().GetSelectionCharFormat();
  int charset = -1;
  if (hasCharset(face, kCharsetSymbol))
    charset = kCharsetSymbol;
  else if ((current.mask & CFM_CHARSET) && hasCharset(face, current.charset))
    charset = current.charset;
  else if (hasCharset(face, kCharsetEastEurope))
    charset = kCharsetEastEurope;
  else if (hasCharset(face, kCharsetAnsi))
    charset = kCharsetAnsi;
  if (charset < 0) {
    editor.Ui().MessageBox("Požadované písmo vyžaduje použití dialogu Písmo.");
    return false;
  }
  CharFormat change;
  change.mask = CFM_FACE | CFM_CHARSET;
  change.face = std::string(face);
  change.charset = static_cast<uint8_t>(charset);
  editor.ApplyCharFormat(change);
  return true;
}

void SetPoints(CCommentaryEditor& editor, int points) {
  CharFormat change;
  change.mask = CFM_SIZE;
  change.height = points * 20;
  editor.ApplyCharFormat(change);
}

void SetCharset(CCommentaryEditor& editor, int charset) {
  CharFormat change;
  change.mask = CFM_CHARSET;
  change.charset = static_cast<uint8_t>(charset);
  editor.ApplyCharFormat(change);
}

}  // namespace orv
