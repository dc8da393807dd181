#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>
#include <map>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/CommentaryEditor.h"
#include "ui/RichTextView.h"

namespace orv {
namespace {

std::string Cz(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

// A shown window with the month editor above the day editor, both over one new calendar whose
// predefined styles are in "Verdana"; the day editor has the focus.
class RichTextViewTest : public ::testing::Test {
 protected:
  RichTextViewTest() {
    doc.OnNewDocument();
    auto* layout = new QVBoxLayout(&window);
    for (auto* editor : {&month, &day}) {
      editor->SetStatusHandler([this](int pane, std::string text) { status[pane] = std::move(text); });
      editor->DoInitialUpdate("Verdana", [](std::string_view) { return true; });
    }
    for (auto* view : {&monthView, &dayView}) {
      view->SetCurrentDateKey([this] { return dateKey; });
      layout->addWidget(view);
    }
    doc.SetModifiedFlag(false);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    Focus(dayView);
  }

  void Focus(CRichTextView& view) {
    view.setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.hasFocus(); }));
  }

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CCommentaryEditor month{doc, ui};
  CCommentaryEditor day{doc, ui};
  QWidget window;
  CRichTextView monthView{month, &window};
  CRichTextView dayView{day, &window};
  std::string dateKey = "2005/03/07";
  std::map<int, std::string> status;
};

TEST_F(RichTextViewTest, TypingStartsInStandard1MarksTheCalendarAndReachesTheStore) {
  EXPECT_FALSE(doc.IsModified());  // the focus alone changes nothing
  QTest::keyClicks(&dayView, QStringLiteral("Dobr"));
  QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ý"));
  QCoreApplication::sendEvent(&dayView, &accented);
  QTest::keyClicks(&dayView, QStringLiteral(" den"));
  QTest::keyClick(&dayView, Qt::Key_Return);
  QTest::keyClicks(&dayView, QStringLiteral("ahoj"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(status[1], "\tř 2,  s 5");

  const CCommentaryText stored = day.StoreCommentary();
  EXPECT_EQ(stored.text, Cz("Dobrý den\rahoj"));
  CCommentaryEditor loaded(doc, ui);
  loaded.StreamInFromText(stored.rtf);
  loaded.Control().SetSel(0, 5);
  const CharFormat typed = loaded.Control().GetSelectionCharFormat();
  EXPECT_EQ(typed.face, "Verdana");
  EXPECT_EQ(typed.height, 180);
  EXPECT_EQ(typed.effects & CFE_BOLD, CFE_BOLD);
  EXPECT_EQ(month.StoreCommentary().rtf, "");
}

TEST_F(RichTextViewTest, OnlyTheFocusedEditorShowsItsSelectionAndGetsItBackOnTheSameDate) {
  QTest::keyClicks(&dayView, QStringLiteral("jedna dva"));
  QTest::keyClick(&dayView, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(&dayView, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(day.Control().GetSel(), (CharRange{7, 9}));

  Focus(monthView);
  EXPECT_FALSE(dayView.textCursor().hasSelection());
  EXPECT_EQ(day.Control().GetSel(), (CharRange{7, 9}));  // formatting still finds it
  Focus(dayView);
  EXPECT_EQ(dayView.textCursor().selectedText(), QStringLiteral("va"));

  Focus(monthView);
  dateKey = "2005/03/08";
  Focus(dayView);
  EXPECT_FALSE(dayView.textCursor().hasSelection());
  EXPECT_EQ(dayView.textCursor().position(), 0);
  EXPECT_EQ(status[1], "\tř 1,  s 1");
}

TEST_F(RichTextViewTest, KeysOfTheEditor) {
  int escapes = 0;
  dayView.SetEscapeHandler([&] { ++escapes; });
  QTest::keyClick(&dayView, Qt::Key_Escape);
  EXPECT_EQ(escapes, 1);

  QTest::keyClick(&dayView, Qt::Key_Insert);
  EXPECT_EQ(status[5], "\tPŘES");
  EXPECT_TRUE(dayView.overwriteMode());
  QTest::keyClicks(&dayView, QStringLiteral("abc"));
  QTest::keyClick(&dayView, Qt::Key_Home);
  QTest::keyClicks(&dayView, QStringLiteral("X"));
  EXPECT_EQ(day.StoreCommentary().text, "Xbc");
  QTest::keyClick(&dayView, Qt::Key_Insert);
  EXPECT_EQ(status[5], "\t");
  EXPECT_FALSE(dayView.overwriteMode());
}

TEST_F(RichTextViewTest, DeleteInAnEmptyEditorTypesInStandard1) {
  day.SetSkipEmptyStyle(true);  // as after the toolbar: the empty editor keeps the plain format
  Focus(monthView);
  day.Clear();
  Focus(dayView);
  ASSERT_NE(day.Control().GetSelectionCharFormat().height, 180);
  QTest::keyClick(&dayView, Qt::Key_Delete);
  QTest::keyClicks(&dayView, QStringLiteral("x"));
  day.Control().SetSel(0, 1);
  EXPECT_EQ(day.Control().GetSelectionCharFormat().height, 180);
  EXPECT_EQ(day.Control().GetSelectionCharFormat().face, "Verdana");
}

TEST_F(RichTextViewTest, ClipboardCommands) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(new QMimeData);
  dayView.Paste();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"ve Schránce neni text"});
  EXPECT_FALSE(doc.IsModified());

  clipboard->setText(QStringLiteral("vložený text"));
  QTest::keyClick(&dayView, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(day.StoreCommentary().text, Cz("vložený text"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(ui.Messages().size(), 1u);

  doc.SetModifiedFlag(false);
  dayView.selectAll();
  dayView.Cut();
  EXPECT_EQ(clipboard->text(), QStringLiteral("vložený text"));
  EXPECT_EQ(day.StoreCommentary().text, "");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(day.Control().GetSelectionCharFormat().height, 180);  // an emptied editor: Standard1

  // View-only: cut and copy do nothing.
  QTest::keyClicks(&dayView, QStringLiteral("zamek"));
  dayView.setReadOnly(true);
  dayView.selectAll();
  dayView.Cut();
  dayView.Copy();
  EXPECT_EQ(day.StoreCommentary().text, "zamek");
  EXPECT_EQ(clipboard->text(), QStringLiteral("vložený text"));
}

TEST_F(RichTextViewTest, PaneFactoryMakesAViewOwningItsEditor) {
  QTest::keyClicks(&dayView, QStringLiteral("den"));
  QPointer<CRichTextView> view =
      static_cast<CRichTextView*>(RichTextViewFactory(doc, ui, QStringLiteral("DayEditor"))(&window));
  EXPECT_EQ(view->objectName(), QStringLiteral("DayEditor"));
  view->Editor().StreamInFromText(day.StoreCommentary().rtf);
  EXPECT_EQ(view->toPlainText(), QStringLiteral("den"));
  view->show();
  delete view;
  EXPECT_TRUE(view.isNull());
}

}  // namespace
}  // namespace orv
