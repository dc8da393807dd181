// The RTF exports end to end: a calendar built in code, the file written into a temporary folder and
// read back with the program's own RTF reader, paragraph by paragraph with the formats that matter.
// Where LibreOffice is installed the file is also converted to text by it and compared.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/StyleSets.h"
#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "export/RtfAssembly.h"
#include "export/RtfCalendarExport.h"
#include "export/RtfExport.h"
#include "export/RtfExportTexts.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Messages = std::vector<std::string>;

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

// A commentary as the editor stores it: one paragraph per line, the word "tučně" in bold when asked.
std::string Commentary(const char* utf8, bool withBold = false) {
  CRichEditCtrl ctrl;
  ctrl.ReplaceSel(W(utf8));
  if (withBold) {
    ctrl.ReplaceSel(W(" tučně"));
    const int end = ctrl.GetTextLength();
    ctrl.SetSel(end - 5, end);
    CharFormat bold;
    bold.mask = CFM_BOLD;
    bold.effects = CFE_BOLD;
    ctrl.SetSelectionCharFormat(bold);
  }
  return ctrl.StreamOut();
}

std::string Utf8(const std::u16string& text) {
  return QString::fromStdU16String(text).toStdString();
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The paragraphs of an RTF file as UTF-8 text.
Lines Paragraphs(const RichContent& content) {
  Lines lines;
  for (const RichParagraph& p : content.paragraphs) {
    std::u16string text;
    for (const RichRun& run : p.runs) text += run.text;
    lines.push_back(Utf8(text));
  }
  return lines;
}

const RichRun& FirstRunOf(const RichContent& content, const std::string& utf8Text) {
  for (const RichParagraph& p : content.paragraphs)
    if (!p.runs.empty() && Utf8(p.runs.front().text) == utf8Text) return p.runs.front();
  static const RichRun none;
  ADD_FAILURE() << "no paragraph \"" << utf8Text << "\"";
  return none;
}

class RtfExport : public ::testing::Test {
 protected:
  RtfExport() {
    char pattern[] = "/tmp/orv-rtf-XXXXXX";
    dir = ::mkdtemp(pattern);
    doc.SetPathName((dir / "kalendar.orv").string());
    test::CalendarBuilder(doc)
        .Month("2004/03", W("Jaro začíná"))
        .Day("2004/03/05", W("Návštěva"), W("Výklad dne"), Commentary("Výklad dne", true))
        .Day("2004/03/12", W("Porada"))
        .Day("2004/03/20", "", W("Jen výklad\rdruhý odstavec"), Commentary("Jen výklad\rdruhý odstavec"))
        .Day("2004/04/01", W("Apríl"));
    doc.m_DataMesice.Find("2004/03")->m_Rtf = Commentary("Jaro začíná");
  }
  ~RtfExport() override { fs::remove_all(dir); }

  std::string Path(const char* name) const { return (dir / name).string(); }
  RichContent Export(const SRtfExportChoice& choice) {
    const std::string out = Path("export.rtf");
    EXPECT_EQ(ExportRtf(doc, out, choice, "Arial", ui), RtfExportStatus::Written);
    return ReadRtf(Read(out));
  }
  static SRtfExportChoice Period(Date from, Date to) {
    SRtfExportChoice choice;
    choice.from = from;
    choice.to = to;
    return choice;
  }

  fs::path dir;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
};

// The export is written as it is walked, never held whole: the file has the bytes the whole content
// in memory gives, and the progress runs once from the start to the end over both of its walks.
TEST_F(RtfExport, TheFileIsWrittenAsWalkedWithTheBytesOfTheWholeAndOneProgress) {
  const SRtfExportChoice choice = Period({2004, 3, 1}, {2004, 4, 30});
  CRtfAssembly whole("Arial");
  AssembleCalendarExport(doc, choice, whole);

  std::vector<std::pair<int, int>> steps;
  const std::string out = Path("export.rtf");
  ASSERT_EQ(ExportRtf(doc, out, choice, "Arial", ui,
                      [&](int done, int total) {
                        steps.emplace_back(done, total);
                        return true;
                      }),
            RtfExportStatus::Written);
  EXPECT_EQ(Read(out), whole.Rtf());
  ASSERT_FALSE(steps.empty());
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].second, 2 * ExportWalkLength(choice));
    if (i > 0) {
      EXPECT_GT(steps[i].first, steps[i - 1].first);
    }
  }
  EXPECT_GT(steps.back().first, ExportWalkLength(choice));  // the second walk is counted after the first
}

