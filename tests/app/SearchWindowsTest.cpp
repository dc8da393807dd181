// The search windows opened from the main window and driven as the user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "RtfParagraphs.h"
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/CommentaryEditor.h"
#include "search/FulltextSearch.h"
#include "search/ResultListTexts.h"
#include "ui/CalendarView.h"
#include "ui/RichTextView.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

class SearchWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Orvella 2 test"));
    QSettings().clear();
    ASSERT_TRUE(doc.OnNewDocument());
    test::CalendarBuilder(doc)
        .Day("2004/03/05", Cp1250FromUtf8("Hvězdárna"), "Vecer kometa nad lesem")
        .Day("2005/02/29", "", Cp1250FromUtf8("planeta"))  // a day no calendar has
        .Month("2006/07", Cp1250FromUtf8("planeta a kometa"));
    window = std::make_unique<CCalendarWindow>(
        doc, ui, recent, QString(), [](const std::string&) { return SaveAnswer::No; },
        [] {
          return Date{2005, 3, 15};
        });
    window->Frame().SetBaseFont("DejaVu Sans");
    window->Start();
    window->Frame().show();
    window->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window->Frame()));
    ui.Clear();
  }
  void TearDown() override {
    window->View().FocusTable();  // the frame goes away without an editor losing the focus into it
    window.reset();
    QSettings().clear();
  }

  Date Selected() const { return window->Model().SelectedDate(); }
  // Opens a window with keys in the main window and works it, once it shows, with `drive`.
  void Open(int key, Qt::KeyboardModifiers modifiers, std::function<void(QWidget*)> drive) {
    window->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window->Frame()));
    QTimer::singleShot(0, [drive] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      drive(dialog);
      if (dialog->isVisible()) dialog->close();  // a failed check must not leave the window open
    });
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window->Frame(), static_cast<Qt::Key>(key), modifiers);
  }
  static void Click(QWidget* dialog, const char* text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == QString::fromUtf8(text)) return button->click();
    ADD_FAILURE() << "no button " << text;
  }

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CRecentFileList recent;
  std::unique_ptr<CCalendarWindow> window;
};

TEST_F(SearchWindowsTest, FulltextSearchShowsTheFirstDayFoundAndOkMovesThere) {
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vyhledávání ve výkladech"));
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"));
    ASSERT_NE(text, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return text->hasFocus(); }));
    QTest::keyClicks(text, QStringLiteral("kometa"));
    QTest::keyClick(text, Qt::Key_Return);
    auto* days = dialog->findChild<QListWidget*>(QStringLiteral("FoundDays"));
    auto* months = dialog->findChild<QListWidget*>(QStringLiteral("FoundMonths"));
    ASSERT_EQ(days->count(), 1);
    EXPECT_EQ(days->item(0)->text(), QStringLiteral("05. března 2004"));
    EXPECT_EQ(days->currentRow(), 0);
    EXPECT_EQ(months->item(0)->text(), QStringLiteral("Červenec 2006"));
    EXPECT_EQ(dialog->findChild<QTextEdit*>(QStringLiteral("NotePreview"))->toPlainText(),
              QStringLiteral("Hvězdárna"));
    QTextEdit* preview = dialog->findChild<QTextEdit*>(QStringLiteral("CommentaryPreview"));
    EXPECT_EQ(preview->toPlainText(), QStringLiteral("Vecer kometa nad lesem"));
    QTextCursor word(preview->document());
    word.setPosition(7);
    EXPECT_EQ(word.charFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(preview->textCursor().position(), 6);
    Click(dialog, "OK");
  });
  EXPECT_EQ(Selected(), (Date{2004, 3, 5}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});

  // The text and the check boxes come back with the next opening; a month goes to its first day.
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"));
    EXPECT_EQ(text->text(), QStringLiteral("kometa"));
    text->setText(QStringLiteral("planeta"));
    Click(dialog, "Vyhledat");
    auto* days = dialog->findChild<QListWidget*>(QStringLiteral("FoundDays"));
    EXPECT_EQ(days->item(0)->text(), QStringLiteral("29. února 2005"));
    auto* months = dialog->findChild<QListWidget*>(QStringLiteral("FoundMonths"));
    EXPECT_EQ(days->currentRow(), 0);
    EXPECT_EQ(months->currentRow(), -1);
    Click(dialog, "OK");  // 29 February 2005 is not moved to
  });
  EXPECT_EQ(Selected(), (Date{2004, 3, 5}));
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    Click(dialog, "Vyhledat");
    auto* months = dialog->findChild<QListWidget*>(QStringLiteral("FoundMonths"));
    months->setCurrentRow(0);
    Click(dialog, "OK");
  });
  EXPECT_EQ(Selected(), (Date{2006, 7, 1}));
}

