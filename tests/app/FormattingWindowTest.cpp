// The formatting commands in the main window, driven as the user drives them: keys in the day
// commentary, the colour menu, the formatting toolbar's lists, the editors' context menu, saving and
// opening again.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "FakeUiServices.h"
#include "TestWindow.h"
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/CommentaryEditor.h"
#include "editor/StyleFormats.h"
#include "editor/TextColours.h"
#include "ui/CalendarView.h"
#include "ui/RichTextView.h"
#include "ui/StyleBar.h"

namespace orv {
namespace {

using test::Key;

constexpr const char* kBaseFace = test::kTestBaseFace;

class FormattingWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseEmptyTestSettings();
    ASSERT_TRUE(doc.OnNewDocument());
    window = test::OpenTestWindow(doc, ui, recent);
    ui.Clear();
  }
  void TearDown() override {
    window.reset();
    QSettings().clear();
  }

  CMainFrame& Frame() const { return window->Frame(); }
  QTextEdit* Day() const { return Frame().DayEditor(); }
  CCommentaryEditor& DayEditor() const { return static_cast<CRichTextView*>(Day())->Editor(); }
  // Types a text into the day commentary and selects its last `selected` characters.
  void TypeIntoDay(const QString& text, int selected) {
    Key(Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(Day()->hasFocus());
    QTest::keyClicks(Day(), text);
    for (int i = 0; i < selected; ++i) Key(Qt::Key_Left, Qt::ShiftModifier);
  }
  // The day commentary focused again in the active window (a closed popup or dialog leaves no focus
  // on the offscreen platform).
  void FocusDay() {
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    Day()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Day()->hasFocus(); }));
  }
  QTextCharFormat DayFormatAt(int position) const {
    QTextCursor cursor(Day()->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
  }
  // Runs `choose` on the popup menu that the next step opens.
  static void OnPopup(std::function<void(QMenu*)> choose) {
    QTimer::singleShot(0, [choose] {
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(popup, nullptr);
      choose(popup);
    });
  }

  // Acts on the modal dialogs that open next, one step per dialog in order of opening: each step gets
  // the dialog named in it.
  struct SDialogStep {
    const char* dialog;
    std::function<void(QDialog*)> act;
  };
  void OnDialogs(std::vector<SDialogStep> steps) {
    m_Steps = std::move(steps);
    m_Step = 0;
    Poll();
  }
  void Poll() {
    QTimer::singleShot(10, &m_Timers, [this] {
      if (m_Step >= m_Steps.size()) return;
      Poll();  // a step may wait in the dialog it opens
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog && dialog->objectName() == QString::fromLatin1(m_Steps[m_Step].dialog) &&
          !dialog->property("acted").toBool()) {
        dialog->setProperty("acted", true);
        m_Steps[m_Step++].act(dialog);
      }
    });
  }
  static void Click(QDialog* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == text) return button->click();
    ADD_FAILURE() << text.toStdString();
  }
  std::vector<SDialogStep> m_Steps;
  size_t m_Step = 0;
  QObject m_Timers;  // the dialog polls die with the test that started them

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CRecentFileList recent;
  std::unique_ptr<CCalendarWindow> window;
};