TEST_F(RtfExport, WholeCalendarWritesHeadingsNotesAndCommentariesInDateOrder) {
  const RichContent content = Export({});
  EXPECT_EQ(Paragraphs(content), (Lines{"Březen   2004", "Jaro začíná", "",                    //
                                        "05.03.2004\tPá", "Návštěva", "Výklad dne tučně", "",  //
                                        "12.03.2004\tPá", "Porada", "",                        //
                                        "20.03.2004\tSo", "Jen výklad", "druhý odstavec", "",  //
                                        "Duben   2004", "01.04.2004\tČt", "Apríl", ""}));
  EXPECT_EQ(ui.Messages(), Messages{"Počet exportovaných položek: 5\n\rSoubor: " + Path("export.rtf") + " "});

  const RichRun& month = FirstRunOf(content, "Březen   2004");
  EXPECT_EQ(month.format.effects & CFE_BOLD, CFE_BOLD);
  EXPECT_EQ(month.format.height, 240);
  EXPECT_EQ(month.format.colour, 0x800080u);
  EXPECT_EQ(month.format.charset, 238);
  EXPECT_EQ(month.format.face, u"Arial");
  const RichRun& day = FirstRunOf(content, "05.03.2004\tPá");
  EXPECT_EQ(day.format.height, 200);
  EXPECT_EQ(day.format.colour, 0x800080u);
  const RichRun& note = FirstRunOf(content, "Návštěva");
  EXPECT_EQ(note.format.effects & CFE_BOLD, 0u);
  EXPECT_EQ(note.format.height, 180);
  EXPECT_EQ(note.format.colour, 0x000080u);
  EXPECT_EQ(note.format.charset, 238);
  // The commentary keeps its own formatting.
  const RichParagraph& commentary = content.paragraphs[5];
  ASSERT_EQ(commentary.runs.size(), 2u);
  EXPECT_EQ(commentary.runs[0].format.effects & CFE_BOLD, 0u);
  EXPECT_EQ(commentary.runs[1].format.effects & CFE_BOLD, CFE_BOLD);
}

TEST_F(RtfExport, ContentChoicesDecideHeadingsAndItems) {
  struct Case {
    bool notes, days, months;
    Lines paragraphs;
    int items;
  };
  const Case cases[] = {
      // Only notes: a day with a note and a commentary gives heading and note; one with only a
      // commentary nothing; the month gets its heading for its notes.
      {true,
       false,
       false,
       {"Březen   2004", "05.03.2004\tPá", "Návštěva", "", "12.03.2004\tPá", "Porada", "", "Duben   2004",
        "01.04.2004\tČt", "Apríl", ""},
       3},
      // Only day commentaries: each non-empty commentary under its heading, no note, and April has
      // nothing to show, not even its heading.
      {false,
       true,
       false,
       {"Březen   2004", "05.03.2004\tPá", "Výklad dne tučně", "", "20.03.2004\tSo", "Jen výklad",
        "druhý odstavec", ""},
       2},
      // Only month commentaries.
      {false, false, true, {"Březen   2004", "Jaro začíná", ""}, 1},
  };
  for (const Case& c : cases) {
    ui.Clear();
    SRtfExportChoice choice;
    choice.notes = c.notes;
    choice.dayCommentaries = c.days;
    choice.monthCommentaries = c.months;
    EXPECT_EQ(Paragraphs(Export(choice)), c.paragraphs) << c.notes << c.days << c.months;
    EXPECT_EQ(ui.Messages(), Messages{"Počet exportovaných položek: " + std::to_string(c.items) +
                                      "\n\rSoubor: " + Path("export.rtf") + " "});
  }
}

