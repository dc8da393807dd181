// The question boxes answer to the underlined letters alone: N is "Ne" although "Ano" is the default.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "ui/QtUiServices.h"

namespace orv {
namespace {

QuestionAnswer AnswerWithKey(Qt::Key key, bool withCancel) {
  QTimer::singleShot(0, [key] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, key);
  });
  return AskQuestion(nullptr, QStringLiteral("Uložit změny do kalendář.orv?"), withCancel);
}

TEST(QuestionBox, UnderlinedLettersAnswerAndEnterTakesAno) {
  EXPECT_EQ(AnswerWithKey(Qt::Key_N, true), QuestionAnswer::No);
  EXPECT_EQ(AnswerWithKey(Qt::Key_A, true), QuestionAnswer::Yes);
  EXPECT_EQ(AnswerWithKey(Qt::Key_S, true), QuestionAnswer::Cancel);
  EXPECT_EQ(AnswerWithKey(Qt::Key_Escape, true), QuestionAnswer::Cancel);
  EXPECT_EQ(AnswerWithKey(Qt::Key_Return, false), QuestionAnswer::Yes);
  EXPECT_EQ(AnswerWithKey(Qt::Key_Escape, false), QuestionAnswer::No);
  EXPECT_EQ(AnswerWithKey(Qt::Key_N, false), QuestionAnswer::No);
}

}  // namespace
}  // namespace orv
