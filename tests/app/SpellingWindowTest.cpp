// Spell checking in the main window: the underline under an unknown word typed into the day
// commentary, the spelling items of the editor's context menu, "Kontrola pravopisu" in "Zobrazit",
// and the calendar's texts untouched by all of it.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTextBlock>
#include <QTextLayout>
#include <filesystem>

#include "DialogWindowFixture.h"
#include "SpellTestFolder.h"
#include "app/CommandIds.h"
#include "core/Cp1250.h"
#include "editor/CommentaryEditor.h"
#include "spell/SpellChecker.h"
#include "ui/RichTextView.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::Key;
using test::Type;

// The window with the user's data (the personal word list) in a folder of the test's own;
// `dictionary` chooses the installed Czech dictionary (skipped where it is missing) or none at all.
class SpellingWindowTest : public test::DialogWindowTest {
 protected:
  explicit SpellingWindowTest(bool dictionary = true) : m_bDictionary(dictionary) {}
  void SetUp() override {
    if (!m_bDictionary) m_Folder.HideDictionary();
    if (const auto why = CSpellChecker::Unavailable(); why && m_bDictionary) GTEST_SKIP() << *why;
    DialogWindowTest::SetUp();
  }

  QTextEdit* Day() const { return window->Frame().DayEditor(); }
  CCommentaryEditor& DayEditor() const { return static_cast<CRichTextView*>(Day())->Editor(); }
  QAction* SpellItem() const { return window->Frame().Action(cmd::SpellCheck); }
  void TypeIntoDay(const QString& text) {
    Key(Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(Day()->hasFocus());
    Type(Day(), text);
  }
  // Whether the layout draws a wavy underline under [from, from + length) of the day commentary.
  bool Underlined(int from, int length) const {
    const QTextBlock block = Day()->document()->findBlock(from);
    const int start = from - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline && range.start <= start &&
          range.start + range.length >= start + length)
        return true;
    return false;
  }
  bool AnyUnderline() const {
    for (QTextBlock block = Day()->document()->begin(); block.isValid(); block = block.next())
      if (!block.layout()->formats().isEmpty()) return true;
    return false;
  }
  // Opens the day commentary's context menu over `position` and hands it to `choose`, which closes it.
  void ContextMenuAt(int position, std::function<void(QMenu*)> choose) {
    QTimer::singleShot(0, [choose] {
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(popup, nullptr);
      choose(popup);
    });
    QTextCursor cursor(Day()->document());
    cursor.setPosition(position);
    const QPoint at = Day()->cursorRect(cursor).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, Day()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(Day()->viewport(), &event);
  }
  static QStringList Items(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions())
      items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
  }
  static void Choose(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
      if (action->text() == text) {
        action->trigger();
        break;
      }
    menu->close();
  }

  bool m_bDictionary;
  test::SpellTestFolder m_Folder;
};

TEST_F(SpellingWindowTest, MisspeltWordIsUnderlinedAndTheMenuReplacesIt) {
  ASSERT_TRUE(SpellItem()->isEnabled());
  ASSERT_TRUE(SpellItem()->isChecked());  // on by default
  TypeIntoDay(QStringLiteral("Můj kalendrář"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return Underlined(4, 9); }, 5000));
  EXPECT_FALSE(Underlined(0, 3));
  QTextCursor inWord(Day()->document());
  inWord.setPosition(6);
  EXPECT_NE(inWord.charFormat().underlineStyle(), QTextCharFormat::WaveUnderline);  // drawn only
  doc.SetModifiedFlag(false);

  QStringList items;
  ContextMenuAt(6, [&items](QMenu* menu) {
    items = Items(menu);
    Choose(menu, QStringLiteral("kalendář"));
  });
  ASSERT_GE(items.size(), 4);
  const qsizetype add = items.indexOf(QStringLiteral("Přidat do slovníku"));
  EXPECT_TRUE(add >= 1 && add <= 5) << items.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(items.mid(0, add).contains(QStringLiteral("kalendář")));
  EXPECT_EQ(items.mid(add, 4).join(QLatin1Char('|')),
            QStringLiteral("Přidat do slovníku|Ignorovat|-|Vyj&mout\tCtrl+X"));

  EXPECT_EQ(Day()->toPlainText(), QStringLiteral("Můj kalendář"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(Underlined(4, 8));
  Day()->undo();  // one step takes the whole replacement back
  EXPECT_EQ(Day()->toPlainText(), QStringLiteral("Můj kalendrář"));
}

TEST_F(SpellingWindowTest, AddedAndIgnoredWordsLoseTheirUnderline) {
  TypeIntoDay(QStringLiteral("Orvellína a Zrvellína"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return Underlined(0, 9) && Underlined(12, 9); }, 5000));
  ContextMenuAt(3, [](QMenu* menu) { Choose(menu, QStringLiteral("Přidat do slovníku")); });
  EXPECT_FALSE(Underlined(0, 9));
  EXPECT_TRUE(fs::exists(m_Folder.PersonalList()));
  ContextMenuAt(14, [](QMenu* menu) { Choose(menu, QStringLiteral("Ignorovat")); });
  EXPECT_FALSE(AnyUnderline());
}

