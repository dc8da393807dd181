#pragma once
// "Tento den v minulých letech": a window beside the calendar listing the records of the shown day
// and month in every other year, newest first: the date with its weekday, the note and the start of
// the commentary. It stays open while the user works (not modal) and follows the calendar: each
// newly shown day lists its own years. Enter or a double click on a row asks to go to that day.
//
//   auto* window = new COnThisDayWindow(frame, doc);
//   window->SetOnChosen([&](const Date& d) { model.GoToDate(d); });
//   window->ShowFor(model.SelectedDate());       shows and raises it
//   window->Follow(model.SelectedDate());        after every move; nothing while it is hidden

#include <QDialog>
#include <functional>
#include <optional>

#include "core/CalendarDates.h"

class QLabel;
class QTreeWidget;

namespace orv {

class CTedDoc;

class COnThisDayWindow : public QDialog {
 public:
  COnThisDayWindow(QWidget* parent, const CTedDoc& doc);

  void SetOnChosen(std::function<void(const Date&)> onChosen) { m_OnChosen = std::move(onChosen); }
  // Lists the years of `shown` afresh, then shows the window and gives it the focus.
  void ShowFor(const Date& shown);
  // Lists the years of `shown` when the window is open and another day was listed.
  void Follow(const Date& shown);
  // Lists again whatever was listed (another calendar was opened).
  void Relist();

  QTreeWidget* List() const { return m_List; }
  QLabel* EmptyText() const { return m_Empty; }

 private:
  void Fill(const Date& shown);
  void Chosen();

  const CTedDoc& m_Doc;
  QTreeWidget* m_List = nullptr;
  QLabel* m_Empty = nullptr;
  std::optional<Date> m_Listed;
  std::function<void(const Date&)> m_OnChosen;
};

}  // namespace orv
