// Every dialog of the menus worked without a mouse: opened by its key or through the menus' underlined
// letters, every stop of the Tab order named for a screen reader (by its own text or by the label
// that is its buddy), Tab going round the dialog and back without getting stuck, Esc closing it.
#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"

namespace orv::test {
namespace {

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QString Describe(QWidget* widget) {
  return widget ? QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                      widget->objectName()
                : QStringLiteral("nic");
}

// The underlined letter of a menu text ("&Soubor" → S).
QChar Mnemonic(const QString& text) {
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
}

class DialogKeyboard : public DialogWindowTest {
 protected:
  CMainFrame& Frame() const { return window->Frame(); }

  // Presses the command's key, or opens its menu with Alt and the menu's letter and picks the item by
  // its letter.
  void OpenByKeys(int command) {
    QAction* action = Frame().Action(command);
    ASSERT_NE(action, nullptr);
    if (!action->shortcut().isEmpty()) {
      QTest::keySequence(QApplication::focusWidget(), action->shortcut());
      return;
    }
    for (QAction* top : Frame().menuBar()->actions()) {
      if (!top->menu() || !top->menu()->actions().contains(action)) continue;
      const QChar menuLetter = Mnemonic(top->text());
      ASSERT_FALSE(menuLetter.isNull()) << top->text().toStdString();
      QTest::keyClick(QApplication::focusWidget(), menuLetter.toLatin1(), Qt::AltModifier);
      ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
      const QChar itemLetter = Mnemonic(action->text());
      ASSERT_FALSE(itemLetter.isNull()) << action->text().toStdString();
      QTest::keyClick(QApplication::activePopupWidget(), itemLetter.toLower().toLatin1());
      return;
    }
    FAIL() << "command " << command << " has neither a key nor a menu";
  }

  // Tabs round the dialog; the problems found, one a line.
  static QStringList TabRound(QWidget* dialog) {
    QStringList problems;
    QWidget* first = QApplication::focusWidget();
    if (!first || first->window() != dialog) return {QStringLiteral("fokus mimo dialog: ") + Describe(first)};
    QWidget* at = first;
    int stay = 0;  // a date field's Tab walks its day, month and year before it leaves
    for (int stop = 0; stop < 80; ++stop) {
      if (stay == 0 && AccessibleName(at).isEmpty()) problems << QStringLiteral("bez jména: ") + Describe(at);
      Key(Qt::Key_Tab);
      QWidget* next = QApplication::focusWidget();
      if (!next || next->window() != dialog)
        return problems << QStringLiteral("Tab opustil dialog: ") + Describe(next);
      if (next == first) return problems;
      stay = next == at ? stay + 1 : 0;
      if (stay > 4) return problems << QStringLiteral("Tab uvázl v ") + Describe(at);
      at = next;
    }
    return problems << QStringLiteral("Tab se nevrátil na začátek");
  }
};

TEST_F(DialogKeyboard, EveryDialogIsWorkedByTabAndClosedByEsc) {
  // A calendar with a note, saved twice: the exports have something to offer, and the append
  // command another calendar to join.
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("Narozeniny Aničky"));
  Key(Qt::Key_F2);
  QTemporaryDir dir;
  const std::string other = dir.filePath(QStringLiteral("jiný.orv")).toStdString();
  for (const QString& file : {QStringLiteral("jiný.orv"), QStringLiteral("deník.orv")}) {
    ui.fileAnswers.push_back(dir.filePath(file).toStdString());
    Frame().Action(cmd::FileSaveAs)->trigger();
    ui.Clear();
  }
  const std::string out = dir.filePath(QStringLiteral("export")).toStdString();
  struct SDialog {
    int command;
    bool inEditor;
    std::string file;  // what the file chooser before the dialog answers
  };
  const SDialog dialogs[] = {
      {cmd::YearRange, false, {}},
      {cmd::HolidayLists, false, {}},
      {cmd::ChangeHolidays, false, {}},
      {cmd::DeletePeriod, false, {}},
      {cmd::GoTo, false, {}},
      {cmd::NoteSearch, false, {}},
      {cmd::FullTextSearch, false, {}},
      {cmd::FilePassword, false, {}},
      {cmd::AuthorData, false, {}},
      {cmd::FileInfo, false, {}},
      {cmd::ExportTxt, false, out + ".txt"},
      {cmd::ExportRtf, false, out + ".rtf"},
      {cmd::ExportPdf, false, out + ".pdf"},
      {cmd::FileAppend, false, other},
      {cmd::EditFind, true, {}},
      {cmd::EditReplace, true, {}},
      {cmd::InsertSymbol, true, {}},
      {cmd::FontDialog, true, {}},
      {cmd::ParagraphDialog, true, {}},
      {cmd::TabStopsDialog, true, {}},
      {cmd::CharStylesDialog, true, {}},
      {cmd::ParStylesDialog, true, {}},
  };
  for (const SDialog& d : dialogs) {
    const std::string name = Frame().Action(d.command)->text().toStdString();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    if (d.inEditor)
      Key(Qt::Key_W, Qt::ControlModifier);
    else
      window->View().FocusTable();
    if (!d.file.empty()) ui.fileAnswers.push_back(d.file);
    bool opened = false, closed = false;
    QStringList problems;
    // The dialog runs its own event loop: it is worked from a timer once it is up.
    std::function<void()> work = [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog || !dialog->isVisible()) return QTimer::singleShot(10, work);
      opened = true;
      (void)QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 2000);
      problems = TabRound(dialog);
      Key(Qt::Key_Escape);
      closed = !dialog->isVisible();
      if (!closed) static_cast<QDialog*>(dialog)->reject();
    };
    QTimer::singleShot(10, work);
    OpenByKeys(d.command);
    if (!QTest::qWaitFor([&] { return opened; }, 3000)) {
      ADD_FAILURE() << name << ": not opened";
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
      continue;
    }
    EXPECT_EQ(problems.join(QStringLiteral("; ")).toStdString(), "") << name;
    EXPECT_TRUE(closed) << name << ": Esc did not close it";
    ui.fileAnswers.clear();
  }
}

}  // namespace
}  // namespace orv::test
