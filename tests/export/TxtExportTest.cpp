// The plain-text exports end to end: a calendar built in code, files in a temporary folder, the bytes
// of the file compared whole (the export file is a contract).

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "export/TxtExport.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

// The two header parts for a file at path with count days, as Windows-1250 bytes.
std::string Header(const std::string& path, int count) {
  return "\r\n---  " + path +
         "  ---\r\n\r\n---  Po\xe8\x65t exportovan\xfd\x63h dn\xf9 = " + std::to_string(count) +
         "  ---\r\n\r\n";
}

class TxtExport : public ::testing::Test {
 protected:
  TxtExport() {
    char pattern[] = "/tmp/orv-txt-XXXXXX";
    dir = ::mkdtemp(pattern);
    doc.SetPathName((dir / "kalendar.orv").string());
    test::CalendarBuilder(doc)
        .Day("2004/03/31", W("Konec měsíce"))
        .Day("2004/03/05", W("Návštěva"), W("Výklad"))
        .Day("2004/03/12", W("Porada; sál č. 2"))
        .Day("2004/03/20", "", W("Jen výklad"))
        .Day("2004/04/01", W("Apríl"))
        .Day("2004/02/29", W("Přestupný den"));
  }
  ~TxtExport() override { fs::remove_all(dir); }