TEST_F(FormattingWindowTest, BoldAndColouredWordComeBackFromTheFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("formát.orv")).toStdString();
  TypeIntoDay(QStringLiteral("Dobry den"), 3);
  EXPECT_TRUE(Frame().Action(cmd::Bold)->isChecked());  // typed in Standard1
  EXPECT_FALSE(Frame().Action(cmd::Plain)->isChecked());
  Key(Qt::Key_Space, Qt::ControlModifier);  // "Obyčejné"
  EXPECT_TRUE(Frame().Action(cmd::Plain)->isChecked());
  EXPECT_FALSE(Frame().Action(cmd::Bold)->isChecked());
  Key(Qt::Key_I, Qt::ControlModifier);
  Key(Qt::Key_I, Qt::ControlModifier);
  Key(Qt::Key_B, Qt::ControlModifier);
  EXPECT_TRUE(Frame().Action(cmd::Bold)->isChecked());
  OnPopup([](QMenu* colours) {
    ASSERT_EQ(colours->actions().size(), 17);
    EXPECT_EQ(colours->actions().last()->text(), QStringLiteral("Automatická"));
    colours->actions()[9]->trigger();  // "Červená"
    colours->close();
  });
  Key(Qt::Key_B, Qt::AltModifier);
  FocusDay();
  QStringList checked;
  OnPopup([&checked](QMenu* colours) {
    for (QAction* colour : colours->actions())
      if (colour->isChecked()) checked << colour->text();
    colours->close();
  });
  Frame().Action(cmd::Colours)->trigger();
  EXPECT_EQ(checked, QStringList{QStringLiteral("Červená")});
  EXPECT_TRUE(doc.IsModified());

  ui.fileAnswers.push_back(path);
  Frame().Action(cmd::FileSaveAs)->trigger();
  Frame().Action(cmd::FileNew)->trigger();
  ASSERT_TRUE(window->Commands().OpenFile(path));
  ASSERT_EQ(Day()->toPlainText(), QStringLiteral("Dobry den"));
  DayEditor().Control().SetSel(6, 9);
  const CharFormat word = DayEditor().Control().GetSelectionCharFormat();
  EXPECT_TRUE(word.mask & CFM_BOLD);
  EXPECT_TRUE(word.effects & CFE_BOLD);
  EXPECT_EQ(word.colour, 0x0000FFu);
  EXPECT_EQ(word.effects & CFE_ITALIC, 0u);
  DayEditor().Control().SetSel(0, 5);
  EXPECT_EQ(DayEditor().Control().GetSelectionCharFormat().colour, 0u);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(FormattingWindowTest, UndoTakesBackOneFormattingCommandAtATime) {
  TypeIntoDay(QStringLiteral("slovo"), 5);
  Key(Qt::Key_I, Qt::ControlModifier);
  Key(Qt::Key_U, Qt::ControlModifier);
  Frame().Action(cmd::EditUndo)->trigger();
  EXPECT_FALSE(DayFormatAt(2).fontUnderline());
  EXPECT_TRUE(DayFormatAt(2).fontItalic());
  Frame().Action(cmd::EditUndo)->trigger();
  EXPECT_FALSE(DayFormatAt(2).fontItalic());
  EXPECT_EQ(Day()->toPlainText(), QStringLiteral("slovo"));
}

// In a new calendar: "Nadpis1" is bold, 12 points, navy; "Normal1" leaves 4 points after the
// paragraph and writes in "Standard1" (bold, 9 points).
TEST_F(FormattingWindowTest, PredefinedStylesByTheirKeys) {
  TypeIntoDay(QStringLiteral("text"), 0);  // an empty commentary starts in Normal1 / Standard1
  Key(Qt::Key_2, Qt::AltModifier);
  EXPECT_EQ(DayFormatAt(1).fontWeight(), QFont::Normal);  // Standard2
  EXPECT_EQ(DayEditor().Control().GetParaFormat().spaceAfter, 120);
  Key(Qt::Key_1, Qt::AltModifier);
  EXPECT_EQ(DayEditor().Control().GetParaFormat().spaceAfter, 80);
  DayEditor().Control().SetSel(0, 4);
  EXPECT_EQ(DayEditor().SelectionFormat().charStyle, "Standard1");
  EXPECT_EQ(DayEditor().SelectionFormat().parStyle, "Normal1");

  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(DayFormatAt(1).fontWeight(), QFont::Bold);
  EXPECT_EQ(DayFormatAt(1).fontPointSize(), 12.0);
  EXPECT_EQ(DayFormatAt(1).foreground().color(), QColor(0, 0, 128));
  EXPECT_EQ(DayFormatAt(1).fontFamilies().toStringList().value(0), QString::fromLatin1(kBaseFace));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(FormattingWindowTest, ToolbarListsActOnTheActiveEditor) {
  TypeIntoDay(QStringLiteral("velky"), 5);
  CStyleBar* bar = Frame().StyleBar();
  QComboBox* size = bar->SizeCombo();
  QTest::mouseClick(size, Qt::LeftButton);  // the list takes the focus from the editor
  size->setCurrentIndex(size->findText(QStringLiteral("14")));
  Q_EMIT size->activated(size->currentIndex());
  EXPECT_TRUE(Day()->hasFocus());
  EXPECT_EQ(DayFormatAt(2).fontPointSize(), 14.0);
  EXPECT_EQ(Day()->textCursor().selectedText(), QStringLiteral("velky"));

  QComboBox* styles = bar->CharStyleCombo();
  styles->setCurrentIndex(styles->findText(QStringLiteral("Nadpis2")));
  Q_EMIT styles->activated(styles->currentIndex());
  EXPECT_EQ(DayFormatAt(2).fontPointSize(), 11.0);
  EXPECT_EQ(DayEditor().SelectionFormat().charStyle, "Nadpis2");
}

TEST_F(FormattingWindowTest, RightClickInAnEditorOffersItsOwnMenu) {
  TypeIntoDay(QStringLiteral("den"), 0);  // a known word: no spelling items
  QStringList items;
  OnPopup([&items](QMenu* popup) {
    for (QAction* action : popup->actions())
      items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    popup->close();
  });
  const QPoint at = Day()->cursorRect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, Day()->viewport()->mapToGlobal(at));
  QApplication::sendEvent(Day()->viewport(), &event);
  EXPECT_EQ(
      items.join(QLatin1Char('|')),
      QStringLiteral("Vyj&mout\tCtrl+X|Z&kopírovat\tCtrl+C|V&ložit\tCtrl+V|-|&Najít\tCtrl+F|Z&aměnit\tCtrl+R|-|"
                     "Vložit &symbol\tAlt+C|&Barvy >>|&Písmo ...|&Odstavec ...|-|&Styly písma ...|"
                     "&Styly odstavce ..."));
}