TEST_F(SearchWindowsTest, ALongSearchLetsTheWindowsPaintAndFindsWhatOneSearchFinds) {
  test::CalendarBuilder fill(doc);
  for (int year = 2000; year <= 2020; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= DaysInMonth(year, month); ++day)
        fill.Day(DayKey(year, month, day), "", Cp1250FromUtf8(day % 9 == 0 ? "Večer hvězdárna" : "Ráno les"));
  const QString expression = QStringLiteral("hvězd* OR kometa");
  QStringList listed;
  Open(Qt::Key_L, Qt::AltModifier, [&](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(expression);
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
      if (box->text().startsWith(QStringLiteral("Maska")) ||
          box->text().startsWith(QStringLiteral("Logické")))
        box->click();
    QPushButton* cancel = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("Přerušit")) cancel = button;
    ASSERT_NE(cancel, nullptr);
    auto* days = dialog->findChild<QListWidget*>(QStringLiteral("FoundDays"));

    Click(dialog, "Vyhledat");
    ASSERT_TRUE(cancel->isEnabled());  // the search goes on after the click
    EXPECT_FALSE(days->isEnabled());
    // The wait cursor, pushed here as the program's services push it, is the arrow over "Přerušit".
    const auto shown = [] { return QGuiApplication::overrideCursor()->shape(); };
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    test::MoveMouseTo(cancel);
    EXPECT_EQ(shown(), Qt::ArrowCursor);
    test::MoveMouseTo(days);
    EXPECT_EQ(shown(), Qt::WaitCursor);
    test::MoveMouseTo(cancel);
    EXPECT_EQ(shown(), Qt::ArrowCursor);
    QGuiApplication::restoreOverrideCursor();
    bool firedWhileSearching = false;
    QTimer::singleShot(0, [&] { firedWhileSearching = cancel->isEnabled(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cancel->isEnabled(); }));
    EXPECT_TRUE(firedWhileSearching);
    for (int row = 0; row < days->count(); ++row) listed << days->item(row)->text();

    // Esc ends a running search, not the window; the last result stays for the exports. The mouse
    // rests on "Přerušit" meanwhile: the arrow there only while the search can be stopped.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    test::MoveMouseTo(cancel);
    EXPECT_EQ(shown(), Qt::WaitCursor);
    Click(dialog, "Vyhledat");
    ASSERT_TRUE(cancel->isEnabled());
    EXPECT_EQ(shown(), Qt::ArrowCursor);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_EQ(shown(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(days->count(), 0);
    EXPECT_TRUE(days->isEnabled());
    Click(dialog, "Storno");
  });

  test::FakeUiServices quiet;
  CFulltextSearch oneShot;
  FulltextRequest request;
  request.input = Cp1250FromUtf8(expression.toStdString());
  request.options.logical = request.options.useMask = request.options.wholeWords = true;
  ASSERT_EQ(oneShot.OnButHledat(doc, request, quiet).status, FulltextStatus::Found);
  QStringList expected;
  for (std::size_t i = 0; i < 50; ++i)
    expected << QString::fromStdString(Cp1250ToUtf8(FoundDayText(oneShot.FoundDays()[i])));
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Počet vyhledaných dnů : " + std::to_string(oneShot.FoundDays().Size()) +
                                     "\r\nZobrazeno: 50"});
  EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(SearchWindowsTest, NoteSearchListsDaysWithTheirNotesAndOkMovesToTheChosenOne) {
  test::CalendarBuilder(doc).Day("2004/01/10", Cp1250FromUtf8("hvězdárna zavřena"));
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vyhledávání v poznámkách"));
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"));
    text->setText(QStringLiteral("  HVĚZDÁRNA "));
    QTest::keyClick(text, Qt::Key_Return);
    auto* found = dialog->findChild<QTreeWidget*>(QStringLiteral("FoundNotes"));
    ASSERT_EQ(found->topLevelItemCount(), 2);
    EXPECT_EQ(found->topLevelItem(0)->text(0), QStringLiteral("10. ledna 2004"));
    EXPECT_EQ(found->topLevelItem(0)->text(1), QStringLiteral("hvězdárna zavřena"));
    found->setCurrentItem(found->topLevelItem(1));
    Click(dialog, "OK");
  });
  EXPECT_EQ(Selected(), (Date{2004, 3, 5}));

  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->text(), QString());
    Click(dialog, "OK");  // nothing selected: the calendar stays
  });
  EXPECT_EQ(Selected(), (Date{2004, 3, 5}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

TEST_F(SearchWindowsTest, BothWindowsSearchWithoutAccentsWhenAsked) {
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("hvezdarna"));
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
      if (box->text() == QStringLiteral("Bez ohledu na diakritiku")) box->click();
    Click(dialog, "Hledat");
    EXPECT_EQ(dialog->findChild<QTreeWidget*>(QStringLiteral("FoundNotes"))->topLevelItemCount(), 1);
    Click(dialog, "Storno");
  });
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("hvezdarna"));
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
      if (box->text() == QStringLiteral("Bez ohledu na diakritiku")) box->click();
    Click(dialog, "Vyhledat");
    EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("FoundDays"))->count(), 1);
    Click(dialog, "Storno");
  });
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

