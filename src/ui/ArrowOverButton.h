#pragma once
// The arrow over the one button that still works while the program is busy ("Přerušit", "Storno").
// The wait cursor is the application's override cursor, which every widget shows, a button's own
// cursor included; so while the mouse is over the watched button, and the button is enabled, the
// override itself becomes the arrow, and it is the wait cursor again when the mouse leaves, the
// button is disabled or hidden. Without a wait cursor shown nothing changes.
//
//   new CArrowOverButton(cancelButton);  // owned by the button

#include <QObject>

class QAbstractButton;

namespace orv {

class CArrowOverButton : public QObject {
 public:
  explicit CArrowOverButton(QAbstractButton* button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowArrow(bool arrow);

  QAbstractButton* m_Button;
  bool m_ShowsArrow = false;  // the wait cursor was turned into the arrow here
};

}  // namespace orv
