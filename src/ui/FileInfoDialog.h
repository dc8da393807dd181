#pragma once
// "O souboru": the calendar's title at the top, then "Verze:", "Autor:", "Firma:" and "Datum:",
// all read-only, an unstated one shown by its fixed text; OK.

class QWidget;

namespace orv {

class CTedDoc;

void ShowFileInfo(QWidget* parent, const CTedDoc& doc);

}  // namespace orv