TEST_F(FormattingWindowTest, ViewOnlyGreysAndIgnoresTheFormattingCommands) {
  TypeIntoDay(QStringLiteral("slovo"), 5);
  Key(Qt::Key_Escape);
  Frame().Action(cmd::ViewOnly)->trigger();
  Key(Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(Day()->hasFocus());
  Day()->selectAll();
  for (int id : {cmd::Bold, cmd::Plain, cmd::Colours, cmd::StyleNadpis1, cmd::StyleNormal2, cmd::AlignRight,
                 cmd::ColourFirst, cmd::FontDialog, cmd::CharStylesDialog})
    EXPECT_FALSE(Frame().Action(id)->isEnabled()) << id;
  EXPECT_FALSE(Frame().StyleBar()->SizeCombo()->isEnabled());
  Key(Qt::Key_B, Qt::ControlModifier);
  Key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(DayFormatAt(1).fontPointSize(), 9.0);
}

// "Standard2" made 14 points in the character styles dialog: every stored commentary's text in the
// old "Standard2" follows, the shown one too, and a new user style joins the "Písmo" menu.
TEST_F(FormattingWindowTest, EditedStyleReformatsTheStoredCommentaries) {
  TypeIntoDay(QStringLiteral("normal"), 6);
  Key(Qt::Key_2, Qt::ControlModifier);  // Standard2
  Key(Qt::Key_Escape);
  Key(Qt::Key_Down);  // 16 March stored; 16 March gets its own text
  TypeIntoDay(QStringLiteral("tady"), 4);
  Key(Qt::Key_2, Qt::ControlModifier);

  OnDialogs({{"StylesDialog",
              [](QDialog* d) {
                auto* list = d->findChild<QListWidget*>(QStringLiteral("Styles"));
                list->setCurrentItem(list->findItems(QStringLiteral("Standard2"), Qt::MatchExactly).front());
                Click(d, QStringLiteral("Upravit"));
                d->findChild<QLineEdit*>(QStringLiteral("Name"))->setText(QStringLiteral("Zvýraznění"));
                Click(d, QStringLiteral("Nový"));
                Click(d, QStringLiteral("OK"));
              }},
             {"FontDialog",
              [](QDialog* d) {
                d->findChild<QComboBox*>(QStringLiteral("Size"))->setCurrentText(QStringLiteral("14"));
                Click(d, QStringLiteral("OK"));
              }},
             {"FontDialog", [](QDialog* d) {
                d->findChild<QComboBox*>(QStringLiteral("Style"))->setCurrentIndex(3);  // bold italic
                Click(d, QStringLiteral("OK"));
              }}});
  Key(Qt::Key_T, Qt::ControlModifier);

  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(DayFormatAt(1).fontPointSize(), 14.0);  // the shown commentary
  CRichEditCtrl stored;
  stored.StreamIn(doc.m_DataTxt.Find("2005/03/15")->m_Rtf);
  stored.SetSel(0, 6);
  EXPECT_EQ(stored.GetSelectionCharFormat().height, 280);
  ASSERT_TRUE(doc.m_Styles.Contains(Cp1250FromUtf8("Zvýraznění")));

  QAction* mine = Frame().Action(cmd::UserCharStyle);
  EXPECT_EQ(mine->text(), QStringLiteral("Zvýraznění"));
  ASSERT_FALSE(mine->associatedObjects().isEmpty());
  FocusDay();
  Key(Qt::Key_A, Qt::ControlModifier);
  ASSERT_TRUE(mine->isEnabled());
  mine->trigger();
  EXPECT_TRUE(DayFormatAt(1).fontItalic());
}

// A user style named with "&" is applied from its menu item, whose text shows the "&" doubled.
TEST_F(FormattingWindowTest, AUserStyleWithAnAmpersandAppliesFromItsMenu) {
  CCharFormat italic = FactoryCharStyle(0, kBaseFace);
  italic.m_Effects |= kEffectItalic;
  doc.m_Styles.Insert(Cp1250FromUtf8("Tučné & šikmé"), italic);
  window->Start();
  QAction* mine = Frame().Action(cmd::UserCharStyle);
  ASSERT_FALSE(mine->associatedObjects().isEmpty());
  TypeIntoDay(QStringLiteral("slovo"), 5);
  mine->trigger();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_TRUE(DayFormatAt(1).fontItalic());
}

// The paragraph dialog with a tab stop typed as "2,5" in its tab stops dialog, then a symbol.
TEST_F(FormattingWindowTest, ParagraphTabStopAndSymbolDialogs) {
  TypeIntoDay(QStringLiteral("odstavec"), 0);
  OnDialogs({{"ParagraphDialog",
              [](QDialog* d) {
                d->findChild<QLineEdit*>(QStringLiteral("Left"))->setText(QStringLiteral("-1"));
                Click(d, QStringLiteral("OK"));  // refused: stays open
                d->findChild<QLineEdit*>(QStringLiteral("Left"))->setText(QStringLiteral("1,5"));
                d->findChild<QComboBox*>(QStringLiteral("Alignment"))->setCurrentIndex(1);
                Click(d, QStringLiteral("Tabulátory ..."));
                Click(d, QStringLiteral("OK"));
              }},
             {"TabStopsDialog", [](QDialog* d) {
                d->findChild<QLineEdit*>(QStringLiteral("Position"))->setText(QStringLiteral("2,5"));
                Click(d, QStringLiteral("Nastavit"));
                Click(d, QStringLiteral("OK"));
              }}});
  Frame().Action(cmd::ParagraphDialog)->trigger();
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Hodnota odsazení zleva musí být v intervalu 0 až +50 !"});
  DayEditor().Control().SetSel(0, 0);
  const ParaFormat paragraph = DayEditor().Control().GetParaFormat();
  EXPECT_EQ(paragraph.startIndent, 850);  // 1,5 cm, truncated
  EXPECT_EQ(paragraph.alignment, PFA_RIGHT);
  EXPECT_EQ(paragraph.tabCount, 1);
  EXPECT_EQ(paragraph.tabs[0], 1417);
  EXPECT_EQ(paragraph.spaceAfter, 80);  // kept from Normal1

  FocusDay();
  DayEditor().Control().SetSel(8, 8);
  OnDialogs({{"SymbolDialog", [](QDialog* d) {
                auto* grid = d->findChild<QListWidget*>(QStringLiteral("Characters"));
                grid->setCurrentRow(grid->count() - 1);  // code 255
                EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("Code"))->text(),
                          QStringLiteral("DOT ABOVE, U+02D9"));
                Click(d, QStringLiteral("Vložit"));
                Click(d, QStringLiteral("Zavřít"));
              }}});
  Key(Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(Day()->toPlainText(), QStringLiteral("odstavec˙"));
  EXPECT_TRUE(doc.IsModified());
}

