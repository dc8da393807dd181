#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "TestFiles.h"
#include "CalendarBuilder.h"
#include "ContentText.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "core/YearRange.h"
#include "document/TedDoc.h"
#include "exchange/ImportedDays.h"
#include "exchange/MarkdownExport.h"
#include "exchange/MarkdownImport.h"
#include "exchange/RedNotebookJournal.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::WriteFile;

// A month file as RedNotebook writes it: the text double-quoted, characters beyond the basic plane
// escaped, categories mapping their entries to null.
constexpr char kMarch2024[] =
    "1:\n"
    "  Po\xC4\x8D"
    "as\xC3\xAD:\n    mr\xC3\xA1z: null\n    sn\xC3\xADh: null\n"
    "  text: \"= V\xC3\xBDlet =\\n**R\xC3\xA1no** //jsme// jeli #hory \\U0001F6B2\\n- polo\xC5\xBEka\"\n"
    "2:\n  text: Druh\xC3\xBD den\n";

std::map<std::string, CEntrTxt> Records(const CRecordMap& map) {
  std::map<std::string, CEntrTxt> records;
  for (const auto& [key, record] : map) records.emplace(key, record);
  return records;
}

class Import : public ::testing::Test {
 protected:
  void SetUp() override { m_Doc.OnNewDocument(); }
  fs::path Folder() const { return fs::path(m_Dir.path().toStdString()); }

  // The journal written by RedNotebook's own storage code where the program is installed, otherwise
  // the same month file as it writes it.
  fs::path Journal() {
    const fs::path journal = Folder() / "journal";
    fs::create_directories(journal);
    const std::string script =
        "cd /usr/share/rednotebook && python3 -c \"import sys; sys.path.insert(0, '.')\n"
        "from rednotebook import storage, data\n"
        "m = data.Month(2024, 3)\n"
        "m.days[1] = data.Day(m, 1, {'text': '= V\\u00fdlet =\\n**R\\u00e1no** //jsme// jeli #hory "
        "\\U0001F6B2\\n- polo\\u017eka', 'Po\\u010das\\u00ed': {'mr\\u00e1z': None, 'sn\\u00edh': None}})\n"
        "m.days[2] = data.Day(m, 2, {'text': 'Druh\\u00fd den'})\n"
        "m.edited = True\n"
        "storage.save_months_to_disk({'2024-03': m}, '" +
        journal.string() + "')\" 2>/dev/null";
    if (!fs::exists("/usr/share/rednotebook/rednotebook/storage.py") || std::system(script.c_str()) != 0)
      WriteFile(journal / "2024-03.txt", kMarch2024);
    return journal;
  }

  std::string ReadJournal(const fs::path& journal) {
    return ReadRedNotebookJournal(journal.string(), CCommentaryFormats(m_Doc), m_Days);
  }

  QTemporaryDir m_Dir;
  test::FakeUiServices m_Ui;
  CTedDoc m_Doc{m_Ui};
  CImportedDays m_Days;
};

TEST_F(Import, RedNotebookJournalBecomesDaysAndASecondImportChangesNothing) {
  ASSERT_EQ(ReadJournal(Journal()), "");
  const SImportSummary first = ImportIntoCalendar(m_Doc, m_Days);
  EXPECT_EQ(first.daysImported, 2);
  const CEntrTxt* day = m_Doc.GetDayRecord("2024/03/01");
  ASSERT_TRUE(day);
  EXPECT_EQ(Cp1250ToUtf8(day->m_Poznamka), "Výlet");
  // The bicycle is "?" in the plain text and itself in the RTF.
  EXPECT_EQ(Cp1250ToUtf8(day->m_Text), "Výlet\rRáno jsme jeli #hory ??\rpoložka\rPočasí: mráz, sníh");
  EXPECT_NE(day->m_Rtf.find("\\u-10179?\\u-8526?"), std::string::npos);
  const CCommentaryFormats formats(m_Doc);
  EXPECT_EQ(test::ContentText(RecordContent(*day), formats),
            "H1 Výlet\n<b>Ráno</b> <i>jsme</i> jeli #hory 🚲\n- položka\nPočasí: mráz, sníh");

  m_Doc.SetModifiedFlag(false);
  const auto records = Records(m_Doc.m_DataTxt);
  CImportedDays again;
  ASSERT_EQ(ReadRedNotebookJournal(Journal().string(), formats, again), "");
  const SImportSummary second = ImportIntoCalendar(m_Doc, again);
  EXPECT_EQ(second.daysImported + second.daysJoined, 0);
  EXPECT_FALSE(m_Doc.IsModified());
  EXPECT_EQ(Records(m_Doc.m_DataTxt), records);
}