TEST_F(SearchWindowsTest, BothWindowsExportTheFoundDaysNotesToText) {
  QTemporaryDir dir;
  doc.SetPathName(dir.filePath(QStringLiteral("kalendar.orv")).toStdString());
  const std::string fulltextPath = dir.filePath(QStringLiteral("fulltext")).toStdString();
  const std::string notesPath = dir.filePath(QStringLiteral("notes.txt")).toStdString();
  ui.fileAnswers = {fulltextPath, notesPath};
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("kometa"));
    Click(dialog, "Vyhledat");
    Click(dialog, "Export poznámek do txt");
    Click(dialog, "Storno");
  });
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("hvězdárna"));
    Click(dialog, "Hledat");
    Click(dialog, "Export poznámek do txt");
    Click(dialog, "Storno");
  });
  auto read = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return Cp1250ToUtf8(bytes.str());
  };
  // A name without an extension gets ".txt".
  EXPECT_NE(read(fulltextPath + ".txt").find("\r\n05.03.2004 : Hvězdárna\r\n"), std::string::npos);
  EXPECT_NE(read(notesPath).find("\r\n05.03.2004 ; Hvězdárna\r\n"), std::string::npos);
  EXPECT_EQ(Selected(), (Date{2005, 3, 15}));
}

TEST_F(SearchWindowsTest, BothWindowsExportTheirResultToRtfAndPdf) {
  QTemporaryDir dir;
  doc.SetPathName(dir.filePath(QStringLiteral("kalendar.orv")).toStdString());
  const std::string days = dir.filePath(QStringLiteral("dny")).toStdString();  // ".rtf" is added
  const std::string months = dir.filePath(QStringLiteral("mesice.rtf")).toStdString();
  const std::string notes = dir.filePath(QStringLiteral("poznamky.rtf")).toStdString();
  const std::string pdf = dir.filePath(QStringLiteral("poznamky.pdf")).toStdString();
  ui.fileAnswers = {days, months, notes, pdf};
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("kometa"));
    Click(dialog, "Vyhledat");
    Click(dialog, "Export do rtf");
    for (QRadioButton* area : dialog->findChildren<QRadioButton*>())
      if (area->text() == QStringLiteral("pouze výklady měsíců")) area->click();
    Click(dialog, "Export do rtf");
    Click(dialog, "Storno");
  });
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("hvězdárna"));
    Click(dialog, "Hledat");
    Click(dialog, "Export do rtf");
    Click(dialog, "Export do PDF ...");
    Click(dialog, "Storno");
  });
  using Lines = std::vector<std::string>;
  const Lines day{"", "05.03.2004\tPá", "Hvězdárna", "Vecer kometa nad lesem"};
  EXPECT_EQ(test::RtfFileParagraphs(days + ".rtf"), day);
  EXPECT_EQ(test::RtfFileParagraphs(months), (Lines{"", "Červenec 2006", "planeta a kometa"}));
  EXPECT_EQ(test::RtfFileParagraphs(notes), day);
  std::ifstream written(pdf, std::ios::binary);
  std::string head(4, '\0');
  written.read(head.data(), 4);
  EXPECT_EQ(head, "%PDF");
  ASSERT_EQ(ui.events.size(), 8u);
  EXPECT_EQ(ui.events[0].kind, test::FakeUiServices::Kind::SaveChooser);
  EXPECT_EQ(ui.events[0].text, "Exportovat do souboru rtf");
  EXPECT_EQ(ui.events[6].text, "Exportovat do souboru PDF");
  EXPECT_EQ(ui.Messages(), (Lines{"Počet exportovaných dnů: 1\n\rSoubor: " + days + ".rtf ",
                                  "Počet exportovaných dnů: 1\n\rSoubor: " + months + " ",
                                  "Počet exportovaných dnů: 1\n\rSoubor: " + notes + " ",
                                  "Počet exportovaných dnů: 1\n\rSoubor: " + pdf + " "}));
}