TEST_F(RtfExport, AMonthWithOnlyItsCommentaryInThePeriodGetsHeadingAndCommentary) {
  test::CalendarBuilder(doc).Month("2005/07", W("Prázdniny"));
  doc.m_DataMesice.Find("2005/07")->m_Rtf = Commentary("Prázdniny");
  EXPECT_EQ(Paragraphs(Export(Period({2005, 7, 15}, {2005, 8, 31}))),
            (Lines{"Červenec   2005", "Prázdniny", ""}));
}

TEST_F(RtfExport, TheLimitStopsAfterThe365thDayWithARecord) {
  CTedDoc big(ui);
  big.SetPathName(doc.GetPathName());
  // 500 records on every other day from 1 January 2004; the first has a commentary only, so that
  // with notes alone it counts towards the limit without being written.
  std::vector<Date> days;
  Date date{2004, 1, 1};
  for (int i = 0; i < 500; ++i) {
    days.push_back(date);
    for (int step = 0; step < 2; ++step)
      date = ++date.day > DaysInMonth(date.year, date.month)
                 ? (date.month == 12 ? Date{date.year + 1, 1, 1} : Date{date.year, date.month + 1, 1})
                 : date;
    test::CalendarBuilder(big).Day(DayKey(days.back()), i == 0 ? "" : "p", i == 0 ? "v" : "");
  }
  SRtfExportChoice choice = Period({2004, 1, 1}, {2006, 12, 31});
  choice.dayCommentaries = false;
  choice.monthCommentaries = false;
  const std::string out = Path("limit.rtf");
  ASSERT_EQ(ExportRtf(big, out, choice, "Arial", ui), RtfExportStatus::Written);
  const Lines lines = Paragraphs(ReadRtf(Read(out)));
  EXPECT_EQ(ui.Messages().back(), "Počet exportovaných položek: 364\n\rSoubor: " + out + " ");
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[lines.size() - 3].substr(0, 10), CalendarDayHeading(days[364]).substr(0, 10));

  choice.limited = false;  // --all, print and PDF
  ASSERT_EQ(ExportRtf(big, out, choice, "Arial", ui), RtfExportStatus::Written);
  EXPECT_EQ(ui.Messages().back(), "Počet exportovaných položek: 499\n\rSoubor: " + out + " ");
}

TEST_F(RtfExport, APeriodPastTheLastYearStopsAtItsEnd) {
  test::CalendarBuilder(doc).Day("2020/12/31", W("Silvestr"));
  SExportWalk walk;
  CRtfAssembly out("Arial");
  walk = AssembleCalendarExport(doc, Period({2020, 12, 30}, {2021, 6, 30}), out);
  EXPECT_EQ(walk.daysWalked, 2);
  EXPECT_EQ(walk.items, 1);
  EXPECT_EQ(Paragraphs(out.Content()), (Lines{"Prosinec   2020", "31.12.2020\tČt", "Silvestr", ""}));
}

TEST_F(RtfExport, HeadingStylesTakeTheCharacterStyleOfTheParagraphStyleThenTheParagraphStyle) {
  test::CalendarBuilder(doc)
      .CharStyle("Nadpis1", FactoryCharStyle(2, "Verdana"))
      .ParStyle(W("Hlavička1"), FactoryParStyle(2))
      .CharStyle("Bez", CCharFormat{})
      .ParStyle("Odsazeny", [] {
        CParFormat p = FactoryParStyle(1);
        p.m_CharStyle = "Bez";  // a character style without a face keeps the heading's face
        p.m_StartIndent = 567;
        return p;
      }());
  SRtfExportChoice choice = Period({2004, 3, 1}, {2004, 3, 31});
  choice.monthStyle = W("Hlavička1");
  choice.dayStyle = "Odsazeny";
  const RichContent content = Export(choice);
  const RichRun& month = FirstRunOf(content, "Březen   2004");
  EXPECT_EQ(month.format.height, 240);
  EXPECT_EQ(month.format.colour, 0x800000u);  // navy, as "Nadpis1"
  EXPECT_EQ(month.format.face, u"Verdana");
  EXPECT_EQ(content.paragraphs[0].format.spaceAfter, 200);
  const RichRun& day = FirstRunOf(content, "05.03.2004\tPá");
  EXPECT_EQ(day.format.face, u"Arial");
  EXPECT_EQ(day.format.height, 200);
  EXPECT_EQ(day.format.effects & CFE_BOLD, 0u);
  EXPECT_EQ(content.paragraphs[3].format.startIndent, 567);
}

