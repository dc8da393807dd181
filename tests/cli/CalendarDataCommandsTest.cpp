// What the orv commands do with the data of a calendar that is damaged, protected or hostile: records
// under keys that are no date, the read-only attribute, text the code page cannot hold, control
// characters in notes. End to end through RunOrv on files in a temporary folder.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "OrvRun.h"
#include "cli/CliCommand.h"
#include "core/Cp1250.h"
#include "document/CalendarArchive.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

using test::OrvRun;

// Keys a damaged or foreign file may hold; each record matches every search below.
const char* const kKeysOfNoDate[] = {"2004/13/01", "2004/00/01", "", "2005/03", "2003/02/29"};

class CalendarData : public ::testing::Test {
 protected:
  CalendarData() {
    char pattern[] = "/tmp/orv-cli-data-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = Path("kal.orv");
  }
  ~CalendarData() override { fs::remove_all(dir); }

  static OrvRun Orv(const std::vector<std::string>& args) { return test::RunOrvCaptured(args); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The calendar of `build`, written to `file`; its bytes.
  std::string Write(void (*build)(CCalendarContent&)) {
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    build(c);
    const std::string bytes = StoreCalendar(c);
    std::ofstream(file, std::ios::binary) << bytes;
    return bytes;
  }
  static void WithKeysOfNoDate(CCalendarContent& c) {
    test::CalendarBuilder(c).Day("2005/03/07", "tajemstv\xed", "tajemstv\xed dne").Month("2005/03", "tajemstv\xed");
    for (const char* key : kKeysOfNoDate) c.m_DataTxt.Insert(key, CEntrTxt{"tajemstv\xed", "", "tajemstv\xed", ""});
    c.m_DataMesice.Insert("2005/13", CEntrTxt{"", "", "tajemstv\xed", ""});
  }

  fs::path dir;
  std::string file;
};

TEST_F(CalendarData, RecordsUnderKeysOfNoDateAreCountedApartAndOtherwiseUntouched) {
  Write(WithKeysOfNoDate);
  const OrvRun info = Orv({"info", file});
  EXPECT_NE(info.out.find("Počet záznamů v kalendáři: 1\nPočet výkladů měsíců: 1\nNeplatné klíče záznamů: 6\n"),
            std::string::npos)
      << info.out;
  EXPECT_EQ(Orv({"count", file}).out, "Počet záznamů v kalendáři: 1\n");
  EXPECT_EQ(Orv({"search", file, "tajemství", "--keys"}).out, "2005/03/07\n2005/03\n");
  EXPECT_EQ(Orv({"find-notes", file, "tajemství"}).out.find("13"), std::string::npos);

  // The result exports once made headings of them ("01.13.2004") or ended on a short key.
  for (const char* area : {"days", "day-commentaries", "months"}) {
    SCOPED_TRACE(area);
    const std::string rtf = Path(std::string(area) + ".rtf");
    const OrvRun run = Orv({"search", file, "tajemství", "--export-rtf", rtf, "--area", area});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read(rtf).find("13.2004"), std::string::npos);
    EXPECT_EQ(Read(rtf).find(".00.2004"), std::string::npos);
  }
  ASSERT_EQ(Orv({"export-txt", file, Path("n.txt")}).status, 0);
  EXPECT_EQ(Read(Path("n.txt")).find("2004"), std::string::npos);

  // Deleting every day of the years leaves them as they were read.
  const OrvRun deleted = Orv({"delete", file, "--from", "2000-01-01", "--to", "2020-12-31"});
  EXPECT_EQ(deleted.out, "Počet vymazaných dnů : 1\n");
  const std::string afterDelete = Read(file);
  test::FakeUiServices quiet;
  CCalendarContent expected(quiet);
  WithKeysOfNoDate(expected);
  expected.m_DataTxt.Erase("2005/03/07");
  EXPECT_EQ(afterDelete, StoreCalendar(expected));
}

// Appending carries the records of dates only; the target's own records of no date stay.
TEST_F(CalendarData, AppendingMergesOnlyRecordsOfDates) {
  Write(WithKeysOfNoDate);
  const std::string target = Path("cil.orv");
  fs::copy_file(file, target);
  const std::string source = Path("zdroj.orv");
  test::FakeUiServices quiet;
  CCalendarContent c(quiet);
  test::CalendarBuilder(c).Day("2006/01/02", "nov\xfd");
  c.m_DataTxt.Insert("2006/02/30", CEntrTxt{"ciz\xed", "", "", ""});
  std::ofstream(source, std::ios::binary) << StoreCalendar(c);
  const OrvRun append = Orv({"append", source, target});
  EXPECT_EQ(append.status, 0) << append.err;
  const std::string info = Orv({"info", target}).out;
  EXPECT_NE(info.find("Počet záznamů v kalendáři: 2\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Neplatné klíče záznamů: 6\n"), std::string::npos) << info;
}

