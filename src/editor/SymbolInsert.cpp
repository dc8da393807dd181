#include "editor/SymbolInsert.h"

#include <algorithm>

#include "editor/CommentaryEditor.h"
#include "editor/UndoStep.h"
#include "richtext/RichFormats.h"

namespace orv {

std::vector<int> SymbolCodes() {
  std::vector<int> codes;
  for (int code = 33; code <= 255; ++code)
    if (code != 127) codes.push_back(code);
  return codes;
}

std::vector<std::string> SymbolFaces(const std::vector<std::string>& faces, int selectionCharset,
                                     bool (*hasCharset)(std::string_view, int)) {
  const int charset = selectionCharset == kCharsetSymbol ? kCharsetEastEurope : selectionCharset;
  std::vector<std::string> listed;
  for (const std::string& face : faces)
    if (hasCharset(face, charset)) listed.push_back(face);
  for (const std::string& face : faces)
    if (hasCharset(face, kCharsetSymbol) && std::find(listed.begin(), listed.end(), face) == listed.end())
      listed.push_back(face);
  return listed;
}

void InsertSymbol(CCommentaryEditor& editor, int code, std::string_view face, int charset) {
  CRichEditCtrl& ctrl = editor.Control();
  const CUndoStep step(ctrl);
  const int at = ctrl.GetSel().min;
  ctrl.ReplaceSel(std::string(1, static_cast<char>(code)));
  ctrl.SetSel(at, at + 1);
  CharFormat format;
  format.mask = CFM_FACE | CFM_CHARSET;
  format.face = std::string(face);
  format.charset = static_cast<uint8_t>(charset);
  editor.ApplyCharFormat(format);
  ctrl.SetSel(at + 1, at + 1);
  editor.ShowSelection();
}

}  // namespace orv
