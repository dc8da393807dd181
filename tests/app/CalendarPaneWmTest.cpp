// The calendar pane as a new user first sees it in a real window: with no width remembered yet, the
// notes stand in view beside the month's names, not behind the table's right edge.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "FakeUiServices.h"
#include "TestWindow.h"
#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"

namespace orv::test {
namespace {

TEST(CalendarPaneUnderWm, FirstWidthShowsTheNotesOfAMonthWithLongNames) {
  UseEmptyTestSettings();
  FakeUiServices ui;
  CTedDoc doc{ui};
  ASSERT_TRUE(doc.OnNewDocument());
  // 8 March has the month's longest names; 21 March a long note after them.
  doc.StoreDay("2005/03/08", "Porada s vedenim o rozpoctu na pristi rok a o stehovani oddeleni", {}, {});
  doc.StoreDay("2005/03/21", "Narozeniny", {}, {});
  CRecentFileList recent;
  auto window = OpenTestWindow(doc, ui, recent);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Frame()));
  QTest::qWait(300);  // the window manager's own sizes settle
  QTextEdit* table = window->View().Table();
  EXPECT_EQ(table->horizontalScrollBar()->value(), 0);
  for (int day : {8, 21}) {
    const QTextBlock row = table->document()->findBlockByNumber(day - 1);
    const int note = row.text().indexOf(day == 8 ? QStringLiteral("Porada") : QStringLiteral("Narozeniny"));
    ASSERT_GE(note, 0) << day;
    QTextCursor at(row);
    at.setPosition(row.position() + note + 12);
    const QRect shown = table->cursorRect(at);
    EXPECT_TRUE(table->viewport()->rect().contains(shown.center()))
        << day << ": note at x " << shown.center().x() << ", view " << table->viewport()->width()
        << ", window " << window->Frame().width();
  }
  window->Frame().grab().save(qEnvironmentVariable("ORV_BINARY_DIR") +
                              QStringLiteral("/tests/first-width.png"));
  window.reset();
  QSettings().clear();
}

}  // namespace
}  // namespace orv::test