// A bulleted paragraph with spacings the lists do not offer: the dialog shows them with their units,
// and OK without a change leaves the paragraph as it was, bullet included.
TEST_F(FormattingWindowTest, ParagraphDialogKeepsWhatTheUserDidNotChange) {
  Key(Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(DayEditor().StreamInFromText("{\\rtf1\\ansi{\\*\\pn\\pnlvlblt}\\sb60\\sa60\\sl600 bod\\par}"));
  const ParaFormat before = DayEditor().Control().GetParaFormat();
  ASSERT_EQ(before.numbering, PFN_BULLET);
  QStringList units;
  QString spaceBefore, exactly;
  OnDialogs({{"ParagraphDialog", [&](QDialog* d) {
                for (QLabel* label : d->findChildren<QLabel*>()) units << label->text();
                spaceBefore = d->findChild<QComboBox*>(QStringLiteral("Before"))->currentText();
                exactly = d->findChild<QComboBox*>(QStringLiteral("Exactly"))->currentText();
                QTest::keyClick(d, Qt::Key_Return);
              }}});
  Frame().Action(cmd::ParagraphDialog)->trigger();
  EXPECT_EQ(spaceBefore, QStringLiteral("3"));
  EXPECT_EQ(exactly, QStringLiteral("30"));
  EXPECT_EQ(units.count(QStringLiteral("cm")), 3);
  EXPECT_EQ(units.count(QStringLiteral("pt")), 3);
  ParaFormat after = DayEditor().Control().GetParaFormat();
  after.mask = before.mask;
  EXPECT_EQ(after, before);

  // A value typed into a list is taken as typed; the rest stays.
  FocusDay();
  OnDialogs({{"ParagraphDialog", [](QDialog* d) {
                d->findChild<QComboBox*>(QStringLiteral("After"))->setCurrentText(QStringLiteral("7,5"));
                Click(d, QStringLiteral("OK"));
              }}});
  Frame().Action(cmd::ParagraphDialog)->trigger();
  after = DayEditor().Control().GetParaFormat();
  EXPECT_EQ(after.spaceAfter, 150);
  EXPECT_EQ(after.spaceBefore, 60);
  EXPECT_EQ(after.lineSpacing, 600);
  EXPECT_EQ(after.numbering, PFN_BULLET);
  EXPECT_TRUE(ui.Messages().empty());
}

// Under a dark desktop theme "Automatická" is still the paper's dark text, stored as no colour at all;
// a style defined from such text takes the colour then chosen in the font dialog.
TEST_F(FormattingWindowTest, AutomaticColourIsThePapersTextColourUnderADarkTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
  dark.setColor(QPalette::Text, QColor(240, 240, 240));
  dark.setColor(QPalette::Window, QColor(40, 40, 40));
  QApplication::setPalette(dark);
  TypeIntoDay(QStringLiteral("tma"), 3);
  Frame().Action(cmd::ColourFirst + 9)->trigger();  // "Červená" first, then back to automatic
  Frame().Action(kAutomaticColourId)->trigger();
  const CharFormat automatic = DayEditor().Control().GetSelectionCharFormat();
  EXPECT_TRUE(automatic.effects & CFE_AUTOCOLOR);
  const std::string rtf = DayEditor().Control().StreamOut();
  EXPECT_EQ(rtf.find("\\red240"), std::string::npos) << rtf;
  Key(Qt::Key_End);  // no selection over the text
  const QImage shot = Day()->viewport()->grab().toImage();
  int darkest = 255;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) darkest = std::min(darkest, qGray(shot.pixel(x, y)));
  EXPECT_LT(darkest, 100);  // dark text on the white paper

  DayEditor().Control().SetSel(0, 3);
  OnDialogs({{"StylesDialog",
              [](QDialog* d) {
                d->findChild<QLineEdit*>(QStringLiteral("Name"))->setText(QStringLiteral("Rudý"));
                Click(d, QStringLiteral("Nový"));
                Click(d, QStringLiteral("OK"));
              }},
             {"FontDialog", [](QDialog* d) {
                auto* colour = d->findChild<QComboBox*>(QStringLiteral("Colour"));
                EXPECT_EQ(colour->currentIndex(), -1);  // automatic: no colour of the list
                colour->setCurrentIndex(colour->findText(QStringLiteral("Červená")));
                Click(d, QStringLiteral("OK"));
              }}});
  Key(Qt::Key_T, Qt::ControlModifier);
  QApplication::setPalette(light);
  const CCharFormat* style = doc.m_Styles.Find(Cp1250FromUtf8("Rudý"));
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->m_Color, 0x0000FFu);
  EXPECT_EQ(style->m_Effects & CFE_AUTOCOLOR, 0u);
  EXPECT_TRUE(ui.Messages().empty());
}

