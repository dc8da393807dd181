#pragma once
// The font dialog ("Písmo"), the paragraph dialog ("Odstavec") and the tab stops dialog
// ("Nastavení tabulátorů"): thin windows over the models of editor/FormatDialogModels.h. Each
// returns what the user chose on OK, nothing on "Storno".

#include <optional>
#include <string>
#include <vector>

#include "editor/FormatDialogModels.h"

class QWidget;

namespace orv {

class IUiServices;

// `faces` are the installed faces (Windows-1250).
std::optional<SFontChoice> AskFont(QWidget* parent, const SFontChoice& preset,
                                   const std::vector<std::string>& faces);

// The paragraph dialog; with `charStyles` it is the paragraph style's variant with the list
// "Styl písma :" preset to and giving back `charStyle`. Refused indents keep it open.
std::optional<ParaFormat> AskParagraph(QWidget* parent, const SParagraphFields& preset, IUiServices& ui,
                                       const std::vector<std::string>* charStyles = nullptr,
                                       std::string* charStyle = nullptr);

// The tab stops of one paragraph format; true on OK.
bool AskTabStops(QWidget* parent, int16_t& count, std::array<int32_t, kMaxTabStops>& tabs, IUiServices& ui);

}  // namespace orv
