// Moving from day to day in the main window: the editors show each day as a fresh load would, also
// where the move spares work (the month's commentary kept, the new one laid out only as far as it
// shows, a table row left as it was).
#include <gtest/gtest.h>

#include <QDate>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <string>

#include "DialogWindowFixture.h"
#include "WindowKeys.h"
#include "app/MainFrame.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/CommentaryEditor.h"
#include "richtext/RichEditCtrl.h"
#include "ui/RichTextView.h"

namespace orv {
namespace {

using test::Key;
using test::Type;

// A commentary of `paragraphs` paragraphs, each starting with `head`.
std::pair<std::string, std::string> LongCommentary(const std::string& head, int paragraphs) {
  CRichEditCtrl ctrl;
  std::string text;
  for (int i = 0; i < paragraphs; ++i) text += head + " odstavec " + std::to_string(i) + " s nějakým textem\r";
  text.pop_back();
  ctrl.ReplaceSel(Cp1250FromUtf8(text));
  return {ctrl.StreamOut(), ctrl.GetText()};
}

class DayMoveWindowTest : public test::DialogWindowTest {
 protected:
  void SetUp() override {
    test::DialogWindowTest::SetUp();
    for (const auto& [key, head] : {std::pair{"2005/04/15", "Patnáctý"}, {"2005/04/16", "Šestnáctý"}}) {
      const auto [rtf, text] = LongCommentary(head, 80);
      doc.StoreDay(key, "poznamka", rtf, text);
    }
    const auto [rtf, text] = LongCommentary("Duben", 80);
    doc.StoreMonthCommentary("2005/04", rtf, text);
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(Model().GoToDate({2005, 4, 15}));
    window->View().Refresh();
    QCoreApplication::processEvents();
  }
  CRichTextView& MonthEditor() const { return *static_cast<CRichTextView*>(window->Frame().MonthEditor()); }
  CRichTextView& DayEditor() const { return *static_cast<CRichTextView*>(window->Frame().DayEditor()); }
};

// The month's commentary stays in its editor on a move within the month; what the user left there
// (caret, typing format, scrolling) goes as with a load, and nothing counts as changed.
TEST_F(DayMoveWindowTest, MonthCommentaryOnAMoveWithinTheMonthIsShownAsLoaded) {
  const QString monthText = MonthEditor().toPlainText();
  MonthEditor().setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return MonthEditor().hasFocus(); }));
  Key(Qt::Key_End, Qt::ControlModifier);
  Key(Qt::Key_B, Qt::ControlModifier);  // bold for what is typed next, nothing typed
  ASSERT_TRUE(MonthEditor().Editor().Control().GetSelectionCharFormat().effects & CFE_BOLD);
  ASSERT_GT(MonthEditor().verticalScrollBar()->value(), 0);
  Key(Qt::Key_Escape);
  ASSERT_TRUE(Table()->hasFocus());

  Key(Qt::Key_Down);
  EXPECT_EQ(Model().SelectedDate(), (Date{2005, 4, 16}));
  EXPECT_EQ(MonthEditor().toPlainText(), monthText);
  EXPECT_EQ(MonthEditor().Editor().Control().GetSel(), (CharRange{0, 0}));
  EXPECT_FALSE(MonthEditor().Editor().Control().GetSelectionCharFormat().effects & CFE_BOLD);
  EXPECT_EQ(MonthEditor().verticalScrollBar()->value(), 0);
  EXPECT_FALSE(MonthEditor().document()->isUndoAvailable());
  EXPECT_FALSE(MonthEditor().document()->isModified());

  // Typed into, it is stored on the next move and shown again from the calendar.
  MonthEditor().setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return MonthEditor().hasFocus(); }));
  Type(&MonthEditor(), QStringLiteral("Nově "));
  Key(Qt::Key_Escape);
  Key(Qt::Key_Up);
  EXPECT_TRUE(MonthEditor().toPlainText().startsWith(QStringLiteral("Nově Duben")));
  EXPECT_EQ(doc.GetMonthRecord("2005/04")->m_Text.substr(0, 10), "Nov\xec Duben");
  EXPECT_FALSE(MonthEditor().document()->isUndoAvailable());
}

