#include "ui/ResultExportButtons.h"

#include <QBoxLayout>
#include <QPushButton>

#include "export/ResultExportCommands.h"
#include "ui/ExportCommands.h"
#include "ui/ExportProgress.h"

namespace orv {

std::vector<QPushButton*> AddResultExportButtons(QBoxLayout& layout, QWidget* window,
                                                 const SResultExportContext& context,
                                                 std::function<SResultToExport()> result) {
  using Action = void (*)(QWidget*, const SResultExportContext&, const SResultToExport&);
  static constexpr struct {
    const char* text;
    Action action;
  } kButtons[] = {
      {"Export do rtf",
       [](QWidget*, const SResultExportContext& c, const SResultToExport& r) {
         OnExportResultRtf(c.doc, *r.keys, r.area, c.source, c.baseFace, c.ui);
       }},
      {"Export do PDF ...",
       [](QWidget* w, const SResultExportContext& c, const SResultToExport& r) {
         CExportProgress progress(w, QStringLiteral("Export do PDF"));
         OnExportResultPdf(c.doc, *r.keys, r.area, c.source, c.baseFace, c.ui, progress.PageCallback());
       }},
      {"Tisk ...",
       [](QWidget* w, const SResultExportContext& c, const SResultToExport& r) {
         PrintResult(w, c.doc, *r.keys, r.area, c.baseFace, c.ui);
       }},
  };
  std::vector<QPushButton*> buttons;
  for (const auto& b : kButtons) {
    auto* button = new QPushButton(QString::fromUtf8(b.text), window);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, context, result, action = b.action] { action(window, context, result()); });
    layout.addWidget(button);
    buttons.push_back(button);
  }
  return buttons;
}

}  // namespace orv
