// The main window bound to a calendar, driven as the user drives it: keys and clicks in the month
// table, the note field and the commentary panes, the menu commands, saving and opening.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <cmath>

#include "CalendarBuilder.h"
#include "DialogWindowFixture.h"
#include "FakeUiServices.h"
#include "TestWindow.h"
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/CommentaryEditor.h"
#include "ui/CalendarView.h"
#include "ui/HelpWindow.h"
#include "ui/RichTextView.h"
#include "ui/StyleBar.h"
#include "view/CalendarViewModel.h"

namespace orv {

void PrintTo(const Date& date, std::ostream* out) {
  *out << date.year << '-' << date.month << '-' << date.day;
}

namespace {

constexpr const char* kBaseFace = test::kTestBaseFace;
using test::Key;
using test::Type;

class CalendarWindowTest : public test::DialogWindowTest {
 protected:
  CMainFrame& Frame() const { return window->Frame(); }
  Date Selected() const { return Model().SelectedDate(); }

  void GoTo(const Date& date) {
    ASSERT_TRUE(Model().GoToDate(date));
    window->View().Refresh();
  }
  // Gives the focus to a widget and waits until it has it.
  static void Focus(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }));
  }
  QPoint RowPoint(int day) const {
    QTextCursor cursor(Table()->document()->findBlockByNumber(day - 1));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 4);
    return Table()->cursorRect(cursor).center();
  }
  // The table shows the selection the model made: the first 8 characters of the selected row.
  void ExpectTableShowsSelection() const {
    const QTextCursor cursor = Table()->textCursor();
    EXPECT_EQ(cursor.block().blockNumber(), Selected().day - 1);
    EXPECT_EQ(cursor.selectionStart(), cursor.block().position());
    EXPECT_EQ(cursor.selectionEnd() - cursor.selectionStart(), 8);
  }
};

TEST_F(CalendarWindowTest, StartsOnTodayWithTheTableFocusedAndTheDocumentUnmodified) {
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));
  EXPECT_EQ(window->View().Caption()->text(), QStringLiteral("Březen  2005"));
  EXPECT_EQ(Table()->document()->blockCount(), 31);
  EXPECT_TRUE(Table()->isReadOnly());
  ExpectTableShowsSelection();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(Frame().isWindowModified());
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Nepojmenovaný[*] – Orvella 2"));
  EXPECT_EQ(Frame().windowHandle()->title(), QStringLiteral("Nepojmenovaný – Orvella 2"));
}

TEST_F(CalendarWindowTest, TableKeysMoveByDayMonthAndYearWithinTheRange) {
  struct Case {
    Date from;
    int key;
    Qt::KeyboardModifiers modifiers;
    Date to;
  };
  const Case cases[] = {
      {{2004, 3, 1}, Qt::Key_Up, {}, {2004, 2, 29}},
      {{2005, 1, 31}, Qt::Key_Down, {}, {2005, 2, 1}},
      {{2005, 3, 15}, Qt::Key_Down, {}, {2005, 3, 16}},
      {{2020, 12, 31}, Qt::Key_Down, {}, {2020, 12, 31}},
      {{2000, 1, 1}, Qt::Key_Up, {}, {2000, 1, 1}},
      {{2005, 1, 31}, Qt::Key_Right, {}, {2005, 2, 28}},
      {{2005, 1, 15}, Qt::Key_Left, {}, {2004, 12, 15}},
      {{2020, 12, 15}, Qt::Key_Right, {}, {2020, 12, 15}},
      {{2000, 1, 15}, Qt::Key_Left, {}, {2000, 1, 15}},
      {{2004, 2, 29}, Qt::Key_Right, Qt::ControlModifier, {2005, 2, 28}},
      {{2020, 6, 1}, Qt::Key_Right, Qt::ControlModifier, {2020, 6, 1}},
      {{2005, 3, 15}, Qt::Key_Home, {}, {2005, 3, 1}},
      {{2005, 3, 15}, Qt::Key_PageDown, {}, {2005, 3, 31}},
      {{2005, 3, 31}, Qt::Key_Home, Qt::ControlModifier, {2005, 1, 31}},
      {{2005, 3, 31}, Qt::Key_PageDown, Qt::ControlModifier, {2005, 12, 31}},
      {{2005, 3, 15}, Qt::Key_Down, Qt::ShiftModifier, {2005, 3, 15}},
  };
  for (const Case& c : cases) {
    GoTo(c.from);
    QTest::keyClick(Table(), static_cast<Qt::Key>(c.key), c.modifiers);
    EXPECT_EQ(Selected(), c.to) << "key " << c.key << " from " << testing::PrintToString(c.from);
    ExpectTableShowsSelection();
  }
  EXPECT_TRUE(ui.events.empty());
  GoTo({2005, 1, 31});
  QTest::keyClick(Table(), Qt::Key_Down);
  EXPECT_EQ(window->View().Caption()->text(), QStringLiteral("Únor  2005"));
  EXPECT_EQ(Table()->document()->blockCount(), 28);
}

TEST_F(CalendarWindowTest, HeldArrowMovesOneMonthAndTheEdgesDisableTheirCommands) {
  for (bool autoRepeat : {false, true, true}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(Table(), &press);
  }
  EXPECT_EQ(Selected(), (Date{2005, 4, 15}));

  GoTo({2020, 12, 10});
  Frame().UpdateCommandUI();
  EXPECT_FALSE(Frame().Action(cmd::NextMonth)->isEnabled());
  EXPECT_FALSE(Frame().Action(cmd::NextYear)->isEnabled());
  EXPECT_TRUE(Frame().Action(cmd::PrevMonth)->isEnabled());
  Frame().Action(cmd::January)->trigger();
  EXPECT_EQ(Selected(), (Date{2020, 1, 10}));
  Frame().Action(cmd::NextMonth)->trigger();
  EXPECT_EQ(Selected(), (Date{2020, 2, 10}));
}