// The next day's commentary is shown from its start, laid out before it is painted, and the rest of
// it follows: the scroll bar comes to its whole length.
TEST_F(DayMoveWindowTest, NextDaysCommentaryIsShownFromItsStartAndLaidOutWhole) {
  DayEditor().verticalScrollBar()->setValue(DayEditor().verticalScrollBar()->maximum());
  const int wholeLength = DayEditor().verticalScrollBar()->maximum();
  ASSERT_GT(wholeLength, 0);

  Key(Qt::Key_Down);
  EXPECT_TRUE(DayEditor().toPlainText().startsWith(QStringLiteral("Šestnáctý odstavec 0")));
  EXPECT_EQ(DayEditor().verticalScrollBar()->value(), 0);
  EXPECT_GT(DayEditor().document()->firstBlock().layout()->lineCount(), 0);
  EXPECT_TRUE(DayEditor().viewport()->rect().contains(DayEditor().cursorRect()));
  // Both days' paragraphs are as long within a character, so the lengths match within a line.
  EXPECT_TRUE(QTest::qWaitFor([&] { return DayEditor().verticalScrollBar()->maximum() >= wholeLength - 30; }));
  EXPECT_FALSE(DayEditor().document()->isUndoAvailable());
  EXPECT_FALSE(DayEditor().document()->isModified());
  EXPECT_FALSE(doc.IsModified());
}

// Every day of 2000-2020 with a note and a commentary of about 4 KB, each its own, and every month
// with a commentary; the window on 10 January 2010.
class DayMoveUnderWm : public test::DialogWindowTest {
 protected:
  void SetUp() override {
    test::DialogWindowTest::SetUp();
    const auto [rtf, text] = LongCommentary("Dlouhy", 55);
    const auto keyed = [&](const std::string& key, const std::string& of) {
      std::string copy = of;
      copy.replace(copy.find("Dlouhy"), 6, key);
      return copy;
    };
    for (int year = 2000; year <= 2020; ++year)
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
          const std::string key = DayKey(year, month, day);
          doc.StoreDay(key, std::string(60, 'p'), keyed(key, rtf), keyed(key, text));
        }
        const std::string key = MonthKey(year, month);
        doc.StoreMonthCommentary(key, keyed(key, rtf), keyed(key, text));
      }
    window->Start();  // the calendar as opened, the shown day's records included
    ASSERT_TRUE(Model().GoToDate({2010, 1, 10}));
    window->View().Refresh();
    QCoreApplication::processEvents();
  }
};

// A held arrow key repeats 30 times a second for 3 s; the presses queue up as the window system
// delivers them, whether or not the window has finished the move before. When the key is released,
// the calendar shows the day of the last press, or the day before it.
TEST_F(DayMoveUnderWm, HeldArrowKeyNeverLagsMoreThanADayBehind) {
  ASSERT_TRUE(Table()->hasFocus());
  const QDate start(2010, 1, 10);
  QElapsedTimer clock;
  clock.start();
  int pressed = 0;
  while (clock.elapsed() < 3000) {
    for (; pressed * 33 <= clock.elapsed(); ++pressed)
      QCoreApplication::postEvent(Table(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier,
                                                         QString(), /*autorep=*/true));
    QCoreApplication::processEvents();
  }
  const Date shown = Model().SelectedDate();
  const qint64 lag = start.daysTo(QDate(shown.year, shown.month, shown.day)) - pressed;
  EXPECT_GE(lag, -1) << pressed << " presses, shown " << shown.year << '-' << shown.month << '-' << shown.day;
  EXPECT_LE(lag, 0);
  QCoreApplication::postEvent(Table(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier));
  QCoreApplication::processEvents();
  EXPECT_EQ(Model().SelectedDate(), (Date{start.addDays(pressed).year(), start.addDays(pressed).month(),
                                          start.addDays(pressed).day()}));
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace orv
