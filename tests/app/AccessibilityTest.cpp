// The main window as a screen reader meets it: every control it can reach has a Czech name, the
// selected day is read as a sentence, and the panes the focus keys move to say what they are.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QTextEdit>

#include "DialogWindowFixture.h"

namespace orv::test {
namespace {

using AccessibleWindow = DialogWindowTest;

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(AccessibleWindow, EveryControlTheKeyboardReachesHasAName) {
  for (QWidget* widget : window->Frame().findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&window->Frame())) continue;
    EXPECT_FALSE(AccessibleName(widget).trimmed().isEmpty())
        << widget->metaObject()->className() << " " << widget->objectName().toStdString();
  }
}

TEST_F(AccessibleWindow, TheSelectedDayIsReadAsASentence) {
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("Výlet do Brna"));
  Key(Qt::Key_Escape);
  EXPECT_EQ(Table()->accessibleDescription(), QStringLiteral("úterý 15. března 2005, Ida, poznámka: Výlet do Brna"));
  EXPECT_EQ(AccessibleName(Table()), QStringLiteral("Kalendář, Březen 2005"));

  for (int i = 0; i < 3; ++i) Key(Qt::Key_Up);
  EXPECT_EQ(Table()->accessibleDescription(), QStringLiteral("sobota 12. března 2005, Řehoř, Vstup ČR do NATO (1999)"));
}

TEST_F(AccessibleWindow, FocusKeysLandOnNamedPanes) {
  Key(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(AccessibleName(QApplication::focusWidget()), QStringLiteral("Výklad dne"));
  Key(Qt::Key_W, Qt::AltModifier);
  EXPECT_EQ(AccessibleName(QApplication::focusWidget()), QStringLiteral("Výklad měsíce"));
  Key(Qt::Key_Escape);
  EXPECT_TRUE(AccessibleName(QApplication::focusWidget()).startsWith(QStringLiteral("Kalendář, ")));
  Key(Qt::Key_F2);
  EXPECT_EQ(AccessibleName(QApplication::focusWidget()), QStringLiteral("Poznámka dne"));
}

}  // namespace
}  // namespace orv::test