// The attribute is "no write permission for anyone"; root, who may write anything, respects it too.
TEST_F(CalendarData, AReadOnlyCalendarIsNotChanged) {
  const std::string bytes = Write([](CCalendarContent& c) { test::CalendarBuilder(c).Day("2005/03/07", "a"); });
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  EXPECT_NE(Orv({"info", file}).out.find("Pouze pro čtení: ano\n"), std::string::npos);
  const OrvRun note = Orv({"note", file, "2005-03-07", "b"});
  EXPECT_EQ(note.status, 2);
  EXPECT_EQ(note.messages, std::vector<std::string>{"Soubor má nastaven atribut \"Pouze pro čtení\""});
  EXPECT_EQ(Read(file), bytes);

  ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
  EXPECT_NE(Orv({"info", file}).out.find("Pouze pro čtení: ne\n"), std::string::npos);
}

// An export does not replace a read-only file unasked; orv, which cannot ask, leaves it unless --yes.
TEST_F(CalendarData, ExportsReplaceAReadOnlyFileOnlyWhenTheUserAgrees) {
  Write([](CCalendarContent& c) { test::CalendarBuilder(c).Day("2005/03/07", "a"); });
  for (const char* command : {"export-txt", "export-rtf"}) {
    SCOPED_TRACE(command);
    const std::string out = Path(std::string("vystup-") + command);
    std::ofstream(out) << "dřívější";
    ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
    const OrvRun refused = Orv({command, file, out});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.messages,
              std::vector<std::string>{"Soubor " + out + " má nastaven atribut \"Pouze pro čtení\". Přepsat jej?"});
    EXPECT_EQ(Read(out), "dřívější");
    EXPECT_EQ(Orv({"--yes", command, file, out}).status, 0);
    EXPECT_NE(Read(out), "dřívější");
  }
}

TEST_F(CalendarData, ANoteIsRefusedWhenTheCodePageCannotHoldIt) {
  const std::string bytes = Write([](CCalendarContent& c) { test::CalendarBuilder(c).Day("2005/03/07", "a"); });
  const std::pair<std::string, std::string> cases[] = {
      {"Tokio 日本", "Znaky „日“ (U+65E5), „本“ (U+672C) nelze do poznámky zapsat: kódování Windows-1250 je nezná."},
      {"😀", "Znak „😀“ (U+1F600) nelze do poznámky zapsat: kódování Windows-1250 jej nezná."},
      {"\xff\xfe pryč", "Text poznámky není platný text v kódování UTF-8."},
      {"p\xc5", "Text poznámky není platný text v kódování UTF-8."},
  };
  for (const auto& [text, message] : cases) {
    SCOPED_TRACE(text);
    const OrvRun run = Orv({"note", file, "2005-03-07", text});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, message + "\n");
    EXPECT_EQ(Read(file), bytes);
  }
  EXPECT_EQ(Orv({"note", file, "2005-03-07", "Žluťoučký kůň �"}).status, 2);  // U+FFFD is no Czech letter
  EXPECT_EQ(Orv({"note", file, "2005-03-07", "Žluťoučký kůň"}).status, 0);
}

// A note that would clear the screen or retitle the terminal is shown, not run, on a terminal; into
// a pipe or a file it goes byte for byte.
TEST_F(CalendarData, ControlCharactersOfNotesAreEscapedOnATerminal) {
  Write([](CCalendarContent& c) {
    test::CalendarBuilder(c).Day("2005/03/07", "pozor\x1b[2J\x1b]0;titul\x07", "v\xfdklad\x1b[31m\rdal\x9a\xed");
  });
  const auto run = [&](bool terminal, const std::vector<std::string>& args) {
    test::FakeUiServices ui;
    std::ostringstream out, err;
    cli::CliContext ctx{out, err, ui};
    ctx.outIsTerminal = terminal;
    cli::RunOrv(args, ctx);
    return out.str();
  };
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"note", file, "2005-03-07"}, "pozor\\u001b[2J\\u001b]0;titul\\u0007\n"},
      {{"day", file, "2005-03-07"},
       "Poznámka: pozor\\u001b[2J\\u001b]0;titul\\u0007\nVýklad dne:\nvýklad\\u001b[31m\ndalší\n"},
      {{"find-notes", file, "pozor"}, "07. března 2005\tpozor\\u001b[2J\\u001b]0;titul\\u0007\n"},
  };
  for (const auto& [args, shown] : cases) {
    SCOPED_TRACE(args[0]);
    EXPECT_EQ(run(true, args), shown);
    const std::string raw = run(false, args);
    EXPECT_NE(raw.find("pozor\x1b[2J\x1b]0;titul\x07"), std::string::npos) << raw;
  }
}

}  // namespace
}  // namespace orv
