#pragma once
// The result exports of a search window as its buttons: "Export do rtf", "Export do PDF ..." and
// "Tisk ...", over the found days (or months) the window names at the moment of the click.
//
//   AddResultExportButtons(*layout, this, {doc, RtfResultSource::NoteSearch, baseFace, ui},
//                          [this] { return SResultToExport{&m_Search.FoundKeys(), ERtfResultArea::Days}; });

#include <functional>
#include <string>
#include <vector>

#include "export/RtfExport.h"

class QBoxLayout;
class QPushButton;
class QWidget;

namespace orv {

struct SResultToExport {
  const CSortedKeyList* keys;
  ERtfResultArea area;
};

struct SResultExportContext {
  const CTedDoc& doc;
  RtfResultSource source;  // which window: the wording of its refusals
  std::string baseFace;    // Windows-1250, the face of headings and notes
  IUiServices& ui;
};

// The three buttons, added to `layout` in this order; they are children of `window`.
std::vector<QPushButton*> AddResultExportButtons(QBoxLayout& layout, QWidget* window,
                                                 const SResultExportContext& context,
                                                 std::function<SResultToExport()> result);

}  // namespace orv
