#pragma once
// The "Připojit" dialog: "Celý kalendář" or "Rozsah" with the pickers "Od:" and "Do:", and "Styly v
// cílovém souboru přepsat". The widgets bind CAppendDialogModel, which decides what OK gives.

#include <optional>

#include "document/merge/AppendCalendar.h"

class QWidget;

namespace orv {

class IUiServices;

// The options on OK, nothing on "Storno". A refused OK (a range turned about) keeps it open.
std::optional<SAppendOptions> AskAppendOptions(QWidget* parent, IUiServices& ui);

}  // namespace orv