// Under X11 a held key arrives as release and press pairs stamped with the same server time, often
// without Qt's repeat flag; separate presses, however quick, are milliseconds apart.
TEST_F(CalendarWindowTest, HeldKeyUnderX11ActsOnceAndQuickSeparatePressesEachAct) {
  const auto send = [&](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, quint64 time) {
    QKeyEvent event(type, key, modifiers);
    event.setTimestamp(time);
    QApplication::sendEvent(Table(), &event);
  };
  const auto hold = [&](int key, Qt::KeyboardModifiers modifiers, quint64 from) {
    send(QEvent::KeyPress, key, modifiers, from);
    for (quint64 t = from + 500; t < from + 1500; t += 40) {
      send(QEvent::KeyRelease, key, modifiers, t);
      send(QEvent::KeyPress, key, modifiers, t);
    }
    send(QEvent::KeyRelease, key, modifiers, from + 1520);
  };
  hold(Qt::Key_Left, {}, 1000);
  EXPECT_EQ(Selected(), (Date{2005, 2, 15}));
  hold(Qt::Key_Left, Qt::ControlModifier, 3000);
  EXPECT_EQ(Selected(), (Date{2004, 2, 15}));
  for (quint64 t : {5000, 5060, 5120}) {
    send(QEvent::KeyPress, Qt::Key_Right, {}, t);
    send(QEvent::KeyRelease, Qt::Key_Right, {}, t + 25);
  }
  EXPECT_EQ(Selected(), (Date{2004, 5, 15}));
}

// A stored commentary the editor cannot hold (far more paragraphs than its bound) is refused with a
// message; its pane stays empty and locked, and leaving the day keeps the commentary as it was.
TEST_F(CalendarWindowTest, CommentaryTheEditorRefusesStaysInTheCalendar) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 120000; ++i) rtf += "\\par";
  rtf += " konec}";
  test::CalendarBuilder(doc).Day("2005/03/16", "den", "konec", rtf);
  GoTo({2005, 3, 16});
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Výklad je příliš velký"});
  EXPECT_TRUE(Frame().DayEditor()->isReadOnly());
  Frame().DayEditor()->insertPlainText(QStringLiteral("přepsáno"));  // refused by the lock

  GoTo({2005, 3, 17});
  EXPECT_FALSE(Frame().DayEditor()->isReadOnly());
  const CEntrTxt* record = doc.GetDayRecord("2005/03/16");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->m_Rtf, rtf);
  EXPECT_EQ(record->m_Text, "konec");
  EXPECT_FALSE(doc.IsModified());
}

// Alt+digit (the paragraph styles), Alt+letter and Ctrl+Alt keys, of commands or of none, type
// nothing, with or without a selection; Ctrl+U (the program's underline) does not clear the note.
// Keys that open a menu or a dialog (Alt+B, Alt+M) have tests of their own.
TEST_F(CalendarWindowTest, KeysWithAltOrCtrlNeverTypeIntoTheEditorsOrTheNote) {
  const auto pressAll = [] {
    for (int key : {Qt::Key_1, Qt::Key_3, Qt::Key_K, Qt::Key_Y}) Key(key, Qt::AltModifier);
    Key(Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
  };
  for (QTextEdit* editor : {Frame().DayEditor(), Frame().MonthEditor()}) {
    Focus(editor);
    Type(editor, QStringLiteral("řádek"));
    pressAll();
    editor->selectAll();
    pressAll();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("řádek"));
  }
  Focus(Note());
  Type(Note(), QStringLiteral("poznámka"));
  pressAll();
  Note()->selectAll();
  pressAll();
  Key(Qt::Key_U, Qt::ControlModifier);
  Key(Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(Note()->text(), QStringLiteral("poznámka"));
}

// Alt+R gives the focus to the menu bar before the menu asks for its enabling; the commands still
// follow the day editor the user was in.
TEST_F(CalendarWindowTest, KeyboardOpenedEditMenuFollowsThePaneThatHadTheFocus) {
  Focus(Frame().DayEditor());
  Type(Frame().DayEditor(), QStringLiteral("výklad"));
  Frame().DayEditor()->selectAll();
  bool cutEnabled = false;
  QString title;
  QTimer::singleShot(50, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    title = menu->title();
    cutEnabled = Frame().Action(cmd::EditCut)->isEnabled();
    menu->close();
  });
  Key(Qt::Key_R, Qt::AltModifier);
  QTest::qWait(100);
  EXPECT_EQ(title, QStringLiteral("Úp&ravy"));
  EXPECT_TRUE(cutEnabled);
}

// The note field's own menu: Czech items, and in view-only mode only copying and selecting, which copies.
TEST_F(CalendarWindowTest, NoteMenuIsCzechAndFollowsViewOnly) {
  Focus(Note());
  Type(Note(), QStringLiteral("poznámka"));
  Note()->selectAll();
  QGuiApplication::clipboard()->setText(QStringLiteral("schránka"));
  // The items as listed ("-" before a greyed one); `choose` is then chosen.
  const auto menuItems = [&](const QString& choose = {}) {
    QStringList items;
    QTimer::singleShot(0, [&] {
      QWidget* popup = QApplication::activePopupWidget();
      ASSERT_NE(popup, nullptr);
      QAction* chosen = nullptr;
      for (QAction* action : popup->actions())
        if (!action->isSeparator()) {
          const QString item = action->text().remove(QLatin1Char('&'));
          items << (action->isEnabled() ? QString() : QStringLiteral("-")) + item;
          if (item == choose) chosen = action;
        }
      if (!chosen) {
        popup->close();
        return;
      }
      auto* menu = qobject_cast<QMenu*>(popup);
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), Note()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Note(), &event);
    return items.join(QLatin1Char('|'));
  };
  EXPECT_EQ(menuItems(), QStringLiteral("Zpět|Vyjmout|Zkopírovat|Vložit|Odstranit|Vybrat vše"));
  Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
  Focus(Table());
  Frame().Action(cmd::ViewOnly)->trigger();
  ASSERT_TRUE(Note()->isReadOnly());
  Focus(Note());
  Note()->selectAll();  // kept when the menu gives the focus back, for the entry chosen
  EXPECT_EQ(menuItems(QStringLiteral("Zkopírovat")),
            QStringLiteral("-Zpět|-Vyjmout|Zkopírovat|-Vložit|-Odstranit|Vybrat vše"));
  EXPECT_EQ(Note()->text(), QStringLiteral("poznámka"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("poznámka"));
}

// A calendar file dropped on the note field or an editor opens as on the window; nothing goes into
// the text.
TEST_F(CalendarWindowTest, CalendarDroppedOnTheNoteOrAnEditorOpens) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("upustený.orv"));
  ASSERT_TRUE(doc.OnSaveDocument(path.toStdString()));
  ASSERT_TRUE(doc.OnNewDocument());
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  data.setText(path);
  for (QWidget* target : {static_cast<QWidget*>(Note()), Frame().DayEditor()->viewport()}) {
    Frame().Action(cmd::FileNew)->trigger();
    ASSERT_TRUE(doc.GetPathName().empty());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(QString::fromStdString(doc.GetPathName()), path);
    EXPECT_TRUE(Note()->text().isEmpty());
    EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  }
}

