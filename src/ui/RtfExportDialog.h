#pragma once
// The period dialog "Export do rtf" (and the same dialog for print and PDF): range, content and the
// heading styles, bound to CRtfExportDialogModel. OK asks the model and stays open when it refuses.

#include <optional>
#include <string_view>

#include "export/RtfCalendarExport.h"

class QWidget;

namespace orv {

class CTedDoc;
class IUiServices;

struct SExportDialogTexts {
  std::string_view title = "Export do rtf";
  std::string_view contentGroup = "Do souboru rtf zařadit :";
  bool limited = true;  // at most 365 day records
};

// The choice on OK, nothing on "Storno".
std::optional<SRtfExportChoice> AskExportChoice(QWidget* parent, const CTedDoc& doc, IUiServices& ui,
                                                const SExportDialogTexts& texts = {});

}  // namespace orv