// The face lists hold each family once, without the foundry; the font dialog previews its choice.
TEST_F(FormattingWindowTest, FaceListsHoldFamiliesAndTheFontDialogPreviews) {
  QStringList faces;
  QComboBox* bar = Frame().StyleBar()->FaceCombo();
  for (int i = 0; i < bar->count(); ++i) faces << bar->itemText(i);
  EXPECT_FALSE(faces.isEmpty());
  EXPECT_EQ(faces.size(), QSet<QString>(faces.begin(), faces.end()).size());
  for (const QString& face : faces) EXPECT_FALSE(face.contains(QLatin1Char('['))) << face.toStdString();

  TypeIntoDay(QStringLiteral("ukazka"), 6);
  QFont shown, changed;
  OnDialogs({{"FontDialog", [&](QDialog* d) {
                auto* preview = d->findChild<QLabel*>(QStringLiteral("Preview"));
                ASSERT_NE(preview, nullptr);
                shown = preview->font();
                d->findChild<QComboBox*>(QStringLiteral("Style"))->setCurrentIndex(3);
                d->findChild<QComboBox*>(QStringLiteral("Size"))->setCurrentText(QStringLiteral("20"));
                changed = preview->font();
                Click(d, QStringLiteral("Storno"));
              }}});
  Frame().Action(cmd::FontDialog)->trigger();
  EXPECT_EQ(shown.families().value(0), QString::fromLatin1(kBaseFace));
  EXPECT_TRUE(changed.bold() && changed.italic());
  EXPECT_EQ(changed.pointSizeF(), 20.0);
}