double Luminance(const QColor& color) {
  const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Under a dark theme the table and the editors stay paper, so every piece of every row (day
// numbers, holidays, notes) keeps a readable contrast; the window's shot is left beside the tests.
TEST_F(CalendarWindowTest, DarkThemeLeavesTheTableAndEditorsReadable) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
  dark.setColor(QPalette::Base, QColor(25, 25, 25));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  GoTo({2005, 1, 1});
  Focus(Frame().DayEditor());
  Type(Frame().DayEditor(), QStringLiteral("Výklad dne"));
  Focus(Table());
  for (QTextEdit* pane : {Table(), Frame().MonthEditor(), Frame().DayEditor()})
    EXPECT_EQ(pane->palette().color(QPalette::Base), QColor(Qt::white)) << pane->objectName().toStdString();
  EXPECT_EQ(Frame().DayEditor()->palette().color(QPalette::Text), QColor(Qt::black));
  double worst = 100;
  for (QTextBlock block = Table()->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (it.fragment().text().trimmed().isEmpty()) continue;
      const QColor text = format.foreground().style() == Qt::NoBrush
                              ? Table()->palette().color(QPalette::Text)
                              : format.foreground().color();
      const QColor paper = format.background().style() == Qt::NoBrush
                               ? Table()->palette().color(QPalette::Base)
                               : format.background().color();
      worst = std::min(worst, Contrast(text, paper));
    }
  }
  EXPECT_GE(worst, 3.0);
  QApplication::processEvents();
  Frame().grab().save(qEnvironmentVariable("ORV_BINARY_DIR") + QStringLiteral("/tests/dark-theme.png"));
  QApplication::setPalette(light);
}

// The first window fits the screen's free area; the calendar pane is as wide as the widest row of
// the month (January's long holiday names), within half of the window.
TEST_F(CalendarWindowTest, FirstWindowFitsTheScreenAndTheCalendarPaneItsWidestRow) {
  EXPECT_GT(Frame().CalendarPane()->width(), 200);  // March 2005 at the first show
  const QRect room = Frame().screen()->availableGeometry();
  EXPECT_LE(Frame().frameGeometry().width(), room.width());
  EXPECT_LE(Frame().frameGeometry().height(), room.height());
  Frame().resize(1400, 700);
  GoTo({2005, 1, 1});
  Frame().FitCalendarPane();
  QApplication::processEvents();
  EXPECT_EQ(Table()->horizontalScrollBar()->maximum(), 0);
  EXPECT_LE(Frame().CalendarPane()->width(), Frame().width() / 2);
  Frame().resize(600, 500);
  Frame().FitCalendarPane();
  EXPECT_LE(Frame().CalendarPane()->width(), 300);
}

// F1 opens the guide with its contents, the program's own command table and a search; F1 in a
// dialog opens it at that dialog's section, usable while the dialog is open.
TEST_F(CalendarWindowTest, F1OpensTheGuideAndF1InADialogItsSection) {
  Key(Qt::Key_F1);
  auto* help = static_cast<CHelpWindow*>(Frame().findChild<QWidget*>(QStringLiteral("HelpWindow")));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  const QString text = help->Browser()->toPlainText();
  for (const char* expected : {"Tabulka měsíce: sloupce a barvy", "Syntaxe výrazu", "Příkazový řádek: orv",
                               "Jdi na ...", "Ctrl+G", "Připojit ke kalendáři ...", "Zablokovat zapisování"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
  EXPECT_GE(help->Contents()->count(), 12);
  help->SearchField()->setText(QStringLiteral("velikonoční"));
  QTest::keyClick(help->SearchField(), Qt::Key_Return);
  EXPECT_EQ(help->Browser()->textCursor().selectedText(), QStringLiteral("Velikonoční"));
  help->close();

  QString section;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_F1);
    auto* dialogHelp = static_cast<CHelpWindow*>(dialog->findChild<QWidget*>(QStringLiteral("HelpWindow")));
    ASSERT_NE(dialogHelp, nullptr);
    section = dialogHelp->Contents()->currentItem()->text().trimmed();
    dialogHelp->close();
    static_cast<QDialog*>(dialog)->reject();
  });
  Frame().Action(cmd::GoTo)->trigger();
  EXPECT_EQ(section, QStringLiteral("Jdi na datum"));
}

TEST_F(CalendarWindowTest, HistoryGoesBackAndForthAndANewVisitComesFirst) {
  Key(Qt::Key_Down);  // 16
  Key(Qt::Key_Down);  // 17
  EXPECT_FALSE(Frame().Action(cmd::HistoryForward)->isEnabled());
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Selected(), (Date{2005, 3, 16}));
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));
  EXPECT_TRUE(Frame().Action(cmd::HistoryForward)->isEnabled());
  Key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Selected(), (Date{2005, 3, 16}));
  EXPECT_TRUE(Table()->hasFocus());

  Key(Qt::Key_End);  // a new visit goes to the front, the history keeps its order of visits
  EXPECT_EQ(Selected(), (Date{2005, 3, 31}));
  EXPECT_FALSE(Frame().Action(cmd::HistoryForward)->isEnabled());
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Selected(), (Date{2005, 3, 17}));
}

