// Deleting a day and a period and counting the records, through the main window's keys and menus.
#include <QAction>
#include <QDateEdit>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "core/Cp1250.h"
#include "view/DayDeletion.h"

namespace orv::test {
namespace {

using DeletionWindowTest = DialogWindowTest;

TEST_F(DeletionWindowTest, CtrlMDeletesTheTypedDayAfterTheQuestion) {
  window->View().FocusNote();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Note()->hasFocus(); }));
  Type(Note(), QStringLiteral("Porada"));
  Key(Qt::Key_Return);
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  ui.yesNoAnswers = {true};
  Key(Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kDeleteDayQuestion});
  EXPECT_EQ(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_TRUE(Note()->text().isEmpty());
  EXPECT_FALSE(Row(15).contains(QStringLiteral("Porada")));
  EXPECT_TRUE(Table()->hasFocus());
}

TEST_F(DeletionWindowTest, AltMRefusesAReversedPeriodThenDeletesTheChosenOne) {
  doc.StoreDay("2005/03/05", "5.", {}, {});
  doc.StoreDay("2005/03/20", "20.", {}, {});
  ui.yesNoAnswers = {true};
  WhenDialogOpens([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Smazat poznámky dní v období"));
    auto* from = dialog->findChild<QDateEdit*>(QStringLiteral("From"));
    auto* to = dialog->findChild<QDateEdit*>(QStringLiteral("To"));
    EXPECT_EQ(from->date(), QDate(2000, 1, 1));
    EXPECT_EQ(to->date(), QDate(2020, 12, 31));
    from->setDate(QDate(2005, 3, 6));
    to->setDate(QDate(2005, 3, 5));
    Click(dialog, QStringLiteral("OK"));
    EXPECT_TRUE(dialog->isVisible());
    from->setDate(QDate(2005, 3, 5));
    Click(dialog, QStringLiteral("OK"));
  });
  Key(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{kReversedPeriod, kDeletePeriodQuestion, "Počet vymazaných dnů : 1"}));
  EXPECT_EQ(doc.GetDayRecord("2005/03/05"), nullptr);
  EXPECT_NE(doc.GetDayRecord("2005/03/20"), nullptr);
  EXPECT_TRUE(doc.IsModified());

  ui.Clear();
  window->Frame().Action(cmd::RecordCount)->trigger();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Počet záznamů v kalendáři: 1"});
}

}  // namespace
}  // namespace orv::test
