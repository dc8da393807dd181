// The Qt implementation of the UI services: the question whose default answer is "Ne".

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui/QtUiServices.h"

namespace orv {
namespace {

// The text of the default button of each question, answered by Enter as a hurried user answers.
TEST(QtUiServicesTest, EnterAnswersTheDefaultOfEachQuestion) {
  CQtUiServices ui;
  QString defaultButton;
  const auto pressEnter = [&] {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      defaultButton = box->defaultButton()->text();
      box->defaultButton()->click();
    });
  };
  pressEnter();
  EXPECT_FALSE(ui.AskYesNoDefaultNo("Přepsat jej?"));
  EXPECT_EQ(defaultButton, QStringLiteral("&Ne"));
  pressEnter();
  EXPECT_TRUE(ui.AskYesNo("Uložit?"));
  EXPECT_EQ(defaultButton, QStringLiteral("&Ano"));
}

}  // namespace
}  // namespace orv
