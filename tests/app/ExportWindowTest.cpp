// The export commands driven through the real main window: the menu key, the file chooser, the
// period dialog with its defaults and OK, and the file read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "CalendarBuilder.h"
#include "DialogWindowFixture.h"
#include "FakeUiServices.h"
#include "RtfParagraphs.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "crypto/CalendarContainer.h"
#include "document/EncryptedCalendar.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"
#include "ui/RichTextView.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;
using test::Key;
using test::Type;

class ExportWindowTest : public test::DialogWindowTest {
 protected:
  static Lines Paragraphs(const std::string& path) { return test::RtfFileParagraphs(path); }

  // A calendar with notes, a day commentary and a month commentary, saved under `name`.
  std::string SavedCalendar(const QTemporaryDir& dir, const QString& name) {
    const std::string path = dir.filePath(name).toStdString();
    Key(Qt::Key_F2);
    Type(window->View().NoteField(), QStringLiteral("Narozeniny Aničky"));
    Key(Qt::Key_W, Qt::ControlModifier);
    Type(window->Frame().DayEditor(), QStringLiteral("Dort a svíčky"));
    Key(Qt::Key_W, Qt::AltModifier);
    Type(window->Frame().MonthEditor(), QStringLiteral("Jaro"));
    ui.fileAnswers.push_back(path);
    window->Frame().Action(cmd::FileSaveAs)->trigger();
    EXPECT_FALSE(doc.IsModified());
    window->View().FocusTable();
    ui.Clear();
    return path;
  }
  // Presses a button of the modal dialog that is open when the event loop next runs.
  static void PressInNextDialog(const QString& button, const std::function<void(QWidget*)>& inspect = {}) {
    QTimer::singleShot(0, [=] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      if (inspect) inspect(dialog);
      for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == button) return b->click();
      ADD_FAILURE() << "no button " << button.toStdString();
    });
  }

  // Print and preview dialogs open after the content is assembled: polled for until one is there.
  template <typename Dialog>
  static void WhenOpens(std::function<void(Dialog*)> then, int triesLeft = 250) {
    QTimer::singleShot(20, [then = std::move(then), triesLeft]() mutable {
      if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) return then(dialog);
      if (triesLeft > 0) return WhenOpens<Dialog>(std::move(then), triesLeft - 1);
      ADD_FAILURE() << "no dialog";
    });
  }
};

TEST_F(ExportWindowTest, AltEExportsASavedCalendarWithTheDialogsDefaults) {
  QTemporaryDir dir;
  SavedCalendar(dir, QStringLiteral("deník.orv"));
  const std::string out = dir.filePath(QStringLiteral("export")).toStdString();  // ".rtf" is added
  bool sawDialog = false;
  PressInNextDialog(QStringLiteral("OK"), [&](QWidget* dialog) {
    sawDialog = true;
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export do rtf"));
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
      EXPECT_EQ(radio->isChecked(), radio->text() == QStringLiteral("Celý kalendář"));
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
      EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
    EXPECT_EQ(dialog->findChild<QDateEdit*>(QStringLiteral("ExportFrom"))->date(), QDate(2000, 1, 1));
    EXPECT_EQ(dialog->findChild<QDateEdit*>(QStringLiteral("ExportTo"))->date(), QDate(2020, 12, 31));
    for (QComboBox* list : dialog->findChildren<QComboBox*>()) {
      EXPECT_TRUE(list->currentText().isEmpty());
      EXPECT_GE(list->findText(QStringLiteral("Hlavička1")), 1);
    }
  });
  ui.fileAnswers.push_back(out);
  Key(Qt::Key_E, Qt::AltModifier);
  EXPECT_TRUE(sawDialog);

  EXPECT_EQ(Paragraphs(out + ".rtf"),
            (Lines{"Březen   2005", "Jaro", "", "15.03.2005\tÚt", "Narozeniny Aničky", "Dort a svíčky", ""}));
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0].kind, test::FakeUiServices::Kind::SaveChooser);
  EXPECT_EQ(ui.events[0].text, "Exportovat do souboru rtf");
  EXPECT_EQ(ui.events[1].text, "Počet exportovaných položek: 2\n\rSoubor: " + out + ".rtf ");
  EXPECT_FALSE(doc.IsModified());
}