TEST_F(Import, JoinsDaysTheCalendarHoldsByTheAppendRules) {
  test::CalendarBuilder(m_Doc).Day("2024/03/02", Cp1250FromUtf8("Doma"), Cp1250FromUtf8("Psal jsem."));
  ASSERT_EQ(ReadJournal(Journal()), "");
  const SImportSummary summary = ImportIntoCalendar(m_Doc, m_Days);
  EXPECT_EQ(summary.daysImported, 1);
  EXPECT_EQ(summary.daysJoined, 1);
  const CEntrTxt* day = m_Doc.GetDayRecord("2024/03/02");
  EXPECT_EQ(Cp1250ToUtf8(day->m_Poznamka), "Doma; Druhý den");
  EXPECT_EQ(Cp1250ToUtf8(day->m_Text), "Psal jsem.\rDruhý den");
}

TEST_F(Import, DamagedFileRefusesTheWholeImportNamingTheFile) {
  const fs::path journal = Journal();
  const struct {
    const char* name;
    const char* bytes;
  } damaged[] = {
      {"2024-04.txt", "1: {text: \"a\"\n2: x\n"},
      {"2024-04.txt", "- jen\n- seznam\n"},
      {"2024-04.txt", "31:\n  text: duben nemá 31 dní\n"},
      {"2024-04.txt", "1:\n  text: [a, b]\n"},
  };
  for (const auto& d : damaged) {
    WriteFile(journal / d.name, d.bytes);
    CImportedDays days;
    const std::string failure = ReadRedNotebookJournal(journal.string(), CCommentaryFormats(m_Doc), days);
    EXPECT_NE(failure.find((journal / d.name).string()), std::string::npos) << failure;
    EXPECT_NE(failure.find("Kalendář se nezměnil"), std::string::npos);
  }
  fs::remove(journal / "2024-04.txt");
  WriteFile(Folder() / "md" / "2024-03-05.md", "\xFF\xFEtext");
  WriteFile(Folder() / "md" / "2024-03-04.md", "ok");
  CImportedDays days;
  const std::string failure = ReadMarkdownFolder((Folder() / "md").string(), CCommentaryFormats(m_Doc), days);
  EXPECT_NE(failure.find("2024-03-05.md"), std::string::npos) << failure;
}