TEST_F(CalendarWindowTest, NoteAndCommentariesSurviveAMoveAwayAndBack) {
  Key(Qt::Key_F2);
  ASSERT_TRUE(Note()->hasFocus());
  Type(Note(), QStringLiteral("Schůzka v 10"));
  EXPECT_TRUE(Frame().isWindowModified());
  Key(Qt::Key_Down);  // swallowed by the note field
  EXPECT_TRUE(Note()->hasFocus());
  Frame().Action(cmd::NextMonth)->trigger();  // refused while the note is being written
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nejprve je nutno ukončit editování poznámky !"});
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));

  Key(Qt::Key_Escape);  // back to the table, which stores the note
  ASSERT_TRUE(Table()->hasFocus());
  Key(Qt::Key_F2);
  Key(Qt::Key_Return);  // the same
  ASSERT_TRUE(Table()->hasFocus());
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("Schůzka v 10"));
  EXPECT_TRUE(Row(15).endsWith(QStringLiteral("Schůzka v 10"))) << Row(15).toStdString();

  Key(Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(Frame().DayEditor()->hasFocus());
  Type(Frame().DayEditor(), QStringLiteral("Výklad dne"));
  Key(Qt::Key_W, Qt::AltModifier);
  ASSERT_TRUE(Frame().MonthEditor()->hasFocus());
  Type(Frame().MonthEditor(), QStringLiteral("Březnové plány"));
  Key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_TRUE(Table()->hasFocus());
  Key(Qt::Key_Down);
  EXPECT_TRUE(Note()->text().isEmpty());
  EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  EXPECT_EQ(Frame().MonthEditor()->toPlainText(), QStringLiteral("Březnové plány"));
  Key(Qt::Key_Right);
  EXPECT_TRUE(Frame().MonthEditor()->toPlainText().isEmpty());

  Key(Qt::Key_Left);
  Key(Qt::Key_Up);
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));
  EXPECT_EQ(Note()->text(), QStringLiteral("Schůzka v 10"));
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), QStringLiteral("Výklad dne"));
  EXPECT_EQ(Frame().MonthEditor()->toPlainText(), QStringLiteral("Březnové plány"));
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Text, Cp1250FromUtf8("Výklad dne"));
  // The day with a commentary shows its number in bold.
  QTextCursor dayNumber(Table()->document()->findBlockByNumber(14));
  dayNumber.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 5);
  EXPECT_EQ(dayNumber.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(CalendarWindowTest, LookingAtDaysDoesNotModifyTheCalendar) {
  const std::string rtf = "{\\rtf1\\ansi\\ansicpg1250 {\\b tu\\'e8n\\'e9}}";
  doc.StoreDay("2005/03/16", Cp1250FromUtf8("Poznámka"), rtf, Cp1250FromUtf8("tučné"));
  doc.SetModifiedFlag(false);
  Key(Qt::Key_Down);
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), QStringLiteral("tučné"));
  Key(Qt::Key_Down);
  Key(Qt::Key_Up);
  Focus(Note());
  Focus(Table());
  Focus(Frame().DayEditor());  // the caret goes in and out, the text stays as loaded
  Key(Qt::Key_End);
  Focus(Table());
  Key(Qt::Key_Down);
  Key(Qt::Key_Up);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetDayRecord("2005/03/16")->m_Rtf, rtf);
}

TEST_F(CalendarWindowTest, ClickSelectsTheRowAndNeitherDoubleClickNorDragSelectsMore) {
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("psáno"));
  QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, RowPoint(10));
  EXPECT_EQ(Selected(), (Date{2005, 3, 10}));
  ExpectTableShowsSelection();
  EXPECT_NE(doc.GetDayRecord("2005/03/15"), nullptr);  // the day left was stored

  QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, RowPoint(20));
  QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, RowPoint(20));
  EXPECT_EQ(Selected(), (Date{2005, 3, 20}));
  ExpectTableShowsSelection();

  QTest::mousePress(Table()->viewport(), Qt::LeftButton, {}, RowPoint(5));
  QTest::mouseMove(Table()->viewport(), RowPoint(8));
  QTest::mouseRelease(Table()->viewport(), Qt::LeftButton, {}, RowPoint(8));
  EXPECT_EQ(Selected(), (Date{2005, 3, 5}));
  ExpectTableShowsSelection();
}

TEST_F(CalendarWindowTest, SavedNotesAndCommentariesComeBackWhenTheFileIsOpened) {
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("deník.orv")).toStdString();
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("Narozeniny Aničky"));
  Key(Qt::Key_W, Qt::ControlModifier);
  Type(Frame().DayEditor(), QStringLiteral("Dort a svíčky"));
  Key(Qt::Key_W, Qt::AltModifier);
  Type(Frame().MonthEditor(), QStringLiteral("Jaro"));

  ui.fileAnswers.push_back(path);  // saved without leaving the day
  Frame().Action(cmd::FileSaveAs)->trigger();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("deník.orv[*] – Orvella 2"));

  Frame().Action(cmd::FileNew)->trigger();
  EXPECT_TRUE(Note()->text().isEmpty());
  EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  EXPECT_TRUE(Frame().MonthEditor()->toPlainText().isEmpty());
  EXPECT_FALSE(Row(15).contains(QStringLiteral("Aničky")));

  GoTo({2010, 6, 1});
  ASSERT_TRUE(window->Commands().OpenFile(path));
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));
  EXPECT_FALSE(Model().History().CanGoBack());
  EXPECT_EQ(Note()->text(), QStringLiteral("Narozeniny Aničky"));
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), QStringLiteral("Dort a svíčky"));
  EXPECT_EQ(Frame().MonthEditor()->toPlainText(), QStringLiteral("Jaro"));
  EXPECT_TRUE(Row(15).endsWith(QStringLiteral("Narozeniny Aničky")));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CalendarWindowTest, CommentaryTypedInTheDayEditorSurvivesMovesAndReopening) {
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("den.orv")).toStdString();
  Key(Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(Frame().DayEditor()->hasFocus());
  QTest::keyClicks(Frame().DayEditor(), QStringLiteral("Vylet na hory"));
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Table()->hasFocus());
  Key(Qt::Key_Down);
  EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  Key(Qt::Key_Up);
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), QStringLiteral("Vylet na hory"));

  ui.fileAnswers.push_back(path);
  Frame().Action(cmd::FileSaveAs)->trigger();
  Frame().Action(cmd::FileNew)->trigger();
  EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  ASSERT_TRUE(window->Commands().OpenFile(path));
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), QStringLiteral("Vylet na hory"));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(ui.Messages().empty());
}

