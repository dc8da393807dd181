// The Qt implementation of the UI services: the question whose default answer is "Ne", the chooser of
// a file to open, and the password prompts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

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

// A choice among buttons: Enter takes the first, Esc the last, a click the one clicked; a run
// without a user takes the last (the one that changes nothing).
TEST(QtUiServicesTest, AChoiceIsTheFirstButtonOnEnterTheLastOnEscOrTheOneClicked) {
  CQtUiServices ui;
  const std::vector<std::string> buttons = {"Zašifrovat", "Zapsat nezašifrovaný", "Storno"};
  const std::pair<std::function<void(QMessageBox*)>, int> cases[] = {
      {[](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }, 0},
      {[](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, 2},
      {[](QMessageBox* box) {
         for (QAbstractButton* button : box->buttons())
           if (button->text() == QStringLiteral("Zapsat nezašifrovaný")) button->click();
       },
       1}};
  for (const auto& [answer, expected] : cases) {
    QTimer::singleShot(0, [&answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      answer(box);
    });
    EXPECT_EQ(ui.AskChoice("Export?", buttons), expected);
  }
  ui.SetNonInteractive(true);
  EXPECT_EQ(ui.AskChoice("Export?", buttons), 2);
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

// The same chooser in a real window, where the name field keeps the focus while it is typed into.
TEST(ChooserUnderWm, ANameTypedWithoutExtensionChoosesTheCalendar) {
  QTemporaryDir dir;
  QFile(dir.filePath(QStringLiteral("cil.orv"))).open(QIODevice::WriteOnly);
  CQtUiServices ui;
  QTimer::singleShot(0, [&] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    // A refusal would stay open with its warning: the test must not wait for the user.
    QTimer::singleShot(3000, chooser, [] {
      while (QWidget* left = QApplication::activeModalWidget()) left->close();
    });
    chooser->setDirectory(dir.path());
    ASSERT_TRUE(QTest::qWaitFor([chooser] { return chooser->isAncestorOf(QApplication::focusWidget()); }));
    auto* name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(name, nullptr) << QApplication::focusWidget()->metaObject()->className();
    QTest::keyClicks(name, QStringLiteral("cil"));
    QTest::keyClick(name, Qt::Key_Return);
  });
  EXPECT_EQ(ui.ChooseFileToOpen("Připojit k", "Kalendář Orvella 2 (*.orv)"),
            dir.filePath(QStringLiteral("cil.orv")).toStdString());
}

// Clicks OK of the prompt and closes the message that OK may bring, noting its text. The watch ends
// with the prompt.
void ClickOk(QWidget* prompt, QStringList& messages) {
  QTimer::singleShot(0, prompt, [&messages] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      messages << box->text();
      box->accept();
    }
  });
  prompt->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

// The old password is compared in Windows-1250, so "пароль" would be "??????": the prompt refuses it
// and stays open. An encrypted calendar's passphrase is taken as typed.
TEST(QtUiServicesTest, PasswordPromptRefusesWhatTheCodePageLacksAndAPassphraseIsTakenAsTyped) {
  CQtUiServices ui;
  QStringList messages;
  bool stayedOpen = false;
  QString prompt;
  const auto answer = [&](const QStringList& typed) {
    QTimer::singleShot(0, [&, typed] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      prompt = dialog->findChild<QPlainTextEdit*>()->toPlainText();
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Password"));
      for (const QString& text : typed) {
        field->setText(text);
        ClickOk(dialog, messages);
        stayedOpen = dialog->isVisible();
      }
    });
  };
  answer({QStringLiteral("пароль"), QStringLiteral("Tajné")});
  EXPECT_EQ(ui.AskPassword("Zadejte heslo pro :\r\n\r\n/tmp/k.orv"), std::optional<std::string>("Tajn\xe9"));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Znaky „п“ (U+043F)")));
  EXPECT_FALSE(stayedOpen);

  answer({QStringLiteral("пароль")});
  EXPECT_EQ(ui.AskPassphrase("Zadejte heslo k zašifrovanému kalendáři :\r\n\r\n/tmp/k.orv"),
            std::optional<std::string>("пароль"));
  EXPECT_TRUE(prompt.endsWith(QStringLiteral("/tmp/k.orv")));
  EXPECT_EQ(messages.size(), 1);
}

}  // namespace
}  // namespace orv