TEST_F(SearchWindowsTest, TiskPrintsTheFoundDaysThroughThePrintDialog) {
  QTemporaryDir dir;
  const QString printed = dir.filePath(QStringLiteral("tisk.pdf"));
  bool sawPrintDialog = false;
  Open(Qt::Key_L, Qt::ControlModifier, [&](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("hvězdárna"));
    Click(dialog, "Hledat");
    QTimer::singleShot(0, [&] {
      auto* print = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(print, nullptr);
      sawPrintDialog = true;
      // The printer of the test machine is a file.
      print->printer()->setOutputFormat(QPrinter::PdfFormat);
      print->printer()->setOutputFileName(printed);
      print->done(QDialog::Accepted);
    });
    Click(dialog, "Tisk ...");
    Click(dialog, "Storno");
  });
  EXPECT_TRUE(sawPrintDialog);
  std::ifstream in(printed.toStdString(), std::ios::binary);
  std::string head(4, '\0');
  in.read(head.data(), 4);
  EXPECT_EQ(head, "%PDF");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

TEST_F(SearchWindowsTest, ResultExportsRefuseAnUnnamedCalendarInEachWindowsWords) {
  Open(Qt::Key_L, Qt::AltModifier, [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"))->setText(QStringLiteral("kometa"));
    Click(dialog, "Vyhledat");
    Click(dialog, "Export do rtf");
    Click(dialog, "Storno");
  });
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    Click(dialog, "Export do rtf");  // nothing searched: the name is refused first
    Click(dialog, "Storno");
  });
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"Soubor nemá jméno, nejprve je nutno jej uložit.",
                                      "Soubor nemá jméno, nejprve je nutno jej Uložit jako."}));
}

TEST_F(SearchWindowsTest, ExportToTextAsksForThePeriodAndKeepsItOpenWhileItRunsBackwards) {
  QTemporaryDir dir;
  doc.SetPathName(dir.filePath(QStringLiteral("kalendar.orv")).toStdString());
  test::CalendarBuilder(doc).Day("2004/03/31", "konec").Day("2004/04/01", "duben");
  const std::string path = dir.filePath(QStringLiteral("obdobi.txt")).toStdString();
  ui.fileAnswers = {path};
  Open(Qt::Key_E, Qt::ControlModifier, [this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export poznámek"));
    auto* from = dialog->findChild<QDateEdit*>(QStringLiteral("ExportFrom"));
    auto* to = dialog->findChild<QDateEdit*>(QStringLiteral("ExportTo"));
    EXPECT_EQ(from->minimumDate(), QDate(2000, 1, 1));
    from->setDate(QDate(2004, 3, 31));
    to->setDate(QDate(2004, 3, 1));
    Click(dialog, "OK");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Spodní hranice období nesmí být větší než horní !"});
    to->setDate(QDate(2004, 3, 31));
    dialog->findChild<QCheckBox*>()->setChecked(true);
    dialog->findChild<QLineEdit*>(QStringLiteral("ExportSeparator"))->setText(QStringLiteral("-"));
    Click(dialog, "OK");
  });
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_NE(bytes.str().find("= 1  ---\r\n\r\n31.03.2004 - konec\r\n\r\n"), std::string::npos) << bytes.str();
  EXPECT_EQ(bytes.str().find("duben"), std::string::npos);
}

