// Ctrl+H, "Změna údajů o souboru ..." and "O souboru ..." through the main window.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "crypto/SecretKey.h"
#include "document/EncryptedCalendar.h"
#include "document/FileProtection.h"
#include "ui/QtUiServices.h"

namespace orv::test {
namespace {

using ProtectionWindowTest = DialogWindowTest;

QLineEdit* Field(QWidget* dialog, int i) {
  return dialog->findChild<QLineEdit*>(QStringLiteral("Field%1").arg(i));
}
QPushButton* Button(QWidget* dialog, const QString& text) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}
// Answers the next "Heslo" prompt from inside the dialog that opens it.
void AnswerHeslo(const QString& password) {
  DialogWindowTest::WhenDialogOpens([password](QWidget* prompt) {
    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("Heslo"));
    prompt->findChild<QLineEdit*>(QStringLiteral("Password"))->setText(password);
    DialogWindowTest::Click(prompt, QStringLiteral("OK"));
  });
}

// One typo would lock the user out for good: the password is typed twice, and a mismatch or a
// character the code page lacks keeps the dialog open with a message.
TEST_F(ProtectionWindowTest, CtrlHAsksTwiceAndRefusesAMismatchOrForeignCharacters) {
  std::vector<bool> stayedOpen;
  WhenDialogOpens([&stayedOpen](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zaheslovat"));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Password"));
    auto* again = dialog->findChild<QLineEdit*>(QStringLiteral("PasswordAgain"));
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }, 2000));
    EXPECT_TRUE(
        dialog->findChild<QPlainTextEdit*>()->toPlainText().contains(QStringLiteral("Heslo si pečlivě")));
    for (const auto& [first, second] : {std::pair{QStringLiteral("Tajné"), QStringLiteral("Tajne")},
                                        std::pair{QStringLiteral("пароль"), QStringLiteral("пароль")},
                                        std::pair{QStringLiteral("Tajné"), QStringLiteral("Tajné")}}) {
      Type(field, first);
      Type(again, second);
      QTest::keyClick(again, Qt::Key_Return);
      stayedOpen.push_back(dialog->isVisible());
    }
  });
  Key(Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(stayedOpen, (std::vector<bool>{true, true, false}));
  ASSERT_EQ(ui.Messages().size(), 2u);
  EXPECT_EQ(ui.Messages()[0], "Zadaná hesla se liší. Heslo nebylo změněno.");
  EXPECT_NE(ui.Messages()[1].find("nelze do hesla zapsat"), std::string::npos);
  EXPECT_EQ(doc.m_Heslo, "Tajn\xe9");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ProtectionWindowTest, LockedAuthorDataUnlocksWithItsPasswordAndTakesANewOne) {
  doc.m_Autor = "Jana";
  doc.m_HesloAutora = "Autor";
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Změna autorských údajů"));
    EXPECT_EQ(Field(dialog, kAuthorName)->text(), QStringLiteral("Jana"));
    EXPECT_TRUE(Field(dialog, kAuthorName)->isReadOnly());
    EXPECT_FALSE(Button(dialog, QStringLiteral("Nové heslo"))->isEnabled());
    AnswerHeslo(QStringLiteral("autor"));  // wrong case: nothing happens
    Click(dialog, QStringLiteral("Změnit"));
    EXPECT_TRUE(Field(dialog, kAuthorName)->isReadOnly());
    AnswerHeslo(QStringLiteral("Autor"));
    Click(dialog, QStringLiteral("Změnit"));
    EXPECT_FALSE(Field(dialog, kAuthorName)->isReadOnly());
    EXPECT_FALSE(Button(dialog, QStringLiteral("Změnit"))->isEnabled());
    Field(dialog, kAuthorName)->setText(QStringLiteral("Petr"));
    QTimer::singleShot(0, [] {  // "Nové heslo" asks twice
      QWidget* first = QApplication::activeModalWidget();
      first->findChild<QLineEdit*>(QStringLiteral("Password"))->setText(QStringLiteral("nové"));
      AnswerHeslo(QStringLiteral("nové"));
      Click(first, QStringLiteral("OK"));
    });
    Click(dialog, QStringLiteral("Nové heslo"));
    Click(dialog, QStringLiteral("OK"));
  });
  window->Frame().Action(cmd::AuthorData)->trigger();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(doc.m_Autor, "Petr");
  EXPECT_EQ(doc.m_HesloAutora, "nov\xe9");
  EXPECT_TRUE(doc.IsModified());
}

