// The underlines of unknown words over a commentary's document, with a small dictionary of the test's
// own: drawn in the paragraph layouts only, rechecked where the text changes.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "SpellTestFolder.h"
#include "core/Cp1250.h"
#include "richtext/RichEditCtrl.h"
#include "spell/SpellChecker.h"
#include "ui/SpellHighlighter.h"

namespace orv {
namespace {

class SpellHighlighterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.UseSmallDictionary();
    std::string why;
    checker = CSpellChecker::OpenInstalled(why);
    if (!checker) GTEST_SKIP() << why;
    // Fifty paragraphs, each with one word the dictionary lacks ("chléb").
    std::string text;
    for (int i = 0; i < 50; ++i) text += Cp1250FromUtf8(i ? "\rčaj na chléb" : "čaj na chléb");
    ctrl.ReplaceSel(text);
    ctrl.SetModify(false);
    view.setDocument(ctrl.Document());
  }
  int UnderlinedWords() const {
    int count = 0;
    for (QTextBlock block = ctrl.Document()->begin(); block.isValid(); block = block.next())
      for (const QTextLayout::FormatRange& range : block.layout()->formats())
        count += range.format.underlineStyle() == QTextCharFormat::WaveUnderline;
    return count;
  }

  test::SpellTestFolder folder;
  std::unique_ptr<CSpellChecker> checker;
  CRichEditCtrl ctrl;
  QTextEdit view;  // lays the document out, as the editor's window does
  int checkedBlocks = 0;
};

TEST_F(SpellHighlighterTest, UnderlinesStayOutOfTheTextTheRtfAndTheUndoHistory) {
  const std::string rtf = ctrl.StreamOut();
  const int undoSteps = ctrl.Document()->availableUndoSteps();
  CSpellHighlighter highlighter(ctrl.Document(), [this] { return checker.get(); });
  highlighter.SetOn(true);
  EXPECT_EQ(UnderlinedWords(), 50);
  EXPECT_EQ(ctrl.StreamOut(), rtf);
  EXPECT_EQ(ctrl.GetText().find('?'), std::string::npos);
  EXPECT_FALSE(ctrl.GetModify());
  EXPECT_EQ(ctrl.Document()->availableUndoSteps(), undoSteps);
  highlighter.SetOn(false);
  EXPECT_EQ(UnderlinedWords(), 0);
  EXPECT_EQ(ctrl.StreamOut(), rtf);
}

TEST_F(SpellHighlighterTest, AnEditRechecksOnlyItsParagraph) {
  CSpellHighlighter highlighter(ctrl.Document(), [this] {
    ++checkedBlocks;
    return checker.get();
  });
  highlighter.SetOn(true);
  EXPECT_EQ(checkedBlocks, 50);
  checkedBlocks = 0;
  QTextCursor cursor(ctrl.Document()->findBlockByNumber(10));
  cursor.insertText(QStringLiteral("x"));  // a character typed: "xčaj"
  EXPECT_EQ(checkedBlocks, 1);
  EXPECT_EQ(UnderlinedWords(), 51);
}

}  // namespace
}  // namespace orv