// Another program (orv) changes the open calendar's file: Ctrl+S asks before saving over it, "Ne" by
// default, and "Ne" leaves the other program's change on disk and the window's changes unsaved.
TEST_F(CalendarWindowTest, CalendarChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo) {
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("spolecny.orv")).toStdString();
  ui.fileAnswers.push_back(path);
  Frame().Action(cmd::FileSaveAs)->trigger();
  test::FakeUiServices quiet;
  CTedDoc other(quiet);
  ASSERT_TRUE(other.OnOpenDocument(path));
  other.StoreDay("2005/03/20", "od orv", "", "");
  ASSERT_TRUE(other.OnSaveDocument(path));
  const auto bytes = [&] {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray theirs = bytes();

  Key(Qt::Key_W, Qt::ControlModifier);
  Type(Frame().DayEditor(), QStringLiteral("Z okna"));
  ui.Clear();
  ui.yesNoAnswers = {false};
  Key(Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].text, "Soubor " + path + " byl mezitím změněn jiným programem. Přepsat jej?");
  EXPECT_TRUE(ui.events[0].defaultNo);
  EXPECT_EQ(bytes(), theirs);
  EXPECT_TRUE(doc.IsModified());

  ui.yesNoAnswers = {true};
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_NE(bytes(), theirs);
  EXPECT_EQ(ui.Messages().size(), 2u);
}

// "Standard1" is bold, 180 twips (9 points), in the base face.
TEST_F(CalendarWindowTest, EmptyCommentaryStartsInStandard1AndOnlyTypingModifiesTheCalendar) {
  QComboBox* charStyles = Frame().StyleBar()->CharStyleCombo();
  EXPECT_FALSE(charStyles->isEnabled());
  QStringList names;
  for (int i = 0; i < charStyles->count(); ++i) names << charStyles->itemText(i);
  EXPECT_EQ(names.join(QLatin1Char('|')), QStringLiteral("Nadpis1|Nadpis2|Standard1|Standard2"));
  EXPECT_EQ(Frame().StyleBar()->ParStyleCombo()->count(), 4);
  EXPECT_GT(Frame().StyleBar()->FaceCombo()->count(), 0);

  Key(Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(Frame().DayEditor()->hasFocus());
  EXPECT_TRUE(charStyles->isEnabled());
  EXPECT_TRUE(Frame().StyleBar()->FaceCombo()->isEnabled());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Frame().windowHandle()->title(), QStringLiteral("Nepojmenovaný – Orvella 2"));

  QTest::keyClicks(Frame().DayEditor(), QStringLiteral("Pozor"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Frame().windowHandle()->title(), QStringLiteral("Nepojmenovaný* – Orvella 2"));
  QTextCursor typed(Frame().DayEditor()->document());
  typed.setPosition(3);
  EXPECT_EQ(typed.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(typed.charFormat().fontPointSize(), 9.0);
  EXPECT_EQ(typed.charFormat().fontFamilies().toStringList().value(0), QString::fromLatin1(kBaseFace));

  Key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(charStyles->isEnabled());
}

// The formatting toolbar shows the format of the focused editor's selection, without choosing it.
TEST_F(CalendarWindowTest, StyleBarFollowsTheSelectionOfTheFocusedEditor) {
  CStyleBar* bar = Frame().StyleBar();
  const std::vector<QComboBox*> combos{bar->FaceCombo(), bar->SizeCombo(), bar->ScriptCombo(),
                                       bar->CharStyleCombo(), bar->ParStyleCombo()};
  int chosen = 0;
  for (QComboBox* combo : combos) {
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [&chosen] { ++chosen; });
    QObject::connect(combo, &QComboBox::activated, combo, [&chosen] { ++chosen; });
  }
  auto shown = [&] {
    QStringList texts;
    for (QComboBox* combo : combos) texts << combo->currentText();
    return texts.join(QLatin1Char('|')).toStdString();
  };
  const std::string face = kBaseFace;
  const std::string standard1 = face + "|9|Středoevropský|Standard1|Normal1";

  Key(Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(Frame().DayEditor()->hasFocus());
  EXPECT_EQ(shown(), standard1);  // an empty commentary starts in Normal1
  QTest::keyClicks(Frame().DayEditor(), QStringLiteral("Pozor"));
  EXPECT_EQ(shown(), standard1);

  Key(Qt::Key_Left, Qt::ShiftModifier);
  Key(Qt::Key_Left, Qt::ShiftModifier);
  ASSERT_TRUE(static_cast<CRichTextView*>(Frame().DayEditor())->Editor().ApplyStyleByName("Nadpis1"));
  EXPECT_EQ(shown(), face + "|12|Středoevropský|Nadpis1|Normal1");
  Key(Qt::Key_A, Qt::ControlModifier);  // both styles: the size is not the same over the selection
  EXPECT_EQ(shown(), face + "||Středoevropský||Normal1");
  Key(Qt::Key_Home);
  Key(Qt::Key_Right);
  EXPECT_EQ(shown(), standard1);

  Key(Qt::Key_Q, Qt::ControlModifier);  // the month editor's empty commentary, reached from the table
  Key(Qt::Key_W, Qt::AltModifier);
  ASSERT_TRUE(Frame().MonthEditor()->hasFocus());
  EXPECT_EQ(shown(), standard1);
  EXPECT_EQ(chosen, 0);
}

TEST_F(CalendarWindowTest, EditorsWriteCaretAndOverwriteIntoTheStatusBar) {
  Key(Qt::Key_W, Qt::AltModifier);
  ASSERT_TRUE(Frame().MonthEditor()->hasFocus());
  EXPECT_EQ(Frame().StatusPane(1), QStringLiteral("ř 1,  s 1"));
  QTest::keyClicks(Frame().MonthEditor(), QStringLiteral("ab"));
  EXPECT_EQ(Frame().StatusPane(1), QStringLiteral("ř 1,  s 3"));
  Key(Qt::Key_Insert);
  EXPECT_EQ(Frame().StatusPane(5), QStringLiteral("PŘES"));  // written "\tPŘES": centred
  EXPECT_TRUE(Frame().findChild<QLabel*>(QStringLiteral("StatusPane5"))->alignment() & Qt::AlignHCenter);
  Key(Qt::Key_Home);
  QTest::keyClicks(Frame().MonthEditor(), QStringLiteral("X"));
  EXPECT_EQ(Frame().MonthEditor()->toPlainText(), QStringLiteral("Xb"));
  Key(Qt::Key_Insert);
  EXPECT_TRUE(Frame().StatusPane(5).isEmpty());
}

TEST_F(CalendarWindowTest, MenuClipboardCommandsFollowTheEditorsRules) {
  auto* image = new QMimeData;
  image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
  QGuiApplication::clipboard()->setMimeData(image);
  Focus(Frame().DayEditor());
  QAction* paste = Frame().Action(cmd::EditPaste);
  ASSERT_TRUE(paste->isEnabled());
  paste->trigger();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"ve Schránce neni text"});
  EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  EXPECT_FALSE(doc.IsModified());

  QGuiApplication::clipboard()->setText(QStringLiteral("vloženo"));
  paste->trigger();
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), QStringLiteral("vloženo"));
  EXPECT_TRUE(doc.IsModified());

  Frame().DayEditor()->selectAll();
  QGuiApplication::clipboard()->clear();
  Frame().Action(cmd::EditCut)->trigger();
  EXPECT_TRUE(Frame().DayEditor()->toPlainText().isEmpty());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("vloženo"));
  QTest::keyClicks(Frame().DayEditor(), QStringLiteral("z"));  // an emptied editor types in Standard1
  QTextCursor typed(Frame().DayEditor()->document());
  typed.setPosition(1);
  EXPECT_EQ(typed.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(typed.charFormat().fontPointSize(), 9.0);
}

