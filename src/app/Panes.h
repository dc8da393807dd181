#pragma once
// The three panes of the main window come from factories, so the calendar view and the commentary
// editors can be swapped without touching the frame. The defaults are the calendar view (without a
// calendar until one is attached) and two plain text editors.

#include <functional>

class QTextEdit;
class QWidget;

namespace orv {

struct SPaneFactories {
  std::function<QWidget*(QWidget* parent)> calendar;
  std::function<QTextEdit*(QWidget* parent)> monthEditor;
  std::function<QTextEdit*(QWidget* parent)> dayEditor;
};

SPaneFactories DefaultPanes();

}  // namespace orv
