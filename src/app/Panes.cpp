#include "app/Panes.h"

#include <QTextEdit>

#include "ui/CalendarView.h"

namespace orv {
namespace {

QTextEdit* MakeEditorStandIn(QWidget* parent, const char* name) {
  auto* editor = new QTextEdit(parent);
  editor->setObjectName(QString::fromLatin1(name));
  editor->setAcceptRichText(true);
  return editor;
}

}  // namespace

SPaneFactories DefaultPanes() {
  return {[](QWidget* parent) { return new CTedView(parent); },
          [](QWidget* parent) { return MakeEditorStandIn(parent, "MonthEditor"); },
          [](QWidget* parent) { return MakeEditorStandIn(parent, "DayEditor"); }};
}

}  // namespace orv
