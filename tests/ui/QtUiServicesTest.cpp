// The Qt implementation of the UI services: the question whose default answer is "Ne", the chooser of
// a file to open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/OpenFileDialog.h"
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

// The chooser of a calendar to open or append to: a name typed without an extension means the
// calendar of that name; a file that has no extension can still be chosen as it is.
TEST(QtUiServicesTest, AFileNameTypedWithoutExtensionGetsTheFiltersOne) {
  QTemporaryDir dir;
  for (const char* name : {"cil.orv", "bez"})
    QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
  EXPECT_EQ(SingleFilterExtension(QStringLiteral("Orvella (*.orv)")), QStringLiteral("orv"));
  EXPECT_EQ(SingleFilterExtension(QStringLiteral("Kalendář Orvella 2 (*.orv)")), QStringLiteral("orv"));
  EXPECT_EQ(SingleFilterExtension(QStringLiteral("Texty (*.txt *.csv)")), QString());

  CQtUiServices ui;
  for (const char* typed : {"cil", "bez", "cil.orv"}) {
    QTimer::singleShot(0, [&] {
      auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(chooser, nullptr);
      chooser->setDirectory(dir.path());
      auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(name, nullptr);
      name->setText(QString::fromLatin1(typed));
      QTest::keyClick(name, Qt::Key_Return);
      // A refusal would stay open with its warning: the test must not wait for the user.
      QTimer::singleShot(200, chooser, [] {
        while (QWidget* left = QApplication::activeModalWidget()) left->close();
      });
    });
    const std::optional<std::string> chosen = ui.ChooseFileToOpen("Připojit k", "Orvella (*.orv)");
    const std::string expected = std::string(typed) == "bez" ? "bez" : "cil.orv";
    EXPECT_EQ(chosen, dir.filePath(QString::fromStdString(expected)).toStdString()) << typed;
  }
}

}  // namespace
}  // namespace orv
