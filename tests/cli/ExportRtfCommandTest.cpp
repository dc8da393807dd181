// orv export-rtf end to end through RunOrv: a calendar file in a temporary folder, the RTF read back
// with the program's reader.

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

namespace orv {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Messages = std::vector<std::string>;

class ExportRtfCommand : public ::testing::Test {
 protected:
  ExportRtfCommand() {
    char pattern[] = "/tmp/orv-cli-rtf-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = (dir / "k.orv").string();
    out = (dir / "k.rtf").string();
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    CParFormat heading;
    heading.m_CharStyle = "Standard1";
    test::CalendarBuilder(c)
        .Day("2004/03/05", Cp1250FromUtf8("Návštěva"), "Text", "{\\rtf1\\ansi Text\\par }")
        .Day("2005/01/03", "Leden")
        .CharStyle("Standard1")
        .ParStyle(Cp1250FromUtf8("Hlavička1"), heading);
    std::ofstream(dir / "k.orv", std::ios::binary) << StoreCalendar(c);
  }
  ~ExportRtfCommand() override { fs::remove_all(dir); }

  struct Run {
    int status;
    std::string err;
    Messages messages;
  };
  Run Orv(std::vector<std::string> args) {
    test::FakeUiServices ui;
    std::ostringstream out, err;
    cli::CliContext ctx{out, err, ui};
    const int status = cli::RunOrv(args, ctx);
    return {status, err.str(), ui.Messages()};
  }
  Lines Exported() const { return test::RtfFileParagraphs(out); }

  fs::path dir;
  std::string file;
  std::string out;
};

TEST_F(ExportRtfCommand, WritesTheChosenPeriodAndContent) {
  Run run = Orv({"export-rtf", file, out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.messages, Messages{"Počet exportovaných položek: 2\n\rSoubor: " + out + " "});
  EXPECT_EQ(Exported(), (Lines{"Březen   2004", "05.03.2004\tPá", "Návštěva", "Text", "", "Leden   2005",
                               "03.01.2005\tPo", "Leden", ""}));

  run = Orv({"export-rtf", file, out, "--from", "2004-01-01", "--to", "2004-12-31", "--no-notes",
             "--month-style", "Hlavička1"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Exported(), (Lines{"Březen   2004", "05.03.2004\tPá", "Text", ""}));
}

TEST_F(ExportRtfCommand, ExportPdfWritesPagesWithTheSameOptions) {
  const std::string pdf = (dir / "k.pdf").string();
  const Run run = Orv({"export-pdf", file, pdf, "--from", "2005-01-01", "--no-notes"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.messages, Messages{"Počet exportovaných položek: 0\n\rSoubor: " + pdf + " "});
  std::ifstream in(pdf, std::ios::binary);
  std::string head(4, '\0');
  in.read(head.data(), 4);
  EXPECT_EQ(head, "%PDF");
}

TEST_F(ExportRtfCommand, RefusesWhatTheDialogRefuses) {
  const Run none =
      Orv({"export-rtf", file, out, "--no-notes", "--no-day-commentaries", "--no-month-commentaries"});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.messages, Messages{"Vyberte obsah výstupního souboru !"});
  const Run backwards = Orv({"export-rtf", file, out, "--from", "2004-03-06", "--to", "2004-03-05"});
  EXPECT_EQ(backwards.messages, Messages{"Spodní hranice období nesmí být větší než horní !"});
  const Run style = Orv({"export-rtf", file, out, "--day-style", "Nadpis9"});
  EXPECT_EQ(style.status, 2);
  EXPECT_NE(style.err.find("Nadpis9"), std::string::npos);
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace orv