// The stored commentary is what the editor holds, underlined or not, and merely looking at a day with
// unknown words (or switching the checking) changes nothing in the calendar.
TEST_F(SpellingWindowTest, UnderlinesChangeNeitherTheRtfNorTheCalendar) {
  TypeIntoDay(QStringLiteral("Dnes jsem psal do kalendrářě a do dneníku."));
  ASSERT_TRUE(QTest::qWaitFor([this] { return AnyUnderline(); }, 5000));
  const std::string underlined = DayEditor().Control().StreamOut();
  const std::string plain = DayEditor().Control().GetText();
  // Copied and pasted, the words come without the underline.
  Day()->selectAll();
  window->Frame().Action(cmd::EditCopy)->trigger();
  Day()->moveCursor(QTextCursor::End);
  window->Frame().Action(cmd::EditPaste)->trigger();
  EXPECT_EQ(Day()->toPlainText().count(QStringLiteral("kalendrářě")), 2);
  for (QTextBlock block = Day()->document()->begin(); block.isValid(); block = block.next())
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
      EXPECT_NE(fragment.fragment().charFormat().underlineStyle(), QTextCharFormat::WaveUnderline);
  Day()->undo();
  SpellItem()->trigger();
  EXPECT_FALSE(SpellItem()->isChecked());
  EXPECT_FALSE(AnyUnderline());
  EXPECT_EQ(DayEditor().Control().StreamOut(), underlined);
  EXPECT_EQ(DayEditor().Control().GetText(), plain);
}

// A commentary written by another word processor is stored as it came, unless the user edits it: the
// underlines drawn over it are no edit.
TEST_F(SpellingWindowTest, LookingAtUnknownWordsLeavesTheRecordAsItWas) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Psal jsem do kalendr\\'e1\\'f8e.\\par}";
  doc.StoreDay("2005/03/16", "", rtf, Cp1250FromUtf8("Psal jsem do kalendráře."));
  doc.SetModifiedFlag(false);
  Key(Qt::Key_Down);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Underlined(13, 10); }, 5000));
  SpellItem()->trigger();
  SpellItem()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([this] { return AnyUnderline(); }, 5000));
  Key(Qt::Key_Up);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetDayRecord("2005/03/16")->m_Rtf, rtf);
}

TEST_F(SpellingWindowTest, TheSwitchIsRemembered) {
  SpellItem()->trigger();
  EXPECT_FALSE(SpellItem()->isChecked());
  window.reset();
  window = test::OpenTestWindow(doc, ui, *recent);
  EXPECT_FALSE(SpellItem()->isChecked());
  TypeIntoDay(QStringLiteral("kalendrář"));
  QTest::qWait(50);
  EXPECT_FALSE(AnyUnderline());
  SpellItem()->trigger();
  EXPECT_TRUE(QTest::qWaitFor([this] { return Underlined(0, 9); }, 5000));
}

class SpellingWithoutDictionaryTest : public SpellingWindowTest {
 protected:
  SpellingWithoutDictionaryTest() : SpellingWindowTest(false) {}
};

TEST_F(SpellingWithoutDictionaryTest, ItemIsGreyedAndNamesThePackage) {
  EXPECT_FALSE(SpellItem()->isEnabled());
  EXPECT_FALSE(SpellItem()->isChecked());
  EXPECT_TRUE(SpellItem()->statusTip().contains(QStringLiteral("hunspell-cs")))
      << SpellItem()->statusTip().toStdString();
  TypeIntoDay(QStringLiteral("kalendrář"));
  QStringList items;
  ContextMenuAt(3, [&items](QMenu* menu) {
    items = Items(menu);
    menu->close();
  });
  EXPECT_EQ(items.value(0), QStringLiteral("Vyj&mout\tCtrl+X"));
}

}  // namespace
}  // namespace orv
