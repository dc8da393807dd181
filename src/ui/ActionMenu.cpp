#include "ui/ActionMenu.h"

#include <QMenu>

namespace orv {

void ExecActionMenu(QWidget* parent, const std::vector<QAction*>& actions, const QPoint& globalPos) {
  if (actions.empty()) return;
  QMenu menu(parent);
  for (QAction* action : actions) {
    if (action)
      menu.addAction(action);
    else
      menu.addSeparator();
  }
  menu.exec(globalPos);
}

}  // namespace orv
