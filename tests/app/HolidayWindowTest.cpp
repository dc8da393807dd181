// The holiday lists (F11) and changing the holidays (F12), driven through the main window.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include "DialogWindowFixture.h"
#include "core/Cp1250.h"
#include "view/MonthColours.h"

namespace orv::test {
namespace {

using HolidayWindowTest = DialogWindowTest;

// The colour of the first occurrence of `text` in a row of the month table, as 0x00BBGGRR.
uint32_t ColourOf(QTextEdit* table, int day, const QString& text) {
  const QTextBlock block = table->document()->findBlockByNumber(day - 1);
  const int at = block.text().indexOf(text);
  if (at < 0) return 0xFFFFFFFF;
  QTextCursor cursor(block);
  cursor.setPosition(block.position() + at + 1);
  const QColor colour = cursor.charFormat().foreground().color();
  return static_cast<uint32_t>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

TEST_F(HolidayWindowTest, F12AddsAPrivateHolidayThatTheMonthShowsInItsColour) {
  doc.StoreDay("2005/03/15", "Porada", {}, {});
  Model().DoMonth(15, 3, 2005);
  WhenDialogOpens([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Změnit svátky"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Month"))->text(), QStringLiteral("Březen"));
    EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("Days"))->currentRow(), 14);
    auto* days = dialog->findChild<QListWidget*>(QStringLiteral("Days"));
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualItemRect(days->item(16)).center());
    QTest::keyClick(days, Qt::Key_Up);  // 16 March: Elena and Herbert
    EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("Entries"))->count(), 2);
    dialog->findChild<QComboBox*>(QStringLiteral("Category"))->setCurrentIndex(3);
    auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry"));
    entry->setFocus();
    Type(entry, QStringLiteral("Teta Věra"));
    QTest::keyClick(entry, Qt::Key_Return);  // "Přidat" is the default button while the field has text
    EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("Entries"))->count(), 1);
    EXPECT_TRUE(entry->text().isEmpty());
    Click(dialog, QStringLiteral("OK"));
  });
  Key(Qt::Key_F12);
  EXPECT_EQ(Model().SelectedDate(), (Date{2005, 3, 16}));
  EXPECT_TRUE(Row(16).contains(QStringLiteral("Teta Věra")));
  EXPECT_EQ(ColourOf(Table(), 16, QStringLiteral("Teta Věra")), kCategoryLooks[kPrivateHolidays].colour);
  EXPECT_EQ(doc.m_Names.NamesOn(kPrivateHolidays, "03/16"),
            std::vector<std::string>{Cp1250FromUtf8("Teta Věra")});
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, "Porada");
  EXPECT_EQ(window->Frame().focusWidget(), Table());  // the window's focus, once it is active again
}

TEST_F(HolidayWindowTest, F12StornoAfterSeveralChangesLeavesTheCalendarAsItWas) {
  const std::vector<std::string> before = doc.m_Names.m_Slots[kNameDays].m_SeznamJmen;
  WhenDialogOpens([this](QWidget* dialog) {
    auto* entries = dialog->findChild<QListWidget*>(QStringLiteral("Entries"));
    auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry"));
    Type(entry, QStringLiteral("Ďobromil"));
    Click(dialog, QStringLiteral("Přidat"));
    entries->setCurrentRow(0);
    Click(dialog, QStringLiteral("Odstranit"));
    EXPECT_EQ(entries->count(), 1);
    Click(dialog, QStringLiteral("Storno"));
  });
  Key(Qt::Key_F12);
  EXPECT_EQ(doc.m_Names.m_Slots[kNameDays].m_SeznamJmen, before);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(HolidayWindowTest, F12RenamesTheChosenEntryInItsOwnDialog) {
  ASSERT_TRUE(Model().GoToDate({2005, 3, 16}));
  WhenDialogOpens([](QWidget* dialog) {
    auto* entries = dialog->findChild<QListWidget*>(QStringLiteral("Entries"));
    ASSERT_EQ(entries->count(), 2);
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {},
                      entries->visualItemRect(entries->item(1)).center());
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry"))->text(), QStringLiteral("Herbert"));
    WhenDialogOpens([](QWidget* rename) {
      EXPECT_EQ(rename->windowTitle(), QStringLiteral("Přejmenovat název"));
      rename->findChild<QLineEdit*>(QStringLiteral("NewName"))->setText(QStringLiteral("Heribert"));
      Click(rename, QStringLiteral("OK"));
    });
    Click(dialog, QStringLiteral("Přejmenovat"));
    EXPECT_EQ(entries->item(1)->text(), QStringLiteral("Heribert"));
    Click(dialog, QStringLiteral("OK"));
  });
  Key(Qt::Key_F12);
  EXPECT_TRUE(Row(16).contains(QStringLiteral("Heribert")));
  EXPECT_EQ(doc.m_Names.m_Slots[kNameDays].m_DatumPodleJmena.Find("Herbert"), nullptr);
}

TEST_F(HolidayWindowTest, F12RightOnDecemberShowsJanuary) {
  ASSERT_TRUE(Model().GoToDate({2005, 12, 10}));
  WhenDialogOpens([](QWidget* dialog) {
    auto* days = dialog->findChild<QListWidget*>(QStringLiteral("Days"));
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Right);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Month"))->text(), QStringLiteral("Leden"));
    EXPECT_EQ(days->count(), 31);
    EXPECT_EQ(days->currentRow(), 9);
    Click(dialog, QStringLiteral("Storno"));
  });
  Key(Qt::Key_F12);
  EXPECT_EQ(Model().SelectedDate(), (Date{2005, 12, 10}));
}