TEST_F(SearchWindowsTest, FindFindNextAndReplaceAllInTheDayCommentary) {
  auto* editor = window->Frame().findChild<CRichTextView*>(QStringLiteral("DayEditor"));
  ASSERT_NE(editor, nullptr);
  editor->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  QTest::keyClicks(editor, QStringLiteral("Den a den, Dena a den"));
  editor->moveCursor(QTextCursor::Start);
  ASSERT_EQ(doc.GetDayRecord("2005/03/15"), nullptr);  // typed, not stored yet

  Open(Qt::Key_F, Qt::ControlModifier, [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Najít výraz"));
    dialog->findChild<QLineEdit*>(QStringLiteral("FindText"))->setText(QStringLiteral("den"));
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
      if (box->text() == QStringLiteral("Pouze celá slova")) box->click();
    Click(dialog, "Najít další");
    Click(dialog, "Storno");
  });
  window->Frame().activateWindow();  // the offscreen platform does not give it back by itself
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  // The search stored what was typed, as every command that reads the calendar does.
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Text, "Den a den, Dena a den");
  doc.SetModifiedFlag(false);
  EXPECT_EQ(editor->textCursor().selectionStart(), 0);
  EXPECT_EQ(editor->textCursor().selectionEnd(), 3);
  QTest::keyClick(editor, Qt::Key_F3);
  QTest::keyClick(editor, Qt::Key_F3);
  EXPECT_EQ(editor->textCursor().selectionStart(), 18);  // "Dena" is not a whole "den"
  QTest::keyClick(editor, Qt::Key_F3);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Prohledávání textu bylo dokončeno."});
  EXPECT_FALSE(doc.IsModified());

  ui.Clear();
  Open(Qt::Key_R, Qt::ControlModifier, [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Záměna výrazů"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("FindText"))->text(), QStringLiteral("den"));
    dialog->findChild<QLineEdit*>(QStringLiteral("ReplacementText"))->setText(QStringLiteral("noc"));
    for (QRadioButton* area : dialog->findChildren<QRadioButton*>())
      if (area->text() == QStringLiteral("Celý text")) area->click();
    Click(dialog, "Zaměnit vše");
    Click(dialog, "Storno");
  });
  window->Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("noc a noc, Dena a noc"));
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"Prohledávání textu bylo dokončeno.", "Počet záměn = 3"}));
  EXPECT_TRUE(doc.IsModified());
}

// The export proposes the calendar's name with ".txt"; a name with a wildcard is refused and the
// chooser asked again, so no file named "*.txt" is ever written.
TEST_F(SearchWindowsTest, NoteExportProposesTheCalendarsNameAndRefusesWildcards) {
  QTemporaryDir dir;
  doc.SetPathName(dir.filePath(QStringLiteral("deník.orv")).toStdString());
  const std::string wildcard = dir.filePath(QStringLiteral("*.txt")).toStdString();
  const std::string chosen = dir.filePath(QStringLiteral("poznámky")).toStdString();
  ui.fileAnswers = {wildcard, chosen};
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"));
    text->setText(QStringLiteral("hvězdárna"));
    QTest::keyClick(text, Qt::Key_Return);
    Click(dialog, "Export poznámek do txt");
    Click(dialog, "Storno");
  });
  EXPECT_EQ(ui.suggestedNames,
            (std::vector<std::string>{dir.filePath(QStringLiteral("deník.txt")).toStdString(),
                                      dir.filePath(QStringLiteral("deník.txt")).toStdString()}));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(wildcard)));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(chosen + ".txt")));
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_EQ(ui.Messages().front(), "Název souboru nesmí obsahovat znaky * a ?");
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

