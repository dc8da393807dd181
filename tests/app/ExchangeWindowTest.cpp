// Moving diaries in and out through the real window: the "Import" and "Export" submenus of "Soubor",
// the folder chooser, the progress and the summary, and the panes showing the merged days.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <filesystem>

#include "TestFiles.h"
#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::WriteFile;

class ExchangeWindowTest : public test::DialogWindowTest {
 protected:
  fs::path Dir() const { return fs::path(m_Dir.path().toStdString()); }

  // The command's item as the "Soubor" menu holds it, in its submenu.
  QAction* Item(const QString& submenu, int command) const {
    for (QMenu* menu : window->Frame().menuBar()->findChildren<QMenu*>())
      if (menu->title() == submenu && menu->actions().contains(window->Frame().Action(command)))
        return window->Frame().Action(command);
    ADD_FAILURE() << "not in " << submenu.toStdString();
    return window->Frame().Action(command);
  }

  QTemporaryDir m_Dir;
};

TEST_F(ExchangeWindowTest, MarkdownImportShowsTheMergedDayAndItsSummary) {
  WriteFile(Dir() / "vault" / "2005-03-15.md", "---\nnote: Hory\n---\n**Výlet** na Sněžku\n");
  WriteFile(Dir() / "vault" / "obrazek.png", "x");
  ui.fileAnswers.push_back((Dir() / "vault").string());
  Item(QStringLiteral("&Import"), cmd::ImportMarkdown)->trigger();
  EXPECT_EQ(window->Frame().DayEditor()->toPlainText(), QStringLiteral("Výlet na Sněžku"));
  EXPECT_EQ(Note()->text(), QStringLiteral("Hory"));
  EXPECT_TRUE(doc.IsModified());
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_EQ(ui.Messages().back(),
            "Import je hotov. Nových dní: 1, dní připojených k zapsaným: 0, přeskočených souborů: 1.");
  // Leaving the day stores what the panes show: the imported day.
  test::Key(Qt::Key_Down);
  ASSERT_NE(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_EQ(Cp1250ToUtf8(doc.GetDayRecord("2005/03/15")->m_Text), "Výlet na Sněžku");
  EXPECT_EQ(Cp1250ToUtf8(doc.GetDayRecord("2005/03/15")->m_Poznamka), "Hory");
}

TEST_F(ExchangeWindowTest, RedNotebookImportRefusesADamagedJournalAndLeavesTheCalendar) {
  WriteFile(Dir() / "journal" / "2005-03.txt", "15:\n  text: \"= Den =\\nText\"\n");
  WriteFile(Dir() / "journal" / "2005-04.txt", "1: {text: \"a\"\n");
  ui.fileAnswers.push_back((Dir() / "journal").string());
  Item(QStringLiteral("&Import"), cmd::ImportRedNotebook)->trigger();
  EXPECT_EQ(doc.GetDayRecord("2005/03/15"), nullptr);
  EXPECT_FALSE(doc.IsModified());
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_NE(ui.Messages().back().find("2005-04.txt"), std::string::npos);

  fs::remove(Dir() / "journal" / "2005-04.txt");
  ui.Clear();
  ui.fileAnswers.push_back((Dir() / "journal").string());
  Item(QStringLiteral("&Import"), cmd::ImportRedNotebook)->trigger();
  EXPECT_EQ(window->Frame().DayEditor()->toPlainText(), QStringLiteral("Den\nText"));
  EXPECT_EQ(Note()->text(), QStringLiteral("Den"));
}

TEST_F(ExchangeWindowTest, MarkdownExportWritesTheTypedDay) {
  test::Key(Qt::Key_F2);
  test::Type(Note(), QStringLiteral("Narozeniny"));
  test::Key(Qt::Key_W, Qt::ControlModifier);
  test::Type(window->Frame().DayEditor(), QStringLiteral("Dort"));
  ui.fileAnswers.push_back((Dir() / "out").string());
  Item(QStringLiteral("E&xport"), cmd::ExportMarkdown)->trigger();
  // Typed text is in "Standard1", bold in a new calendar.
  EXPECT_EQ(test::FileBytes(Dir() / "out" / "2005" / "2005-03-15.md"), "---\nnote: \"Narozeniny\"\n---\n\n**Dort**\n");
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_EQ(ui.Messages().back(),
            "Export do Markdownu je hotov. Zapsaných souborů: 1, beze změny: 0, ponechaných: 0.");
}

}  // namespace
}  // namespace orv