TEST_F(CalendarWindowTest, MissingBaseFaceIsReportedOncePerNewCalendar) {
  Frame().SetBaseFont(Cp1250FromUtf8("Neznámé písmo"));
  Frame().Action(cmd::FileNew)->trigger();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Pismo Neznámé písmo neexistuje."});
}

TEST_F(CalendarWindowTest, ViewOnlyLocksTheTextsAndTakesSavingFromTheMenus) {
  QAction* viewOnly = Frame().Action(cmd::ViewOnly);
  Focus(Note());
  EXPECT_FALSE(viewOnly->isEnabled());  // only from the month table
  Focus(Table());
  ASSERT_TRUE(viewOnly->isEnabled());
  viewOnly->trigger();
  const QColor silver(192, 192, 192);
  EXPECT_TRUE(Note()->isReadOnly());
  for (QTextEdit* editor : {Frame().MonthEditor(), Frame().DayEditor()}) {
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_EQ(editor->palette().color(QPalette::Base), silver);
  }
  EXPECT_EQ(viewOnly->text(), QStringLiteral("Povolit &zapisování"));
  for (int id : {cmd::FileSave, cmd::FileSaveAs, cmd::ViewStyleBar})
    EXPECT_FALSE(Frame().Action(id)->isVisible());
  EXPECT_TRUE(Frame().StyleBar()->isHidden());

  Focus(Note());  // moving needs no finished note now
  Frame().Action(cmd::NextMonth)->trigger();
  EXPECT_EQ(Selected(), (Date{2005, 4, 15}));
  EXPECT_TRUE(ui.events.empty());

  Focus(Table());
  viewOnly->trigger();
  EXPECT_FALSE(Note()->isReadOnly());
  for (QTextEdit* editor : {Frame().MonthEditor(), Frame().DayEditor()}) {
    EXPECT_FALSE(editor->isReadOnly());
    EXPECT_NE(editor->palette().color(QPalette::Base), silver);
  }
  EXPECT_EQ(viewOnly->text(), QStringLiteral("&Zablokovat zapisování"));
  for (int id : {cmd::FileSave, cmd::FileSaveAs, cmd::ViewStyleBar})
    EXPECT_TRUE(Frame().Action(id)->isVisible());
  EXPECT_FALSE(Frame().StyleBar()->isHidden());
}

