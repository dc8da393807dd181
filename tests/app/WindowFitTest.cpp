// How the windows fit and read. FitUnderWm runs in Xvfb with a window manager, once at scale 1 and once
// at scale 2 (CTest app_wm_scale2: a 1600×1000 screen is then 800×500): every dialog fits the
// screen's free area and shows its texts, lists and title whole; the main window opens with its frame
// and status bar on the screen; the toolbar's colour menu drops down under its button. Shots of each
// window go to tests/fit/ in the build folder. WindowTextsTest: the menus' mnemonics, colours that
// carry meaning on a dark theme, the panes' layout kept between runs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeView>
#include <QWindow>
#include <map>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "ui/ReadableColour.h"
#include "ui/StyleBar.h"
#include "ui/WindowFit.h"

namespace orv {
namespace {

using test::Key;
using test::Type;

QString Named(const QWidget* widget) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
  return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), text);
}

// The window's frame as the platform reports it. QWidget's own copy of the frame margins can stay
// stale when the window manager frames the window late (seen at scale 2: a 0×0 frame for seconds).
QRect FrameOf(const QWidget* window) { return window->windowHandle()->frameGeometry(); }

// What of `window` is cut: a label or button smaller than its text needs, a list narrower than its
// entries, a title longer than its title bar, a frame beyond the screen's free area.
QStringList FitProblems(QWidget* window) {
  QStringList problems;
  const QRect room = window->screen()->availableGeometry();
  const QRect frame = FrameOf(window);
  if (!room.contains(frame))
    problems << QStringLiteral("okno %1,%2 %3×%4 mimo %5×%6")
                    .arg(frame.x())
                    .arg(frame.y())
                    .arg(frame.width())
                    .arg(frame.height())
                    .arg(room.width())
                    .arg(room.height());
  const QString title = window->windowHandle()->title();
  if (TitleBarWidth(window, title) > std::max(frame.width(), window->width()))
    problems << QStringLiteral("titulek \"%1\" v šířce %2").arg(title).arg(window->width());
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || widget->window() != window) continue;
    if (const auto* tree = qobject_cast<const QTreeView*>(widget)) {
      for (int column = 0; column < tree->header()->count(); ++column)
        if (static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(column) >
            tree->header()->sectionSize(column))
          problems << QStringLiteral("sloupec %1 seznamu zkrácen").arg(column);
      continue;
    }
    QSize least;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      if (label->text().isEmpty()) continue;
      least = label->wordWrap()
                  ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                  : label->sizeHint();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      if (button->text().isEmpty()) continue;
      least = button->sizeHint();
    } else {
      continue;
    }
    if (widget->width() < least.width() || widget->height() < least.height())
      problems << QStringLiteral("%1 %2×%3 < %4×%5")
                      .arg(Named(widget))
                      .arg(widget->width())
                      .arg(widget->height())
                      .arg(least.width())
                      .arg(least.height());
  }
  return problems;
}

// What stays cut once the window manager has had its time: a loaded machine frames and sizes a new
// window late, so a first look may see a size the window is still on its way from.
QStringList SettledFitProblems(QWidget* window) {
  QStringList problems;
  (void)QTest::qWaitFor([&] { return (problems = FitProblems(window)).isEmpty(); }, 5000);
  return problems;
}

// Labels whose text is too close to their background to be read.
QStringList ColourProblems(QWidget* window) {
  QStringList problems;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
    const QPalette palette = label->palette();
    const double ratio =
        ContrastRatio(palette.color(label->foregroundRole()), palette.color(label->backgroundRole()));
    if (ratio < 4.5) problems << QStringLiteral("%1 %2").arg(Named(label)).arg(ratio, 0, 'f', 1);
  }
  return problems;
}

// Until the window manager has framed and placed the window.
void WaitForFrame(QWidget* window) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  ASSERT_TRUE(QTest::qWaitFor([window] { return !FrameOf(window).isEmpty(); }, 15000));
  // A size the window manager sends late settles to the window's own least width.
  (void)QTest::qWaitFor([window] { return window->width() >= window->minimumWidth(); }, 1000);
  // A window manager that draws no frame leaves the margins empty; the wait then just ends.
  (void)QTest::qWaitFor([window] { return !window->windowHandle()->frameMargins().isNull(); }, 2000);
  QTest::qWait(50);
}

