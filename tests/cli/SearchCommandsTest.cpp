// orv search, find-notes and export-txt end to end through RunOrv, over a calendar file written in a
// temporary folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QString>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "RtfParagraphs.h"
#include "cli/CliCommand.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"
#include "richtext/RtfReader.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

struct OrvRun {
  int status;
  std::string out;
  Messages messages;
};

std::string W(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class SearchCommands : public ::testing::Test {
 protected:
  SearchCommands() {
    char pattern[] = "/tmp/orv-search-XXXXXX";
    dir = ::mkdtemp(pattern);
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder(c)
        .Day("2004/03/05", W("Návštěva u Kočků"), W("Pes a kočka."))
        .Day("2004/01/20", W("oběd"), W("Kočka spí."))
        .Day("2004/03/01", W("Porada 2den"))
        .Month("2004/03", W("Březen: kočka."));
    file = (dir / "kalendar.orv").string();
    std::ofstream(file, std::ios::binary) << StoreCalendar(c);
  }
  ~SearchCommands() override { fs::remove_all(dir); }

  static OrvRun Orv(std::vector<std::string> args) {
    test::FakeUiServices ui;
    std::ostringstream out, err;
    cli::CliContext ctx{out, err, ui};
    const int status = cli::RunOrv(args, ctx);
    return {status, out.str(), ui.Messages()};
  }

  fs::path dir;
  std::string file;
};

TEST_F(SearchCommands, SearchPrintsDaysThenMonths) {
  OrvRun run = Orv({"search", file, "kočka"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "20. ledna 2004\n05. března 2004\nBřezen 2004\n");
  EXPECT_EQ(run.messages, Messages{});

  run = Orv({"search", file, "pes AND NOT myš", "--logical", "--keys"});
  EXPECT_EQ(run.out, "2004/03/05\n");

  run = Orv({"search", file, "Koč*", "--mask", "--case", "--commentaries-only"});
  EXPECT_EQ(run.out, "20. ledna 2004\n");
  EXPECT_EQ(run.status, 0);
}

TEST_F(SearchCommands, SearchThatFindsNothingOrIsRefused) {
  OrvRun run = Orv({"search", file, "žirafa"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.messages, Messages{"Nebyl nalezen žádný výskyt hledaného textu !"});

  run = Orv({"search", file, "a AND ", "--logical"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.messages, (Messages{"Na konci výrazu je operand AND - výraz je neplatný",
                                    "Chyba - logický výraz neplatný"}));
  EXPECT_EQ(Orv({"search", file}).status, 2);
}

TEST_F(SearchCommands, FindNotesListsDateTabNote) {
  OrvRun run = Orv({"find-notes", file, " den ", "--whole"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "01. března 2004\tPorada 2den\n");

  run = Orv({"find-notes", file, "KOČ"});
  EXPECT_EQ(run.out, "05. března 2004\tNávštěva u Kočků\n");
  run = Orv({"find-notes", file, "KOČ", "--case"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.messages, Messages{"Hledaný text nebyl nalezen !"});
}

TEST_F(SearchCommands, SearchesWriteTheirResultToRtfWithTheChosenArea) {
  using Lines = std::vector<std::string>;
  const std::string out = (dir / "vysledek.rtf").string();
  struct Case {
    std::vector<std::string> args;
    int status;
    Lines paragraphs;
    Messages messages;
  };
  const Lines both{
      "", "20.01.2004\tÚt", "oběd", "Kočka spí.", "", "05.03.2004\tPá", "Návštěva u Kočků", "Pes a kočka."};
  for (const Case& c : {
           Case{{"search", file, "kočka", "--export-rtf", out},
                0,
                both,
                {"Počet exportovaných dnů: 2\n\rSoubor: " + out + " "}},
           Case{{"search", file, "kočka", "--export-rtf", out, "--area", "months"},
                0,
                {"", "Březen 2004", "Březen: kočka."},
                {"Počet exportovaných dnů: 1\n\rSoubor: " + out + " "}},
           // Found by its note alone, 1 March has no commentary to export.
           Case{{"search", file, "porada OR spí", "--logical", "--export-rtf", out, "--area",
                 "day-commentaries"},
                0,
                {"", "20.01.2004\tÚt", "Kočka spí."},
                {"Počet exportovaných dnů: 1\n\rSoubor: " + out + " "}},
           Case{{"find-notes", file, "koč", "--export-rtf", out},
                0,
                {"", "05.03.2004\tPá", "Návštěva u Kočků", "Pes a kočka."},
                {"Počet exportovaných dnů: 1\n\rSoubor: " + out + " "}},
           Case{{"search", file, "oběd", "--export-rtf", out, "--area", "months"},
                1,
                {},
                {"Výběr je prázdný"}},
           Case{{"search", file, "kočka", "--export-rtf", (dir / "není" / "x.rtf").string()}, 2, {}, {}},
           Case{{"search", file, "kočka", "--export-rtf", out, "--area", "roky"}, 2, {}, {}},
       }) {
    std::filesystem::remove(out);
    const OrvRun run = Orv(c.args);
    const std::string name = c.args[0] + " " + c.args[2] + " " + c.args.back();
    EXPECT_EQ(run.status, c.status) << name;
    if (c.status != 2) {
      EXPECT_EQ(run.messages, c.messages) << name;
    }
    EXPECT_EQ(std::filesystem::exists(out) ? test::RtfFileParagraphs(out) : Lines{}, c.paragraphs) << name;
  }
  // The search's own list is printed as without the export.
  EXPECT_EQ(Orv({"find-notes", file, "koč", "--export-rtf", out}).out, "05. března 2004\tNávštěva u Kočků\n");
}

TEST_F(SearchCommands, ExportTxtWritesThePeriod) {
  const std::string out = (dir / "export.txt").string();
  OrvRun run =
      Orv({"export-txt", file, out, "--from", "2004-03-01", "--to", "2004-03-05", "--sep", "→", "--blank"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.messages, Messages{"\r\n---  Počet exportovaných dnů = 2  ---\r\n\r\n"});
  std::ifstream in(out, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), "\r\n---  " + out +
                             "  ---\r\n\r\n---  Po\xe8\x65t exportovan\xfd\x63h dn\xf9 = 2  ---\r\n\r\n"
                             "01.03.2004 ? Porada 2den\r\n\r\n"
                             "05.03.2004 ? N\xe1v\x9at\xecva u Ko\xe8k\xf9\r\n\r\n");

  run = Orv({"export-txt", file, out, "--from", "2004-03-06", "--to", "2004-03-05"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.messages, Messages{"Spodní hranice období nesmí být větší než horní !"});
  run = Orv({"export-txt", file, out, "--from", "2010-01-01"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.messages, Messages{"V zadaném rozsahu krátké poznámky nejsou !"});
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

TEST_F(SearchCommands, ReplaceChangesEveryOccurrenceOfACommentaryAndSaves) {
  const std::string made = (dir / "novy.orv").string();
  ASSERT_EQ(Orv({"new", made}).status, 0);
  const std::string rtf = (dir / "in.rtf").string();
  std::ofstream(rtf, std::ios::binary) << "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}}"
                                          "\\f0 \\b Ko\\'e8ka\\b0  a ko\\'e8ka, kocour\\par kocka}";
  ASSERT_EQ(Orv({"commentary", made, "2005-03-07", "--rtf", rtf}).status, 0);
  ASSERT_EQ(Orv({"commentary", made, "2005-03-31", "--month", "--rtf", rtf}).status, 0);

  const OrvRun replaced = Orv({"replace", made, "2005-03-07", "kočka", "pes"});
  EXPECT_EQ(replaced.status, 0);
  EXPECT_EQ(replaced.out, "2\n");
  EXPECT_EQ(Orv({"replace", made, "2005-03-07", "kocka", "myš", "--no-accents", "--whole"}).out, "1\n");
  EXPECT_EQ(Orv({"replace", made, "2005-03-31", "ko*", "X", "--month", "--mask", "--case"}).out, "3\n");
  EXPECT_EQ(Orv({"day", made, "2005-03-07"}).out,
            "Výklad dne:\npes a pes, kocour\nmyš\nVýklad měsíce:\nKočka a X, X\nX\n");
  // The bold of the first word stays with its replacement.
  EXPECT_NE(Orv({"commentary", made, "2005-03-07"}).out.find("\\b pes\\b0"), std::string::npos);

  const OrvRun none = Orv({"replace", made, "2005-03-07", "kočka", "pes"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "0\n");
  EXPECT_EQ(Orv({"replace", made, "2005-03-07", "", "pes"}).messages, Messages{"Zadejte hledaný výraz."});
}

// A mask without '*' or '?' is no mask: it is dropped with a word, and the search is as plain as the
// whole-words choice the user made.
TEST_F(SearchCommands, ReplaceWithAMaskWithoutWildcardsSearchesPlainly) {
  const std::string made = (dir / "maska.orv").string();
  ASSERT_EQ(Orv({"new", made}).status, 0);
  const std::string rtf = (dir / "in.rtf").string();
  std::ofstream(rtf, std::ios::binary) << "{\\rtf1\\ansi denik a den\\par denik a den}";
  ASSERT_EQ(Orv({"commentary", made, "2005-03-11", "--rtf", rtf}).status, 0);

  const OrvRun plain = Orv({"replace", made, "2005-03-11", "den", "X", "--mask"});
  EXPECT_EQ(plain.out, "4\n");
  EXPECT_EQ(plain.messages, Messages{"maska nepoužita"});
  const OrvRun whole = Orv({"replace", made, "2005-03-11", "Xik", "den", "--mask", "--whole"});
  EXPECT_EQ(whole.out, "2\n");
  const std::string day = Orv({"day", made, "2005-03-11"}).out;
  EXPECT_TRUE(day.starts_with("Výklad dne:\nden a X\nden a X\n")) << day;
}

}  // namespace
}  // namespace orv