// In view-only mode no command and no key may take text from a pane or put text into one.
TEST_F(CalendarWindowTest, ViewOnlyRefusesCutAndPasteInTheNoteAndBothEditors) {
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("poznámka"));
  Key(Qt::Key_W, Qt::ControlModifier);
  Type(Frame().DayEditor(), QStringLiteral("den"));
  Key(Qt::Key_W, Qt::AltModifier);
  Type(Frame().MonthEditor(), QStringLiteral("měsíc"));
  Key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_TRUE(Table()->hasFocus());
  Frame().Action(cmd::ViewOnly)->trigger();
  doc.SetModifiedFlag(false);

  struct Attempt {
    const char* what;
    std::function<void()> act;
  };
  const Attempt attempts[] = {
      {"Vyjmout", [&] { Frame().Action(cmd::EditCut)->trigger(); }},
      {"Vložit", [&] { Frame().Action(cmd::EditPaste)->trigger(); }},
      {"Zpět", [&] { Frame().Action(cmd::EditUndo)->trigger(); }},
      {"Ctrl+X", [] { Key(Qt::Key_X, Qt::ControlModifier); }},
      {"Shift+Del", [] { Key(Qt::Key_Delete, Qt::ShiftModifier); }},
      {"Ctrl+V", [] { Key(Qt::Key_V, Qt::ControlModifier); }},
      {"Shift+Ins", [] { Key(Qt::Key_Insert, Qt::ShiftModifier); }},
      {"Ctrl+Z", [] { Key(Qt::Key_Z, Qt::ControlModifier); }},
      {"vstupní metoda",
       [] {
         QInputMethodEvent composed;
         composed.setCommitString(QStringLiteral("ž"));
         QApplication::sendEvent(QApplication::focusWidget(), &composed);
       }},
  };
  QWidget* panes[] = {Note(), Frame().DayEditor(), Frame().MonthEditor(), Table()};
  const auto text = [](QWidget* pane) {
    if (auto* edit = qobject_cast<QLineEdit*>(pane)) return edit->text();
    return static_cast<QTextEdit*>(pane)->toPlainText();
  };
  for (QWidget* pane : panes) {
    const QString before = text(pane);
    for (const Attempt& attempt : attempts) {
      Focus(pane);
      if (auto* edit = qobject_cast<QLineEdit*>(pane))
        edit->selectAll();
      else
        static_cast<QTextEdit*>(pane)->selectAll();
      QGuiApplication::clipboard()->setText(QStringLiteral("schránka"));
      Frame().UpdateCommandUI();
      EXPECT_FALSE(Frame().Action(cmd::EditCut)->isEnabled()) << pane->objectName().toStdString();
      EXPECT_FALSE(Frame().Action(cmd::EditPaste)->isEnabled()) << pane->objectName().toStdString();
      attempt.act();
      EXPECT_EQ(text(pane), before) << pane->objectName().toStdString() << " " << attempt.what;
      EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("schránka")) << attempt.what;
    }
  }
  Focus(Table());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("poznámka"));
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Text, Cp1250FromUtf8("den"));
  EXPECT_EQ(doc.GetMonthRecord("2005/03")->m_Text, Cp1250FromUtf8("měsíc"));
}

TEST_F(CalendarWindowTest, PastedNoteComesAsOneLineAndTheTableKeepsItsDays) {
  const std::function<void()> pastes[] = {[] { Key(Qt::Key_V, Qt::ControlModifier); },
                                          [&] { Frame().Action(cmd::EditPaste)->trigger(); }};
  for (const auto& paste : pastes) {
    Key(Qt::Key_F2);
    Note()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("první\r\ndruhý\ttřetí\n"));
    paste();
    EXPECT_EQ(Note()->text(), QStringLiteral("první druhý třetí "));
    EXPECT_TRUE(doc.IsModified());
    Key(Qt::Key_Return);
    ASSERT_TRUE(Table()->hasFocus());
    EXPECT_EQ(Table()->document()->blockCount(), 31);
    EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("první druhý třetí "));
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, RowPoint(20));
    EXPECT_EQ(Selected(), (Date{2005, 3, 20}));  // a click still selects the day under it
    Key(Qt::Key_Up, Qt::ControlModifier);
    GoTo({2005, 3, 15});
  }
}

TEST_F(CalendarWindowTest, NoteRefusesWhatWindows1250CannotHoldAndSaysWhich) {
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("Oslava"));
  QGuiApplication::clipboard()->setText(QStringLiteral(" s Иваном"));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Note()->text(), QStringLiteral("Oslava"));
  EXPECT_TRUE(Frame().statusBar()->currentMessage().contains(QStringLiteral("„И“ (U+0418)")))
      << Frame().statusBar()->currentMessage().toStdString();

  const QString cake = QStringLiteral("🎂");  // typed as one key: a pair of UTF-16 units
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, cake);
  QApplication::sendEvent(Note(), &press);
  EXPECT_EQ(Note()->text(), QStringLiteral("Oslava"));
  EXPECT_EQ(Frame().statusBar()->currentMessage(),
            QStringLiteral("Znak „🎂“ (U+1F382) nelze do poznámky zapsat: kódování Windows-1250 jej nezná."));
  Type(Note(), QStringLiteral("!"));
  Key(Qt::Key_Return);
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("Oslava!"));
}

TEST_F(CalendarWindowTest, CommentaryKeepsAndShowsCharactersOutsideWindows1250) {
  const QString foreign = QStringLiteral("Иван 🎂 Ελένη");
  Key(Qt::Key_W, Qt::ControlModifier);
  QGuiApplication::clipboard()->setText(foreign);
  Key(Qt::Key_V, Qt::ControlModifier);
  Key(Qt::Key_Q, Qt::ControlModifier);
  const CEntrTxt* day = doc.GetDayRecord("2005/03/15");
  ASSERT_NE(day, nullptr);
  EXPECT_NE(day->m_Rtf.find("\\u1048?"), std::string::npos) << day->m_Rtf;

  const QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("cizi.orv")).toStdString();
  ASSERT_TRUE(doc.OnSaveDocument(path));
  ASSERT_TRUE(window->Commands().OpenFile(path));
  GoTo({2005, 3, 15});
  EXPECT_EQ(Frame().DayEditor()->toPlainText(), foreign);
}

TEST_F(CalendarWindowTest, F7HidesAndShowsAllHolidaysAndF8StillWorksFromTheTable) {
  GoTo({2005, 1, 1});
  const int switches[] = {cmd::ShowNameDays, cmd::ShowStateHolidays, cmd::ShowOtherHolidays,
                          cmd::ShowBirthdays, cmd::ShowSignificantDays};
  ASSERT_TRUE(Row(1).contains(QStringLiteral("Nový rok")));
  Key(Qt::Key_F7);
  for (int id : switches) EXPECT_FALSE(Frame().Action(id)->isChecked()) << id;
  EXPECT_FALSE(Row(1).contains(QStringLiteral("Nový rok")));
  EXPECT_EQ(Selected(), (Date{2005, 1, 1}));
  ExpectTableShowsSelection();
  Key(Qt::Key_F7);
  for (int id : switches) EXPECT_TRUE(Frame().Action(id)->isChecked()) << id;
  EXPECT_TRUE(Row(1).contains(QStringLiteral("Nový rok")));

  Frame().Action(cmd::ShowOtherHolidays)->trigger();
  EXPECT_FALSE(Frame().Action(cmd::ShowOtherHolidays)->isChecked());
  EXPECT_FALSE(Row(1).contains(QStringLiteral("Nový rok")));

  QTest::keyClick(Table(), Qt::Key_F8);
  EXPECT_TRUE(Frame().IsAlwaysOnTop());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
  QTest::keyClick(Table(), Qt::Key_F8);
  EXPECT_FALSE(Frame().IsAlwaysOnTop());
}