TEST_F(RtfExport, ResultExportsOfDaysAndMonths) {
  CSortedKeyList days;
  for (const char* key : {"2004/03/05", "2004/03/12", "2004/03/20"}) days.Insert(key);
  const std::string out = Path("výběr.rtf");
  ASSERT_EQ(ExportResultRtf(doc, days, ERtfResultArea::Days, out, "Arial", ui), RtfExportStatus::Written);
  EXPECT_EQ(Paragraphs(ReadRtf(Read(out))),
            (Lines{"", "05.03.2004\tPá", "Návštěva", "Výklad dne tučně", "", "12.03.2004\tPá", "Porada", "",
                   "20.03.2004\tSo", "Jen výklad", "druhý odstavec"}));
  // "pouze výklady dní": the day found by its note alone is left out, and no note is written.
  ASSERT_EQ(ExportResultRtf(doc, days, ERtfResultArea::DayCommentaries, out, "Arial", ui),
            RtfExportStatus::Written);
  EXPECT_EQ(Paragraphs(ReadRtf(Read(out))), (Lines{"", "05.03.2004\tPá", "Výklad dne tučně", "",
                                                   "20.03.2004\tSo", "Jen výklad", "druhý odstavec"}));
  CSortedKeyList months;
  months.Insert("2004/03");
  ASSERT_EQ(ExportResultRtf(doc, months, ERtfResultArea::Months, out, "Arial", ui), RtfExportStatus::Written);
  const RichContent content = ReadRtf(Read(out));
  EXPECT_EQ(Paragraphs(content), (Lines{"", "Březen 2004", "Jaro začíná"}));
  EXPECT_EQ(FirstRunOf(content, "Březen 2004").format.height, 200);
  const std::string full = fs::absolute(out).string();
  EXPECT_EQ(ui.Messages(), (Messages{"Počet exportovaných dnů: 3\n\rSoubor: " + full + " ",
                                     "Počet exportovaných dnů: 2\n\rSoubor: " + full + " ",
                                     "Počet exportovaných dnů: 1\n\rSoubor: " + full + " "}));
}

TEST_F(RtfExport, AResultOfMoreThan365DaysWritesTheFirst365) {
  CSortedKeyList days;
  Date date{2004, 1, 1};
  for (int i = 0; i < 400; ++i, date = date.day == 28
                                           ? Date{date.year + (date.month == 12), date.month % 12 + 1, 1}
                                           : Date{date.year, date.month, date.day + 1}) {
    test::CalendarBuilder(doc).Day(DayKey(date), "n");
    days.Insert(DayKey(date));
  }
  const std::string out = Path("400.rtf");
  ASSERT_EQ(ExportResultRtf(doc, days, ERtfResultArea::Days, out, "Arial", ui), RtfExportStatus::Written);
  EXPECT_EQ(ui.Messages(), (Messages{"Exportovat lze nejvýše 365 záznamů !",
                                     "Počet exportovaných dnů: 365\n\rSoubor: " + out + " "}));
  const Lines lines = Paragraphs(ReadRtf(Read(out)));
  EXPECT_EQ(lines.size(), 365u * 3);
  EXPECT_EQ(lines[lines.size() - 2].substr(0, 10), ResultDayHeading(days[364]).substr(0, 10));
}

