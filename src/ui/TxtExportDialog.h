#pragma once
// "Export poznámek": the period dialog of the calendar's text export. "Celý kalendář" or "Rozsah"
// with two date pickers limited to the calendar's years (changing one selects "Rozsah"), blank
// lines between days, and the separator. A range that runs backwards keeps the dialog open.

#include <optional>

#include "export/TxtExportCommands.h"

class QWidget;

namespace orv {

std::optional<TxtExportChoice> AskTxtExportChoice(QWidget* parent, IUiServices& ui);

}  // namespace orv
