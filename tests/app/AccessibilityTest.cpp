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
  EXPECT_EQ(Table()->accessibleDescription(),
            QStringLiteral("úterý 15. března 2005, Ida, poznámka: Výlet do Brna"));
  EXPECT_EQ(AccessibleName(Table()), QStringLiteral("Kalendář, Březen 2005"));

  for (int i = 0; i < 3; ++i) Key(Qt::Key_Up);
  EXPECT_EQ(Table()->accessibleDescription(),
            QStringLiteral("sobota 12. března 2005, Řehoř, Vstup ČR do NATO (1999)"));
}

// The month table is a table of one column, a row a day, each read as the selected day is.
TEST_F(AccessibleWindow, TheMonthTableReadsAsATableOfDays) {
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("Výlet do Brna"));
  Key(Qt::Key_Escape);
  Key(Qt::Key_Up);
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Table());
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::Table);
  QAccessibleTableInterface* table = face->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 31);
  EXPECT_EQ(table->columnCount(), 1);
  EXPECT_EQ(face->childCount(), 31);
  const auto cellText = [&](int row) { return table->cellAt(row, 0)->text(QAccessible::Name); };
  EXPECT_EQ(cellText(14), QStringLiteral("úterý 15. března 2005, Ida, poznámka: Výlet do Brna"));
  EXPECT_EQ(cellText(0), QStringLiteral("úterý 1. března 2005, Bedřich"));
  EXPECT_EQ(cellText(30), QStringLiteral("čtvrtek 31. března 2005, Kvido"));
  EXPECT_EQ(table->cellAt(31, 0), nullptr);

  // The selected day is the selected and focused cell; a cell stands where its row is drawn.
  EXPECT_EQ(table->selectedRows(), QList<int>{13});
  QAccessibleInterface* selected = table->cellAt(13, 0);
  EXPECT_TRUE(selected->state().selected);
  EXPECT_TRUE(selected->state().focused);
  EXPECT_FALSE(table->cellAt(14, 0)->state().selected);
  EXPECT_EQ(face->focusChild(), selected);
  EXPECT_EQ(face->indexOfChild(selected), 13);
  const QRect cell = selected->rect();
  EXPECT_TRUE(face->rect().contains(cell.center()));
  EXPECT_EQ(face->childAt(cell.center().x(), cell.center().y()), selected);

  // A screen reader may pick a day; the cells follow the month shown.
  EXPECT_TRUE(table->selectRow(4));
  EXPECT_EQ(Model().SelectedDay(), 5);
  EXPECT_EQ(table->selectedRows(), QList<int>{4});
  Key(Qt::Key_Right);
  EXPECT_EQ(table->rowCount(), 30);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Kalendář, Duben 2005"));
  EXPECT_EQ(cellText(0), QStringLiteral("pátek 1. dubna 2005, Hugo"));
  EXPECT_EQ(table->cellAt(30, 0), nullptr);
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