// The window as the screen shows it, frame and title bar included.
void Shot(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("ORV_BINARY_DIR") + QStringLiteral("/tests/fit");
  QDir().mkpath(folder);
  const QRect frame = FrameOf(window);
  const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
  window->screen()
      ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
      .save(QStringLiteral("%1/scale%2-%3.png").arg(folder, scale, name));
}

class FitUnderWm : public test::DialogWindowTest {
 protected:
  // Opens a modal dialog by `open`, checks how it fits and closes it.
  void CheckDialog(const QString& name, const std::function<void()>& open) {
    bool opened = false;
    WhenDialogOpens([&](QWidget* dialog) {
      opened = true;
      WaitForFrame(dialog);
      EXPECT_EQ(SettledFitProblems(dialog).join(QStringLiteral("; ")).toStdString(), "") << name.toStdString();
      Shot(dialog, name);
      static_cast<QDialog*>(dialog)->reject();
    });
    open();
    EXPECT_TRUE(opened) << name.toStdString();
  }

  // The calendar with a note, saved in `dir`, so that the exports have something to offer.
  std::string SavedCalendar(const QTemporaryDir& dir, const QString& name) {
    const std::string path = dir.filePath(name).toStdString();
    Activate();
    window->View().FocusTable();
    Key(Qt::Key_F2);
    Type(Note(), QStringLiteral("Narozeniny Aničky"));
    Key(Qt::Key_F2);
    ui.fileAnswers.push_back(path);
    Frame().Action(cmd::FileSaveAs)->trigger();
    ui.Clear();
    return path;
  }

  CMainFrame& Frame() const { return window->Frame(); }
  // The window manager gives the main window back its activation in its own time.
  void Activate() const {
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
  }
};

TEST_F(FitUnderWm, EveryDialogFitsTheScreenAndShowsItsTextsWhole) {
  QTemporaryDir dir;
  const std::string other = SavedCalendar(dir, QStringLiteral("jiný.orv"));
  SavedCalendar(dir, QStringLiteral("deník.orv"));
  const std::string out = dir.filePath(QStringLiteral("export")).toStdString();
  struct SDialog {
    const char* name;
    int command;
    bool inEditor;
    std::string file;  // the file chooser before the dialog answers this
  };
  const SDialog dialogs[] = {
      {"rozsah-let", cmd::YearRange, false, {}},
      {"seznamy-svatku", cmd::HolidayLists, false, {}},
      {"zmenit-svatky", cmd::ChangeHolidays, false, {}},
      {"smazat-obdobi", cmd::DeletePeriod, false, {}},
      {"jdi-na", cmd::GoTo, false, {}},
      {"vyhledavani-v-poznamkach", cmd::NoteSearch, false, {}},
      {"fulltext", cmd::FullTextSearch, false, {}},
      {"zaheslovat", cmd::FilePassword, false, {}},
      {"udaje-o-souboru", cmd::AuthorData, false, {}},
      {"o-souboru", cmd::FileInfo, false, {}},
      {"export-txt", cmd::ExportTxt, false, out + ".txt"},
      {"export-rtf", cmd::ExportRtf, false, out + ".rtf"},
      {"export-pdf", cmd::ExportPdf, false, out + ".pdf"},
      {"pripojit", cmd::FileAppend, false, other},
      {"najit", cmd::EditFind, true, {}},
      {"zamenit", cmd::EditReplace, true, {}},
      {"symboly", cmd::InsertSymbol, true, {}},
      {"pismo", cmd::FontDialog, true, {}},
      {"odstavec", cmd::ParagraphDialog, true, {}},
      {"tabulatory", cmd::TabStopsDialog, true, {}},
      {"styly-pisma", cmd::CharStylesDialog, true, {}},
      {"styly-odstavce", cmd::ParStylesDialog, true, {}},
  };
  for (const SDialog& d : dialogs) {
    Activate();
    if (d.inEditor)
      Key(Qt::Key_W, Qt::ControlModifier);
    else
      window->View().FocusTable();
    if (!d.file.empty()) ui.fileAnswers.push_back(d.file);
    CheckDialog(QString::fromLatin1(d.name), [&] { Frame().Action(d.command)->trigger(); });
    ui.fileAnswers.clear();
  }
}

