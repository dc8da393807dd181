// Ctrl+H, "Změna údajů o souboru ..." and "O souboru ..." through the main window.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "document/FileProtection.h"

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

TEST_F(ProtectionWindowTest, CtrlHSetsThePasswordAsTypedAndMarksTheCalendarModified) {
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zaheslovat"));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Password"));
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(
        dialog->findChild<QPlainTextEdit*>()->toPlainText().contains(QStringLiteral("Heslo si pečlivě")));
    Type(field, QStringLiteral("Tajné"));
    Click(dialog, QStringLiteral("OK"));
  });
  Key(Qt::Key_H, Qt::ControlModifier);
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

}  // namespace
}  // namespace orv::test