// "Zašifrovat ...": the passphrase twice with its strength shown as it is typed; a mismatch keeps the
// dialog open. "O souboru" then names the protection; "Zrušit šifrování ..." wants the passphrase.
TEST_F(ProtectionWindowTest, EncryptAsksTwiceShowsTheStrengthAndDecryptWantsThePassphrase) {
  const crypto::CNewKeyCostScope cheap(crypto::MinimalCost());
  QStringList strengths;
  std::vector<bool> stayedOpen;
  WhenDialogOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zašifrovat"));
    auto* first = dialog->findChild<QLineEdit*>(QStringLiteral("Passphrase"));
    auto* again = dialog->findChild<QLineEdit*>(QStringLiteral("PassphraseAgain"));
    auto* strength = dialog->findChild<QLabel*>(QStringLiteral("Strength"));
    EXPECT_TRUE(QTest::qWaitFor([first] { return first->hasFocus(); }, 2000));
    for (const auto& [one, two] :
         {std::pair{QStringLiteral("kočka"), QStringLiteral("kocka")},
          std::pair{QStringLiteral("Žluťoučký kůň 7"), QStringLiteral("Žluťoučký kůň 7")}}) {
      Type(first, one);
      strengths << strength->text();
      Type(again, two);
      QTest::keyClick(again, Qt::Key_Return);
      stayedOpen.push_back(dialog->isVisible());
    }
  });
  window->Frame().Action(cmd::FileEncrypt)->trigger();
  EXPECT_EQ(strengths,
            (QStringList{QStringLiteral("Síla hesla: slabé"), QStringLiteral("Síla hesla: silné")}));
  EXPECT_EQ(stayedOpen, (std::vector<bool>{true, false}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kPassphrasesDiffer});
  ASSERT_NE(doc.EncryptionKey(), nullptr);
  EXPECT_TRUE(doc.IsModified());

  QString protection;
  WhenDialogOpens([&protection](QWidget* dialog) {
    protection = dialog->findChild<QLineEdit*>(QStringLiteral("Protection"))->text();
    Click(dialog, QStringLiteral("OK"));
  });
  window->Frame().Action(cmd::FileInfo)->trigger();
  EXPECT_EQ(protection, QString::fromUtf8(kEncryptedProtection));

  stayedOpen.clear();
  WhenDialogOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zrušit šifrování"));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Passphrase"));
    for (const QString& typed : {QStringLiteral("Zlutoucky kun 7"), QStringLiteral("Žluťoučký kůň 7")}) {
      Type(field, typed);
      QTest::keyClick(field, Qt::Key_Return);
      stayedOpen.push_back(dialog->isVisible());
    }
  });
  window->Frame().Action(cmd::FileDecrypt)->trigger();
  EXPECT_EQ(stayedOpen, (std::vector<bool>{true, false}));
  EXPECT_EQ(ui.Messages().back(), "Heslo není správné.");
  EXPECT_EQ(doc.EncryptionKey(), nullptr);
}

TEST_F(ProtectionWindowTest, FileInfoOfANewCalendarShowsTheReplacementTexts) {
  QStringList shown;
  WhenDialogOpens([&shown](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("O souboru"));
    shown << dialog->findChild<QPlainTextEdit*>(QStringLiteral("Field0"))->toPlainText();
    for (int i = 1; i < 5; ++i) shown << Field(dialog, i)->text();
    Click(dialog, QStringLiteral("OK"));
  });
  window->Frame().Action(cmd::FileInfo)->trigger();
  EXPECT_EQ(shown.join(QLatin1Char('|')),
            QStringLiteral("název neuveden|neuvedena|neuveden|neuvedena|neuvedeno"));
  EXPECT_FALSE(doc.IsModified());
}

using EncryptionUnderWm = DialogWindowTest;

// Encrypting, opening with the passphrase and removing the encryption, each typed where the focus
// is in the real window's dialog: the passphrase field has it on opening, Tab goes on to the
// repetition, Enter accepts and Esc cancels.
TEST_F(EncryptionUnderWm, EncryptOpenWithThePassphraseAndDecryptByKeys) {
  const crypto::CNewKeyCostScope cheap(crypto::MinimalCost());
  const QString passphrase = QStringLiteral("Žluťoučký kůň 7");
  const auto focusIn = [](QWidget* dialog) {
    return QTest::qWaitFor(
        [dialog] { return QApplication::focusWidget() && QApplication::focusWidget()->window() == dialog; },
        2000);
  };
  const auto typeInto = [&](QWidget* dialog, bool twice) {
    ASSERT_TRUE(focusIn(dialog));
    Type(QApplication::focusWidget(), passphrase);
    if (twice) {
      Key(Qt::Key_Tab);
      Type(QApplication::focusWidget(), passphrase);
    }
    Key(Qt::Key_Return);
  };
  WhenDialogOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zašifrovat"));
    typeInto(dialog, true);
  });
  window->Frame().Action(cmd::FileEncrypt)->trigger();
  ASSERT_NE(doc.EncryptionKey(), nullptr);
  EXPECT_TRUE(ui.Messages().empty());
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("tajny.orv")).toStdString();
  ASSERT_TRUE(doc.OnSaveDocument(path));

  // Opening asks in the program's own passphrase dialog, which names the file.
  CQtUiServices qtUi;
  qtUi.SetParent(&window->Frame());
  CTedDoc reopened(qtUi);
  QString prompt;
  WhenDialogOpens([&](QWidget* dialog) {
    prompt = dialog->findChild<QPlainTextEdit*>()->toPlainText();
    ASSERT_TRUE(focusIn(dialog));
    Key(Qt::Key_Escape);
  });
  EXPECT_FALSE(reopened.OnOpenDocument(path));
  EXPECT_TRUE(prompt.contains(QString::fromStdString(path))) << prompt.toStdString();
  WhenDialogOpens([&](QWidget* dialog) { typeInto(dialog, false); });
  ASSERT_TRUE(reopened.OnOpenDocument(path));
  EXPECT_NE(reopened.EncryptionKey(), nullptr);

  WhenDialogOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zrušit šifrování"));
    typeInto(dialog, false);
  });
  window->Frame().Action(cmd::FileDecrypt)->trigger();
  EXPECT_EQ(doc.EncryptionKey(), nullptr);
  EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace orv::test