// F11 grows with the longer entries of the other lists.
TEST_F(FitUnderWm, HolidayListsShowEveryListWhole) {
  Activate();
  WhenDialogOpens([](QWidget* dialog) {
    WaitForFrame(dialog);
    auto* categories = dialog->findChild<QComboBox*>();
    ASSERT_NE(categories, nullptr);
    for (int category = 1; category < categories->count(); ++category) {
      categories->setCurrentIndex(category);
      QTest::qWait(50);
      EXPECT_EQ(SettledFitProblems(dialog).join(QStringLiteral("; ")).toStdString(), "")
          << categories->currentText().toStdString();
      Shot(dialog, QStringLiteral("seznamy-svatku-%1").arg(category));
    }
    static_cast<QDialog*>(dialog)->reject();
  });
  Key(Qt::Key_F11);
}

// The guide is a window of its own, larger than the dialogs.
TEST_F(FitUnderWm, GuideFitsTheScreen) {
  Activate();
  Key(Qt::Key_F1);
  QWidget* guide = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top != &Frame()) guide = top;
  ASSERT_NE(guide, nullptr);
  WaitForFrame(guide);
  EXPECT_EQ(SettledFitProblems(guide).join(QStringLiteral("; ")).toStdString(), "");
  Shot(guide, QStringLiteral("napoveda"));
  guide->close();
}

// The first window lies on the screen with its frame and its status bar; narrowed by the user, the
// status bar's panes stay side by side.
TEST_F(FitUnderWm, MainWindowOpensOnTheScreenWithItsStatusBar) {
  WaitForFrame(&Frame());
  const QRect room = Frame().screen()->availableGeometry();
  EXPECT_TRUE(room.contains(FrameOf(&Frame()))) << FrameOf(&Frame()).height();
  QStatusBar* status = Frame().statusBar();
  const QRect statusOnScreen(status->mapToGlobal(QPoint(0, 0)), status->size());
  EXPECT_TRUE(status->isVisible());
  EXPECT_TRUE(room.contains(statusOnScreen));
  Shot(&Frame(), QStringLiteral("okno"));

  Frame().resize(200, Frame().height());
  QTest::qWait(100);
  std::vector<QLabel*> panes;
  for (int i = 1; i <= 7; ++i)
    panes.push_back(status->findChild<QLabel*>(QStringLiteral("StatusPane%1").arg(i)));
  for (size_t i = 0; i < panes.size(); ++i) {
    ASSERT_NE(panes[i], nullptr);
    EXPECT_GE(panes[i]->width(), panes[i]->minimumSizeHint().width()) << i + 1;
    if (i > 0) {
      EXPECT_LT(panes[i - 1]->geometry().right(), panes[i]->geometry().left()) << i + 1;
    }
  }
  EXPECT_LE(panes.back()->geometry().right(), status->width());
}

TEST_F(FitUnderWm, ToolbarColourMenuDropsDownUnderItsButton) {
  WaitForFrame(&Frame());
  Activate();
  Key(Qt::Key_W, Qt::ControlModifier);
  QWidget* button = Frame().StyleBar()->widgetForAction(Frame().Action(cmd::Colours));
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled());
  QRect menu;
  std::function<void()> poll = [&] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      menu = popup->geometry();
      popup->close();
      return;
    }
    QTimer::singleShot(20, poll);
  };
  QTimer::singleShot(20, poll);
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !menu.isNull(); }));
  const QPoint under = button->mapToGlobal(QPoint(0, button->height()));
  EXPECT_NEAR(menu.top(), under.y(), 3);
  EXPECT_NEAR(menu.left(), under.x(), 3);
}

// The lone "!" of the password warning stays with its word whatever the width.
TEST_F(FitUnderWm, PasswordWarningKeepsItsMarksWithTheirWords) {
  WhenDialogOpens([](QWidget* dialog) {
    WaitForFrame(dialog);
    auto* notice = dialog->findChild<QPlainTextEdit*>();
    ASSERT_NE(notice, nullptr);
    for (int width : {notice->width(), 180, 240}) {
      notice->setFixedWidth(width);
      QApplication::processEvents();
      for (QTextBlock block = notice->document()->begin(); block.isValid(); block = block.next())
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
          const QTextLine line = block.layout()->lineAt(i);
          EXPECT_NE(block.text().mid(line.textStart(), line.textLength()).trimmed(), QStringLiteral("!"))
              << width;
        }
    }
    static_cast<QDialog*>(dialog)->reject();
  });
  Frame().Action(cmd::FilePassword)->trigger();
}

using WindowTextsTest = test::DialogWindowTest;

// The character after a single "&", upper-cased; none without one.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toUpper();
  }
  return {};
}