TEST_F(RtfExport, RefusalsAndFailuresLeaveFilesAsTheyWere) {
  CTedDoc unnamed(ui);
  CSortedKeyList empty;
  EXPECT_FALSE(CanExportRtf(unnamed, ui));
  EXPECT_FALSE(CanExportResultRtf(unnamed, empty, RtfResultSource::Fulltext, ui));
  EXPECT_FALSE(CanExportResultRtf(unnamed, empty, RtfResultSource::NoteSearch, ui));
  unnamed.SetPathName(Path("prazdny.orv"));
  EXPECT_FALSE(CanExportRtf(unnamed, ui));
  EXPECT_FALSE(CanExportResultRtf(unnamed, empty, RtfResultSource::Fulltext, ui));
  EXPECT_EQ(ui.Messages(), (Messages{"Soubor nemá jméno, nejprve je nutno jej Uložit jako.",
                                     "Soubor nemá jméno, nejprve je nutno jej uložit.",
                                     "Soubor nemá jméno, nejprve je nutno jej Uložit jako.",
                                     "Kalendář je prázdný", "Výběr je prázdný"}));
  ui.Clear();

  // The calendar's own file, a folder that does not exist, a cancelled walk: nothing is written.
  std::ofstream(doc.GetPathName(), std::ios::binary) << "kalendář";
  const std::string existing = Path("stary.rtf");
  std::ofstream(existing, std::ios::binary) << "starý export";
  EXPECT_EQ(ExportRtf(doc, doc.GetPathName(), {}, "Arial", ui), RtfExportStatus::Failed);
  EXPECT_EQ(ExportRtf(doc, Path("chybi/export.rtf"), {}, "Arial", ui), RtfExportStatus::Failed);
  EXPECT_EQ(ExportRtf(doc, existing, {}, "Arial", ui, [](int, int) { return false; }),
            RtfExportStatus::Cancelled);
  EXPECT_EQ(Read(doc.GetPathName()), "kalendář");
  EXPECT_EQ(Read(existing), "starý export");
  ASSERT_EQ(ui.Messages().size(), 2u);
  EXPECT_EQ(ui.Messages()[0], "Export nelze zapsat do souboru otevřeného kalendáře.");
  EXPECT_EQ(ui.Messages()[1].rfind("Soubor \"" + Path("chybi/export.rtf") + "\" nelze zapsat: ", 0), 0u);
  EXPECT_GT(ui.Messages()[1].size(), ("Soubor \"" + Path("chybi/export.rtf") + "\" nelze zapsat: .").size());
  EXPECT_EQ(ui.waitDepth, 0);

  // A result key without a record: "Chyba konzistence", nothing written.
  CSortedKeyList gone;
  gone.Insert("2004/05/05");
  EXPECT_EQ(ExportResultRtf(doc, gone, ERtfResultArea::Days, existing, "Arial", ui), RtfExportStatus::Failed);
  EXPECT_EQ(ui.Messages().back(), "Chyba konzistence");
  EXPECT_EQ(Read(existing), "starý export");
}

TEST_F(RtfExport, TheUsersClipboardAndTheCalendarAreLeftAlone) {
  QGuiApplication::clipboard()->setText(QStringLiteral("uživatelův text"));
  doc.SetModifiedFlag(false);
  CSortedKeyList days;
  days.Insert("2004/03/05");
  Export({});
  ASSERT_EQ(ExportResultRtf(doc, days, ERtfResultArea::Days, Path("v.rtf"), "Arial", ui),
            RtfExportStatus::Written);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("uživatelův text"));
  EXPECT_FALSE(doc.IsModified());
}

// LibreOffice, where it is installed, reads the same text out of the file.
TEST_F(RtfExport, AWordProcessorReadsTheSameText) {
  if (std::system("command -v soffice >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "soffice (LibreOffice) is not installed: the conversion check is skipped";
  const std::string out = Path("export.rtf");
  const Lines expected = Paragraphs(Export({}));
  const std::string command =
      "cd '" + dir.string() + "' && HOME='" + dir.string() +
      "' soffice --headless --convert-to 'txt:Text (encoded):UTF8' export.rtf >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::istringstream text(Read(Path("export.txt")));
  Lines converted;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (converted.empty() && line.rfind("\xef\xbb\xbf", 0) == 0) line.erase(0, 3);
    // Its text output writes every space of a run of spaces as a six-per-em space and a space.
    for (std::size_t at; (at = line.find("\xe2\x80\x86 ")) != std::string::npos;) line.erase(at, 3);
    converted.push_back(line);
  }
  EXPECT_EQ(converted, expected);
}

}  // namespace
}  // namespace orv