// An export of an encrypted calendar asks first; "Zašifrovat" writes it sealed with the calendar's key.
TEST_F(ExportWindowTest, AnEncryptedCalendarsExportIsSealedWhenTheUserChoosesSo) {
  const crypto::CNewKeyCostScope cheap(crypto::MinimalCost());
  QTemporaryDir dir;
  SavedCalendar(dir, QStringLiteral("tajny.orv"));
  std::string first = "heslo", second = "heslo";
  ASSERT_TRUE(EncryptCalendar(doc, first, second, ui));
  const std::string out = dir.filePath(QStringLiteral("export.rtf")).toStdString();
  ui.choiceAnswers = {0};
  PressInNextDialog(QStringLiteral("OK"));
  ui.fileAnswers.push_back(out);
  Key(Qt::Key_E, Qt::AltModifier);
  ASSERT_FALSE(ui.events.empty());
  EXPECT_EQ(ui.events[0].text, kExportChoiceQuestion);
  std::ifstream in(out, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_TRUE(crypto::LooksEncrypted(bytes));
  EXPECT_EQ(bytes.find("Dort"), std::string::npos);
  const std::optional<CArchiveBuffer> plain = DecryptWithKey(bytes, *doc.EncryptionKey());
  ASSERT_TRUE(plain);
  EXPECT_NE(plain->View().find("Dort"), std::string_view::npos);
}

TEST_F(ExportWindowTest, PdfExportAndPrintPreviewShowTheSameContentOnPages) {
  QTemporaryDir dir;
  SavedCalendar(dir, QStringLiteral("deník.orv"));
  const std::string out = dir.filePath(QStringLiteral("deník.pdf")).toStdString();
  PressInNextDialog(QStringLiteral("OK"), [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export do PDF"));
  });
  ui.fileAnswers.push_back(out);
  window->Frame().Action(cmd::ExportPdf)->trigger();
  std::ifstream pdf(out, std::ios::binary);
  std::string head(4, '\0');
  pdf.read(head.data(), 4);
  EXPECT_EQ(head, "%PDF");
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Počet exportovaných položek: 2\n\rSoubor: " + out + " "});

  int previewPages = 0;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Náhled tisku"));
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("OK")) b->click();
    WhenOpens<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
      auto* pages = preview->findChild<QPrintPreviewWidget*>();
      ASSERT_NE(pages, nullptr);
      pages->updatePreview();
      previewPages = pages->pageCount();
      preview->reject();
    });
  });
  window->Frame().Action(cmd::FilePrintPreview)->trigger();
  EXPECT_EQ(previewPages, 1);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ExportWindowTest, CtrlPPrintsTheChosenPeriod) {
  QTemporaryDir dir;
  SavedCalendar(dir, QStringLiteral("deník.orv"));
  const QString printed = dir.filePath(QStringLiteral("tisk.pdf"));
  bool sawPrintDialog = false;
  PressInNextDialog(QStringLiteral("OK"), [&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tisk"));
    WhenOpens<QPrintDialog>([&](QPrintDialog* print) {
      sawPrintDialog = true;
      // The printer of the test machine is a file.
      print->printer()->setOutputFormat(QPrinter::PdfFormat);
      print->printer()->setOutputFileName(printed);
      print->done(QDialog::Accepted);
    });
  });
  Key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(sawPrintDialog);
  QFile file(printed);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ExportWindowTest, ALongExportShowsTheDaysWalkedThenThePagesAndCanBeCancelled) {
  QTemporaryDir dir;
  doc.SetPathName(dir.filePath(QStringLiteral("deník.orv")).toStdString());
  test::CalendarBuilder fill(doc);
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= DaysInMonth(2000, month); ++day)
      fill.Day(DayKey(2000, month, day), "Den", Cp1250FromUtf8("Ráno mlha, večer déšť."));
  const std::string out = dir.filePath(QStringLiteral("celý.pdf")).toStdString();
  ui.fileAnswers.push_back(out);
  PressInNextDialog(QStringLiteral("OK"));
  QString daysLabel;
  QString pagesLabel;
  int done = 0;
  int total = 0;
  bool arrowOverStorno = false;
  bool waitBeside = false;
  // Until the progress dialog shows, every turn of the event loop the export gives is made slow, as
  // on a slow machine. The dialog is read while the days are walked, then again while the pages are
  // painted, and there its "Storno" is pressed.
  std::function<void()> lookForProgress = [&] {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(top); progress && progress->isVisible()) {
        if (daysLabel.isEmpty()) {
          daysLabel = progress->labelText();
          done = progress->value();
          total = progress->maximum();
          // The wait cursor, pushed as the program's services push it, is the arrow over "Storno".
          QGuiApplication::setOverrideCursor(Qt::WaitCursor);
          for (QPushButton* button : progress->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Storno")) test::MoveMouseTo(button);
          arrowOverStorno = QGuiApplication::overrideCursor()->shape() == Qt::ArrowCursor;
          test::MoveMouseTo(progress->findChild<QLabel*>());
          waitBeside = QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
          QGuiApplication::restoreOverrideCursor();
        } else if (progress->labelText().startsWith(QStringLiteral("Zpracováno stran"))) {
          pagesLabel = progress->labelText();
          return progress->cancel();
        }
        return QTimer::singleShot(0, lookForProgress);
      }
    QTest::qSleep(40);
    QTimer::singleShot(0, lookForProgress);
  };
  QTimer::singleShot(0, lookForProgress);
  window->Frame().Action(cmd::ExportPdf)->trigger();
  EXPECT_EQ(daysLabel, QStringLiteral("Exportováno dnů: %1 z %2").arg(done).arg(total));
  EXPECT_GT(done, 0);
  EXPECT_EQ(total, 7671);  // every day of the whole calendar is walked
  EXPECT_TRUE(arrowOverStorno);
  EXPECT_TRUE(waitBeside);
  EXPECT_TRUE(pagesLabel.startsWith(QStringLiteral("Zpracováno stran: 1 z "))) << pagesLabel.toStdString();
  EXPECT_FALSE(std::filesystem::exists(out));  // cancelled: nothing written
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ExportWindowTest, ExportIsRefusedWhileTheNoteIsEdited) {
  Key(Qt::Key_F2);
  Type(window->View().NoteField(), QStringLiteral("Rozepsáno"));
  window->Frame().Action(cmd::ExportRtf)->trigger();
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Před otevřením dialogu \"Export do rtf\" je nejprve\r\n\r\n"
                                     "nutno ukončit editování poznámky !"});
}

}  // namespace
}  // namespace orv