void CheckMnemonics(const QList<QAction*>& level, const QString& where, QStringList& problems) {
  std::map<QChar, QString> taken;
  for (QAction* action : level) {
    if (action->isSeparator()) continue;
    const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
    const QChar key = Mnemonic(text);
    if (key.isNull())
      problems << where + text + QStringLiteral(": bez podtrženého písmene");
    else if (taken.count(key))
      problems << where + text + QStringLiteral(" a ") + taken[key] + QStringLiteral(": ") + key;
    else
      taken[key] = text;
    if (action->menu())
      CheckMnemonics(action->menu()->actions(), where + text + QStringLiteral(" › "), problems);
  }
}

// Every menu and every item of the window's menus (those of the command table and those added by
// their owners) has an underlined letter of its own on its level, and Alt+P opens "Písmo".
TEST_F(WindowTextsTest, EveryMenuItemHasAMnemonicOfItsOwnOnItsLevel) {
  QStringList problems;
  CheckMnemonics(window->Frame().menuBar()->actions(), {}, problems);
  EXPECT_EQ(problems.join(QStringLiteral("; ")).toStdString(), "");

  QString opened;
  std::function<void()> poll = [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      opened = menu->title();
      menu->close();
      return;
    }
    QTimer::singleShot(20, poll);
  };
  QTimer::singleShot(20, poll);
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
  Key(Qt::Key_W, Qt::ControlModifier);
  Key(Qt::Key_P, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }));
  EXPECT_EQ(opened, QStringLiteral("&Písmo"));
}

// The captions coloured by their meaning (the holiday categories of F11: navy, green, red) stay
// readable on a dark theme's dialogs, as on a light one.
TEST_F(WindowTextsTest, HolidayListCaptionsReadOnALightAndADarkTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(60, 60, 60), QColor(48, 48, 48));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  for (const QPalette& theme : {light, dark}) {
    QApplication::setPalette(theme);
    WhenDialogOpens([](QWidget* dialog) {
      auto* categories = dialog->findChild<QComboBox*>();
      ASSERT_NE(categories, nullptr);
      for (int category = 0; category < categories->count(); ++category) {
        categories->setCurrentIndex(category);
        EXPECT_EQ(ColourProblems(dialog).join(QStringLiteral("; ")).toStdString(), "") << category;
      }
      static_cast<QDialog*>(dialog)->reject();
    });
    window->Frame().Action(cmd::HolidayLists)->trigger();
  }
  QApplication::setPalette(light);
}

// A colour that reads well is kept; one that does not keeps its hue and moves away from the
// background.
TEST(ReadableColourTest, KeepsReadableColoursAndMovesOthersAwayFromTheBackground) {
  const QColor navy(0, 0, 128), green(0, 128, 0), white(Qt::white), dark(48, 48, 48);
  EXPECT_EQ(ReadableOn(navy, white), navy);
  for (const QColor& colour : {navy, green, QColor(176, 0, 0)}) {
    const QColor shown = ReadableOn(colour, dark);
    EXPECT_GE(ContrastRatio(shown, dark), 4.5);
    EXPECT_EQ(shown.hslHue(), colour.hslHue());
    EXPECT_GT(shown.lightness(), colour.lightness());
  }
  EXPECT_GE(ContrastRatio(ReadableOn(QColor(255, 255, 0), white), white), 4.5);
}

// The calendar pane keeps the width the user gave it, the commentaries their heights.
TEST_F(WindowTextsTest, PanesKeepTheirSizesFromOneRunToTheNext) {
  auto* outer = window->Frame().findChild<QSplitter*>(QStringLiteral("OuterSplitter"));
  auto* inner = window->Frame().findChild<QSplitter*>(QStringLiteral("InnerSplitter"));
  const QList<int> first = outer->sizes();
  outer->setSizes({first[0] + 70, first[1] - 70});
  const QList<int> innerFirst = inner->sizes();
  inner->setSizes({innerFirst[0] + 40, innerFirst[1] - 40});
  const QList<int> moved = outer->sizes();
  const QList<int> innerMoved = inner->sizes();
  window->Frame().close();
  window.reset();
  window = test::OpenTestWindow(doc, ui, *recent);
  EXPECT_EQ(window->Frame().findChild<QSplitter*>(QStringLiteral("OuterSplitter"))->sizes(), moved);
  EXPECT_EQ(window->Frame().findChild<QSplitter*>(QStringLiteral("InnerSplitter"))->sizes(), innerMoved);
}

}  // namespace
}  // namespace orv