// The day being left keeps its note: the move commits it as it stands.
TEST_F(HolidayWindowTest, F11GoesToHorymirOnThe28thOfACommonYear) {
  doc.StoreDay("2005/03/15", "Porada", {}, {});
  Model().DoMonth(15, 3, 2005);
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Seznamy svátků"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Title"))->text(),
              QStringLiteral("Abecední seznam jmen"));
    Type(dialog->findChild<QLineEdit*>(QStringLiteral("Name")), QStringLiteral("horymír"));
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List"));
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(1), QStringLiteral("29. února"));
    Click(dialog, QStringLiteral("OK"));
  });
  Key(Qt::Key_F11);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nastavený rok není přestupný."});
  EXPECT_EQ(Model().SelectedDate(), (Date{2005, 2, 28}));
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, "Porada");
}

TEST_F(HolidayWindowTest, NamesDialogsWaitForTheNoteToBeFinished) {
  window->View().FocusNote();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Note()->hasFocus(); }));
  Key(Qt::Key_F11);
  Key(Qt::Key_F12);
  EXPECT_EQ(
      ui.Messages(),
      (std::vector<std::string>{
          "Před otevřením dialogu \"Svátky\" je nejprve\r\n\r\nnutno ukončit editování poznámky !",
          "Před otevřením dialogu \"Změna svátků\" je nejprve\r\n\r\nnutno ukončit editování poznámky !"}));
}

// An entry chosen with the keys goes into the new-entry field as a clicked one does; a rename to an
// empty name empties the field again.
TEST_F(HolidayWindowTest, F12KeysChooseAnEntryAndAnEmptyRenameEmptiesTheField) {
  ASSERT_TRUE(Model().GoToDate({2005, 3, 16}));
  WhenDialogOpens([](QWidget* dialog) {
    auto* entries = dialog->findChild<QListWidget*>(QStringLiteral("Entries"));
    auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry"));
    entries->setFocus();
    QTest::keyClick(entries, Qt::Key_Home);
    EXPECT_EQ(entry->text(), QStringLiteral("Elena"));
    QTest::keyClick(entries, Qt::Key_Down);
    EXPECT_EQ(entry->text(), QStringLiteral("Herbert"));
    QTest::keyClick(entries, Qt::Key_Up);
    EXPECT_EQ(entry->text(), QStringLiteral("Elena"));
    WhenDialogOpens([](QWidget* rename) {
      rename->findChild<QLineEdit*>(QStringLiteral("NewName"))->setText(QStringLiteral("  "));
      Click(rename, QStringLiteral("OK"));
    });
    Click(dialog, QStringLiteral("Přejmenovat"));
    EXPECT_EQ(entry->text(), QString());
    EXPECT_EQ(entries->count(), 2);
    // Typing selects the equal entry without writing over what is typed.
    Type(entry, QStringLiteral("elena"));
    EXPECT_EQ(entry->text(), QStringLiteral("elena"));
    Click(dialog, QStringLiteral("Storno"));
  });
  Key(Qt::Key_F12);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nový název je prázdný."});
}

// The dialogs in a real window, where the window manager gives the focus to the dialog that opens.
using HolidaysUnderWm = HolidayWindowTest;

TEST_F(HolidaysUnderWm, F12OpensWithTheFocusInTheNewEntryField) {
  WhenDialogOpens([](QWidget* dialog) {
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }));
    EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry")))
        << QApplication::focusWidget()->metaObject()->className();
    Click(dialog, QStringLiteral("Storno"));
  });
  Key(Qt::Key_F12);
}

// F12 worked with the keys alone where the window manager places the focus: an entry chosen with
// the arrows goes into the field, a name the month rows never show alone is refused, and an empty
// rename leaves the field empty.
TEST_F(HolidaysUnderWm, F12WorkedWithTheKeysAlone) {
  ASSERT_TRUE(Model().GoToDate({2005, 3, 16}));
  WhenDialogOpens([this](QWidget* dialog) {
    auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry"));
    auto* entries = dialog->findChild<QListWidget*>(QStringLiteral("Entries"));
    ASSERT_TRUE(QTest::qWaitFor([entry] { return entry->hasFocus(); }));
    Type(QApplication::focusWidget(), QStringLiteral("Eva"));
    Key(Qt::Key_Return);
    EXPECT_EQ(entries->count(), 2);
    EXPECT_EQ(ui.Messages().size(), 1u);
    ui.Clear();
    entry->clear();
    for (int tab = 0; tab < 10 && QApplication::focusWidget() != entries; ++tab) Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), entries);
    Key(Qt::Key_End);
    EXPECT_EQ(entry->text(), QStringLiteral("Herbert"));
    Key(Qt::Key_Up);
    EXPECT_EQ(entry->text(), QStringLiteral("Elena"));
    WhenDialogOpens([](QWidget* rename) {
      ASSERT_TRUE(QTest::qWaitFor([rename] { return rename->isAncestorOf(QApplication::focusWidget()); }));
      Key(Qt::Key_A, Qt::ControlModifier);
      Key(Qt::Key_Delete);
      Key(Qt::Key_Return);
    });
    Click(dialog, QStringLiteral("Přejmenovat"));
    EXPECT_EQ(entry->text(), QString());
    EXPECT_EQ(entries->count(), 2);
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }));
    Key(Qt::Key_Escape);
  });
  Key(Qt::Key_F12);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nový název je prázdný."});
  EXPECT_FALSE(Row(16).contains(QStringLiteral("Eva")));
}

}  // namespace
}  // namespace orv::test