// The menus of a real window, walked with the keys: Alt and the menu's letter, the arrows down to
// the item (and into its submenu), Enter.
using FormattingUnderWm = FormattingWindowTest;

// The menus from the bar down to `action`, or none.
QList<QMenu*> MenuPath(const QList<QAction*>& items, QAction* action) {
  for (QAction* item : items) {
    if (item == action) return {nullptr};
    if (QMenu* sub = item->menu())
      if (QList<QMenu*> below = MenuPath(sub->actions(), action); !below.isEmpty())
        return QList<QMenu*>{sub} + below;
  }
  return {};
}

TEST_F(FormattingUnderWm, AUserStyleWithAnAmpersandAppliesFromItsMenuByTheKeys) {
  CCharFormat italic = FactoryCharStyle(0, kBaseFace);
  italic.m_Effects |= kEffectItalic;
  doc.m_Styles.Insert(Cp1250FromUtf8("Tučné & šikmé"), italic);
  window->Start();
  TypeIntoDay(QStringLiteral("slovo"), 5);
  QAction* mine = Frame().Action(cmd::UserCharStyle);
  QList<QMenu*> path = MenuPath(Frame().menuBar()->actions(), mine);
  ASSERT_GE(path.size(), 2);
  path.removeLast();
  const QString title = path.front()->title();
  Key(title.at(title.indexOf(QLatin1Char('&')) + 1).toUpper().unicode(), Qt::AltModifier);
  for (int level = 0; level < path.size(); ++level) {
    QMenu* menu = path[level];
    ASSERT_TRUE(QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; })) << level;
    QAction* next = level + 1 < path.size() ? path[level + 1]->menuAction() : mine;
    for (int step = 0; step < 60 && menu->activeAction() != next; ++step) QTest::keyClick(menu, Qt::Key_Down);
    ASSERT_EQ(menu->activeAction(), next) << menu->title().toStdString();
    QTest::keyClick(menu, next == mine ? Qt::Key_Return : Qt::Key_Right);
  }
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_TRUE(DayFormatAt(1).fontItalic());
}

}  // namespace
}  // namespace orv