  std::string Path(const char* name) const { return (dir / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  fs::path dir;
  test::FakeUiServices ui;
  CTedDoc doc{ui};
};

TEST_F(TxtExport, PeriodOfTheCalendarWithItsLastDayIncluded) {
  const std::string out = Path("březen.txt");
  const TxtExportPeriod march{{2004, 3, 1}, {2004, 3, 31}};
  ASSERT_EQ(ExportNotesTxt(doc, out, march, ":", false, ui), TxtExportStatus::Written);
  EXPECT_EQ(Read(out), Header(W(out.c_str()), 3) +
                           "05.03.2004 : N\xe1v\x9at\xecva\r\n"
                           "12.03.2004 : Porada; s\xe1l \xe8. 2\r\n"
                           "31.03.2004 : Konec m\xecs\xed"
                           "ce\r\n");
  EXPECT_EQ(ui.Messages(), Messages{"\r\n---  Počet exportovaných dnů = 3  ---\r\n\r\n"});

  ASSERT_EQ(ExportNotesTxt(doc, out, march, "-", true, ui), TxtExportStatus::Written);
  EXPECT_EQ(Read(out), Header(W(out.c_str()), 3) +
                           "05.03.2004 - N\xe1v\x9at\xecva\r\n\r\n"
                           "12.03.2004 - Porada; s\xe1l \xe8. 2\r\n\r\n"
                           "31.03.2004 - Konec m\xecs\xed"
                           "ce\r\n\r\n");

  ASSERT_EQ(ExportNotesTxt(doc, out, {}, ":", false, ui), TxtExportStatus::Written);  // the whole calendar
  EXPECT_EQ(Read(out), Header(W(out.c_str()), 5) +
                           "29.02.2004 : P\xf8\x65stupn\xfd den\r\n"
                           "05.03.2004 : N\xe1v\x9at\xecva\r\n"
                           "12.03.2004 : Porada; s\xe1l \xe8. 2\r\n"
                           "31.03.2004 : Konec m\xecs\xed"
                           "ce\r\n"
                           "01.04.2004 : Apr\xedl\r\n");
}

TEST_F(TxtExport, EmptyPeriodCreatesAnEmptyFileButLeavesAnExistingOneAlone) {
  const TxtExportPeriod january{{2004, 1, 1}, {2004, 1, 31}};
  const std::string out = Path("leden.txt");
  EXPECT_EQ(ExportNotesTxt(doc, out, january, ":", false, ui), TxtExportStatus::NothingToExport);
  EXPECT_TRUE(fs::exists(out));
  EXPECT_EQ(Read(out), "");
  std::ofstream(out, std::ios::binary) << "dřívější export";
  EXPECT_EQ(ExportNotesTxt(doc, out, january, ":", false, ui), TxtExportStatus::NothingToExport);
  EXPECT_EQ(Read(out), "dřívější export");
  EXPECT_EQ(ui.Messages(), (Messages{"V zadaném rozsahu krátké poznámky nejsou !",
                                     "V zadaném rozsahu krátké poznámky nejsou !"}));
}

// The message says why, as a save does, instead of blaming another program that holds the file open.
TEST_F(TxtExport, AFileThatCannotBeWrittenIsReportedWithItsCause) {
  const std::string out = Path("chybi/export.txt");
  EXPECT_EQ(ExportNotesTxt(doc, out, {}, ":", false, ui), TxtExportStatus::Failed);
  EXPECT_EQ(ui.Messages(), Messages{"Soubor \"" + out + "\" nelze zapsat: soubor nebo složka neexistuje."});
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(TxtExport, TheCalendarFileItselfIsNeverOverwritten) {
  std::ofstream(doc.GetPathName(), std::ios::binary) << "kalendář";
  CSortedKeyList result;
  result.Insert("2004/03/05");
  const std::string sameFileOtherName = (dir / "." / "kalendar.orv").string();
  EXPECT_EQ(ExportNotesTxt(doc, sameFileOtherName, {}, ":", false, ui), TxtExportStatus::Failed);
  EXPECT_EQ(ExportResultTxt(doc, result, TxtResultSource::NoteSearch, doc.GetPathName(), ui),
            TxtExportStatus::Failed);
  EXPECT_EQ(Read(doc.GetPathName()), "kalendář");
  EXPECT_EQ(ui.Messages(), (Messages{"Export nelze zapsat do souboru otevřeného kalendáře.",
                                     "Export nelze zapsat do souboru otevřeného kalendáře."}));
}

TEST_F(TxtExport, ResultExportsWriteOnlyDaysWithANote) {
  CSortedKeyList result;
  for (const char* key : {"2004/03/05", "2004/03/20", "2004/04/01"}) result.Insert(key);
  const std::string out = Path("výběr.txt");
  ASSERT_EQ(ExportResultTxt(doc, result, TxtResultSource::Fulltext, out, ui), TxtExportStatus::Written);
  EXPECT_EQ(Read(out),
            Header(W(out.c_str()), 2) + "05.03.2004 : N\xe1v\x9at\xecva\r\n01.04.2004 : Apr\xedl\r\n");
  ASSERT_EQ(ExportResultTxt(doc, result, TxtResultSource::NoteSearch, out, ui), TxtExportStatus::Written);
  EXPECT_EQ(Read(out),
            Header(W(out.c_str()), 2) + "05.03.2004 ; N\xe1v\x9at\xecva\r\n01.04.2004 ; Apr\xedl\r\n");
  EXPECT_EQ(ui.Messages(), (Messages{"\r\n---  Počet exportovaných dnů = 2  ---\r\n\r\n",
                                     "\r\n---  Počet exportovaných dnů = 2  ---\r\n\r\n"}));

  // A day of the result that is gone ends the export before anything is written.
  ui.Clear();
  result.Insert("2004/05/01");
  const std::string stale = Path("stale.txt");
  EXPECT_EQ(ExportResultTxt(doc, result, TxtResultSource::Fulltext, stale, ui), TxtExportStatus::Failed);
  EXPECT_EQ(ui.Messages(), Messages{"Chyba konzistence v OnExportTxt výběru"});
  EXPECT_FALSE(fs::exists(stale));
}

TEST_F(TxtExport, RefusalsBeforeTheFileIsChosen) {
  CSortedKeyList result;
  result.Insert("2004/03/05");
  EXPECT_TRUE(CanExportNotesTxt(doc, ui));
  EXPECT_TRUE(CanExportResultTxt(doc, result, TxtResultSource::Fulltext, ui));
  EXPECT_FALSE(CanExportResultTxt(doc, CSortedKeyList(), TxtResultSource::NoteSearch, ui));
  EXPECT_TRUE(CheckExportPeriod({{2004, 3, 1}, {2004, 3, 1}}, ui));
  EXPECT_FALSE(CheckExportPeriod({{2004, 3, 2}, {2004, 3, 1}}, ui));
  test::FakeUiServices otherUi;
  CTedDoc unnamed(otherUi);
  EXPECT_FALSE(CanExportNotesTxt(unnamed, ui));
  EXPECT_FALSE(CanExportResultTxt(unnamed, result, TxtResultSource::Fulltext, ui));
  EXPECT_FALSE(CanExportResultTxt(unnamed, result, TxtResultSource::NoteSearch, ui));
  unnamed.SetPathName(Path("prazdny.orv"));
  EXPECT_FALSE(CanExportNotesTxt(unnamed, ui));
  EXPECT_EQ(ui.Messages(),
            (Messages{"Výběr je prázdný", "Spodní hranice období nesmí být větší než horní !",
                      "Soubor nemá jméno, nejprve je nutno jej Uložit jako.",
                      "Soubor nemá jméno, nejprve je nutno jej uložit.",
                      "Soubor nemá jméno, nejprve je nutno jej Uložit jako.", "Kalendář je prázdný"}));
}

}  // namespace
}  // namespace orv