TEST_F(CalendarWindowTest, RightClickOffersTheCalendarCommandsInOrder) {
  QStringList items;
  QTimer::singleShot(0, [&] {
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    for (QAction* action : popup->actions())
      items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    popup->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, RowPoint(3),
                          Table()->viewport()->mapToGlobal(RowPoint(3)));
  QApplication::sendEvent(Table()->viewport(), &event);
  EXPECT_EQ(items.join(QLatin1Char('|')),
            QStringLiteral(
                "&Dnes\tCtrl+D|&Jdi na ...\tCtrl+G|&Vyhledávání v krátkých poznámkách...\tCtrl+L|"
                "&Fulltextové vyhledávání ...\tAlt+L|Smazat &den\tCtrl+M|Smazat &období ...\tAlt+M|-|"
                "&Seznamy svátků ...\tF11|&Změnit svátky ...\tF12|Vš&echny svátky\tF7|-|"
                "Export do &txt...\tCtrl+E|Export do &rtf ...\tAlt+E|Připo&jit ke kalendáři ...\tAlt+J"));
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));  // a right click selects nothing
}

// Typed in the usual Czech forms or ISO; what cannot be a day of the range keeps the dialog open
// with a message.
TEST_F(CalendarWindowTest, GoToDialogTakesTypedDatesInCzechAndIsoForms) {
  struct Case {
    QString typed;
    std::optional<Date> to;
  };
  const Case cases[] = {
      {QStringLiteral("15.3.2005"), Date{2005, 3, 15}},   {QStringLiteral("15. 3. 2005"), Date{2005, 3, 15}},
      {QStringLiteral("28.08.2009"), Date{2009, 8, 28}},  {QStringLiteral("2012-02-29"), Date{2012, 2, 29}},
      {QStringLiteral(" 1.12.2020 "), Date{2020, 12, 1}}, {QStringLiteral("30.2.2005"), std::nullopt},
      {QStringLiteral("1.1.1999"), std::nullopt},         {QStringLiteral("15.3."), std::nullopt},
  };
  for (const Case& c : cases) {
    GoTo({2006, 6, 6});
    QString preset, error, title;
    int titleWidth = 0, dialogWidth = 0;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      title = dialog->windowTitle();
      titleWidth = dialog->fontMetrics().horizontalAdvance(title);
      dialogWidth = dialog->width();
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("GoToDate"));
      ASSERT_NE(field, nullptr);
      preset = field->text();
      field->setText(c.typed);
      const auto button = [&](const QString& text) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
          if (b->text() == text) b->click();
      };
      button(QStringLiteral("&Ano"));
      error = dialog->findChild<QLabel*>(QStringLiteral("GoToDateError"))->text();
      if (dialog->isVisible()) button(QStringLiteral("&Storno"));
    });
    Frame().Action(cmd::GoTo)->trigger();
    EXPECT_EQ(preset, QStringLiteral("6. 6. 2006"));
    EXPECT_EQ(title, QStringLiteral("Jdi na datum"));
    EXPECT_GT(dialogWidth, titleWidth + 100);
    EXPECT_EQ(Selected(), c.to.value_or(Date{2006, 6, 6})) << c.typed.toStdString();
    EXPECT_EQ(error.isEmpty(), c.to.has_value()) << c.typed.toStdString();
  }
}

// The date picker speaks Czech whatever the system's language, shows no week numbers of its own
// (the table numbers its weeks otherwise) and follows the date being typed.
TEST_F(CalendarWindowTest, GoToPickerIsCzechWithoutWeekNumbersAndFollowsTheTypedDate) {
  const QLocale system;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QString month;
  QCalendarWidget::VerticalHeaderFormat weeks = QCalendarWidget::ISOWeekNumbers;
  QDate followed;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    auto* calendar = dialog->findChild<QCalendarWidget*>(QStringLiteral("GoToCalendar"));
    month = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"))->text();
    weeks = calendar->verticalHeaderFormat();
    Type(dialog->findChild<QLineEdit*>(QStringLiteral("GoToDate")), QStringLiteral("4.1.2010"));
    followed = calendar->selectedDate();
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("&Storno")) b->click();
  });
  Frame().Action(cmd::GoTo)->trigger();
  QLocale::setDefault(system);
  EXPECT_EQ(month, QStringLiteral("březen"));
  EXPECT_EQ(weeks, QCalendarWidget::NoVerticalHeader);
  EXPECT_EQ(followed, QDate(2010, 1, 4));
}

// The date picker in a real window under the system's own language: opened by Ctrl+G, Czech, no week
// column, following the date typed where the focus is, and Enter goes there.
using GoToUnderWm = CalendarWindowTest;

TEST_F(GoToUnderWm, PickerIsCzechFollowsTheTypedDateAndEnterGoesThere) {
  WhenDialogOpens([](QWidget* dialog) {
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }));
    auto* calendar = dialog->findChild<QCalendarWidget*>(QStringLiteral("GoToCalendar"));
    EXPECT_EQ(calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"))->text(),
              QStringLiteral("březen"));
    EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(field, nullptr);
    Key(Qt::Key_A, Qt::ControlModifier);
    Type(field, QStringLiteral("4.1.2010"));
    EXPECT_EQ(calendar->selectedDate(), QDate(2010, 1, 4));
    Key(Qt::Key_Return);
  });
  Key(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Model().SelectedDate(), (Date{2010, 1, 4}));
  EXPECT_TRUE(QTest::qWaitFor([this] { return Table()->hasFocus(); }));
}

}  // namespace
}  // namespace orv