TEST_F(Import, MarkdownVaultsOfSeveralLayoutsAndYearsBeyondTheRange) {
  const CYearRangeScope range({2000, 2030});
  const fs::path vault = Folder() / "vault";
  WriteFile(vault / "2024-03-01.md", "---\nnote: Obsidian\n---\n# 2024-03-01\n\n**den**\n");
  WriteFile(vault / "journals" / "2024_03_02.md", "- Logseq\n- blok\n");
  WriteFile(vault / "zim" / "2024-03-03.txt", "Zim\n");
  WriteFile(vault / "1995" / "1995-06.md", "Měsíc\n");
  WriteFile(vault / "1995" / "1995-06-07.md", "Dávno\n");
  WriteFile(vault / "pages" / "Praha.md", "stránka\n");
  WriteFile(vault / "2024-02-30.md", "není den\n");
  WriteFile(vault / ".obsidian" / "app.json", "{}");
  ASSERT_EQ(ReadMarkdownFolder(vault.string(), CCommentaryFormats(m_Doc), m_Days), "");
  const SImportSummary summary = ImportIntoCalendar(m_Doc, m_Days);
  EXPECT_EQ(summary.daysImported, 5);  // four days and a month
  EXPECT_EQ(summary.filesSkipped, 2);
  EXPECT_EQ(YearRange(), (SYearRange{1995, 2030}));
  EXPECT_FALSE(summary.yearsWidened.empty());
  EXPECT_EQ(Cp1250ToUtf8(m_Doc.GetDayRecord("2024/03/01")->m_Poznamka), "Obsidian");
  EXPECT_EQ(m_Doc.GetDayRecord("2024/03/01")->m_Text, "den");
  EXPECT_EQ(m_Doc.GetDayRecord("2024/03/02")->m_Text, "Logseq\rblok");
  EXPECT_EQ(Cp1250ToUtf8(m_Doc.GetMonthRecord("1995/06")->m_Text), "Měsíc");
}

// Export into a folder, then import into a new calendar: the same notes and commentaries.
TEST_F(Import, ExportedMarkdownImportsIntoTheSameCalendar) {
  const fs::path vault = Folder() / "vault";
  WriteFile(
      vault / "2024-03-01.md",
      "---\nnote: \"Výlet: \\\"hory\\\" # 1\"\n---\n# Ráno\n\n**tučně** *šikmo* <u>pod</u>\\\nřádek 🚲\n\n"
      "- a\n- b\n\n<br>\n\n\\# konec\n");
  WriteFile(vault / "2024-03.md", "Březen *celý*\n");
  WriteFile(vault / "2024-03-02.md", "---\nnote: jen poznámka\n---\n");
  ASSERT_EQ(ReadMarkdownFolder(vault.string(), CCommentaryFormats(m_Doc), m_Days), "");
  ImportIntoCalendar(m_Doc, m_Days);

  const fs::path out = Folder() / "out";
  const SMarkdownExport done = ExportMarkdown(m_Doc, out.string(), {2000, 1, 1}, {2030, 12, 31}, m_Ui);
  EXPECT_TRUE(done.completed);
  EXPECT_EQ(done.written, 3);
  EXPECT_TRUE(fs::exists(out / "2024" / "2024-03-01.md"));
  EXPECT_TRUE(fs::exists(out / "2024" / "2024-03.md"));

  test::FakeUiServices ui;
  CTedDoc copy(ui);
  copy.OnNewDocument();
  CImportedDays days;
  ASSERT_EQ(ReadMarkdownFolder(out.string(), CCommentaryFormats(copy), days), "");
  ImportIntoCalendar(copy, days);
  EXPECT_EQ(Records(copy.m_DataTxt), Records(m_Doc.m_DataTxt));
  EXPECT_EQ(Records(copy.m_DataMesice), Records(m_Doc.m_DataMesice));

  // A second export finds every file as it would write it; a changed file is replaced only when
  // the user agrees.
  EXPECT_EQ(ExportMarkdown(m_Doc, out.string(), {2000, 1, 1}, {2030, 12, 31}, m_Ui).unchanged, 3);
  WriteFile(out / "2024" / "2024-03.md", "upraveno\n");
  m_Ui.yesNoAnswers = {false};
  EXPECT_EQ(ExportMarkdown(m_Doc, out.string(), {2000, 1, 1}, {2030, 12, 31}, m_Ui).kept, 1);
  m_Ui.yesNoAnswers = {true};
  EXPECT_EQ(ExportMarkdown(m_Doc, out.string(), {2000, 1, 1}, {2030, 12, 31}, m_Ui).written, 1);
}

}  // namespace
}  // namespace orv
