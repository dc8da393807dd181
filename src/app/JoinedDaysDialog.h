#pragma once
// The list of the days and months a merge joined from both sides, beside the window and not modal,
// so that the user can review them one after another: Enter (or a double click) on a row moves the
// calendar to its day. It opens without taking the focus from the window.
//
//   m_List = ShowJoinedDays(&frame, CJoinedDays(result), [&](const Date& day) { ...go there... });

#include <QListWidget>
#include <functional>

#include "document/merge/JoinedDays.h"

namespace orv {

// The dialog's list (object name "JoinedDays"); the dialog deletes itself when closed. Null when
// there is nothing to list.
QListWidget* ShowJoinedDays(QWidget* parent, const CJoinedDays& joined,
                            std::function<void(const Date&)> goTo);

}  // namespace orv
