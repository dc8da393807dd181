#pragma once
// What both names dialogs share: the combo of the five categories, and showing where a typed name
// leads in a list (the line selected and scrolled to the top, or only scrolled, or nothing selected).

#include <QAbstractItemView>
#include <QComboBox>

#include "names/HolidayListsModel.h"

namespace orv {

inline QComboBox* CategoryCombo(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("Category"));
  for (const CHolidayCategoryText& text : kHolidayCategoryTexts)
    combo->addItem(QString::fromUtf8(text.combo));
  return combo;
}

inline void ShowTypedMatch(QAbstractItemView* list, const CTypedMatch& match) {
  QAbstractItemModel* model = list->model();
  list->clearSelection();
  if (match.selected >= 0) {
    list->setCurrentIndex(model->index(match.selected, 0));
  } else {
    list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
  }
  if (match.top >= 0) list->scrollTo(model->index(match.top, 0), QAbstractItemView::PositionAtTop);
}

}  // namespace orv
