#pragma once
// The symbol dialog ("Symboly") without its window: the characters it offers, the faces it lists,
// and inserting the chosen character into a commentary.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CCommentaryEditor;

// Codes 33 to 255 that show a character (the control codes and DEL left out).
std::vector<int> SymbolCodes();
// The faces of a selection's character set (Central European for a selection in the symbol set)
// followed by every symbol face, each once, in the order given.
std::vector<std::string> SymbolFaces(const std::vector<std::string>& faces, int selectionCharset,
                                     bool (*hasCharset)(std::string_view face, int charset));
// Replaces the selection by the character (a Windows-1250 code) in `face` and its character set,
// the caret after it; one undo step, the calendar modified.
void InsertSymbol(CCommentaryEditor& editor, int code, std::string_view face, int charset);

}  // namespace orv