// "Vyhledávání v poznámkách" finished from the keyboard: after a search Enter takes the first day
// found; a double click takes the day clicked. A changed text is searched again by Enter.
TEST_F(SearchWindowsTest, NoteSearchEnterOrADoubleClickTakesTheDayFound) {
  test::CalendarBuilder(doc).Day("2004/01/10", Cp1250FromUtf8("hvězdárna zavřena"));
  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"));
    test::Type(text, QStringLiteral("hvězdárna"));
    QTest::keyClick(text, Qt::Key_Return);
    auto* found = dialog->findChild<QTreeWidget*>(QStringLiteral("FoundNotes"));
    ASSERT_EQ(found->topLevelItemCount(), 2);
    QTest::keyClick(found, Qt::Key_Return);  // where the search put the focus
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(Selected(), (Date{2004, 1, 10}));

  Open(Qt::Key_L, Qt::ControlModifier, [](QWidget* dialog) {
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("SearchText"));
    test::Type(text, QStringLiteral("zavřena"));
    QTest::keyClick(text, Qt::Key_Return);
    auto* found = dialog->findChild<QTreeWidget*>(QStringLiteral("FoundNotes"));
    ASSERT_EQ(found->topLevelItemCount(), 1);
    text->setFocus();
    text->selectAll();
    test::Type(text, QStringLiteral("hvězdárna"));
    QTest::keyClick(text, Qt::Key_Return);  // the new text is searched, the window stays
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(found->topLevelItemCount(), 2);
    const QPoint second = found->visualItemRect(found->topLevelItem(1)).center();
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(found->viewport(), Qt::LeftButton, {}, second);
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(Selected(), (Date{2004, 3, 5}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

// "Vyhledávání v poznámkách" in a real window, with the keys where the window manager puts the
// focus: Enter searches, Enter again takes the first day found; a double click takes its own.
using NoteSearchUnderWm = SearchWindowsTest;

TEST_F(NoteSearchUnderWm, EnterAfterASearchOrADoubleClickTakesTheDay) {
  test::CalendarBuilder(doc).Day("2004/01/10", Cp1250FromUtf8("hvězdárna zavřena"));
  const auto search = [](QWidget* dialog) {
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }));
    test::Type(QApplication::focusWidget(), QStringLiteral("hvězdárna"));
    test::Key(Qt::Key_Return);
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(dialog->findChild<QTreeWidget*>(QStringLiteral("FoundNotes"))->topLevelItemCount(), 2);
  };
  Open(Qt::Key_L, Qt::ControlModifier, [&](QWidget* dialog) {
    search(dialog);
    test::Key(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(Selected(), (Date{2004, 1, 10}));

  Open(Qt::Key_L, Qt::ControlModifier, [&](QWidget* dialog) {
    search(dialog);
    auto* found = dialog->findChild<QTreeWidget*>(QStringLiteral("FoundNotes"));
    const QPoint second = found->visualItemRect(found->topLevelItem(1)).center();
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(found->viewport(), Qt::LeftButton, {}, second);
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(Selected(), (Date{2004, 3, 5}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

// Find and replace in a real window: the window loses its focus to the dialog and gets it back when
// the dialog closes.
using FindUnderWm = SearchWindowsTest;

// The occurrence found is shown selected in the editor and scrolled into view while the dialog is
// open, the status bar gives its line and column, it stays selected when the dialog closes, and F3
// goes on behind it.
TEST_F(FindUnderWm, TheOccurrenceFoundIsSelectedInViewAndF3GoesOn) {
  auto* editor = window->Frame().findChild<CRichTextView*>(QStringLiteral("DayEditor"));
  ASSERT_NE(editor, nullptr);
  editor->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  QString text;
  for (int line = 1; line <= 80; ++line) text += QStringLiteral("řádek %1\n").arg(line);
  text += QStringLiteral("tady je cíl\na další cíl");
  editor->insertPlainText(text);
  editor->moveCursor(QTextCursor::Start);
  const int first = static_cast<int>(text.indexOf(QStringLiteral("cíl")));
  const int second = static_cast<int>(text.lastIndexOf(QStringLiteral("cíl")));

  Open(Qt::Key_F, Qt::ControlModifier, [&](QWidget* dialog) {
    test::Type(dialog->findChild<QLineEdit*>(QStringLiteral("FindText")), QStringLiteral("cíl"));
    Click(dialog, "Najít další");
    EXPECT_EQ(editor->textCursor().selectionStart(), first);
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("cíl"));
    EXPECT_TRUE(editor->viewport()->rect().contains(editor->cursorRect().center()));
    EXPECT_EQ(window->Frame().StatusPane(1), QStringLiteral("ř 81,  s 12"));
    Click(dialog, "Storno");
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }));
  EXPECT_EQ(editor->textCursor().selectionStart(), first);
  EXPECT_EQ(editor->textCursor().selectionEnd(), first + 3);
  QTest::keyClick(editor, Qt::Key_F3);
  EXPECT_EQ(editor->textCursor().selectionStart(), second);
  EXPECT_EQ(window->Frame().StatusPane(1), QStringLiteral("ř 82,  s 12"));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace orv
