#pragma once
// A popup menu of the window's actions, shown at a screen position until the user chooses or leaves.

#include <QPoint>
#include <vector>

class QAction;
class QWidget;

namespace orv {

// `actions` in order; nullptr stands for a separator. Nothing is shown for an empty list.
void ExecActionMenu(QWidget* parent, const std::vector<QAction*>& actions, const QPoint& globalPos);

}  // namespace orv
