// The orv commands over one calendar file, end to end through RunOrv with files in a temporary folder.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "cli/CliCommand.h"
#include "document/CalendarArchive.h"
#include "document/LockWait.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

struct OrvRun {
  int status;
  std::string out;
  std::string err;
  std::vector<std::string> messages;
};

class CalendarCommands : public ::testing::Test {
 protected:
  CalendarCommands() {
    char pattern[] = "/tmp/orv-cli-XXXXXX";
    dir = ::mkdtemp(pattern);
    fs::permissions(
        dir, fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec,
        fs::perm_options::add);
  }
  ~CalendarCommands() override { fs::remove_all(dir); }

  OrvRun Orv(std::vector<std::string> args) {
    test::FakeUiServices ui;
    std::ostringstream out, err;
    cli::CliContext ctx{out, err, ui};
    const int status = cli::RunOrv(args, ctx);
    return {status, out.str(), err.str(), ui.Messages()};
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::string WriteCalendar(const std::string& name, void (*build)(test::CalendarBuilder&)) {
    test::FakeUiServices quiet;
    CCalendarContent c(quiet);
    test::CalendarBuilder builder(c);
    build(builder);
    std::ofstream(dir / name, std::ios::binary) << StoreCalendar(c);
    return Path(name);
  }

  fs::path dir;
};

TEST_F(CalendarCommands, NewCalendarAndItsInformation) {
  const std::string file = Path("novy.orv");
  EXPECT_EQ(Orv({"new", file}).status, 0);
  const OrvRun info = Orv({"info", file});
  EXPECT_EQ(info.status, 0);
  EXPECT_EQ(info.out,
            "Verze formátu souboru: 3\nHeslo: ne\nPouze pro čtení: ne\nNázev kalendáře: název neuveden\n"
            "Číslo verze: neuvedena\nAutor: neuveden\nFirma: neuvedena\nDatum: neuvedeno\nHeslo autora: ne\n"
            "Počet záznamů v kalendáři: 0\nPočet výkladů měsíců: 0\nNeplatné klíče záznamů: 0\nStyly písma: 0\n"
            "Styly odstavce: 0\n"
            "Jmenné svátky: 368\nStátní svátky: 7\nOstatní svátky: 6\nSoukromé svátky: 0\nVýznamné dny: 6\n");

  // An existing file is replaced only with --yes.
  Orv({"note", file, "2005-03-07", "x"});
  const OrvRun again = Orv({"new", file});
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(again.messages, std::vector<std::string>{"Soubor " + file + " již existuje. Přepsat?"});
  EXPECT_EQ(Orv({"note", file, "2005-03-07"}).out, "x\n");
  EXPECT_EQ(Orv({"--yes", "new", file}).status, 0);
  EXPECT_EQ(Orv({"note", file, "2005-03-07"}).status, 1);

  EXPECT_EQ(Orv({"new", Path("bez-pripony.txt")}).messages,
            std::vector<std::string>{"Soubor nemá příponu .orv"});
}

// A FIFO named as the calendar is refused at once instead of waiting for a writer that never comes.
TEST_F(CalendarCommands, FifoIsRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo(Path("roura.orv").c_str(), 0644), 0);
  for (const char* command : {"info", "note"}) {
    const OrvRun run = command == std::string("note") ? Orv({command, Path("roura.orv"), "2005-03-07", "x"})
                                                      : Orv({command, Path("roura.orv")});
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_EQ(run.messages, std::vector<std::string>{"Soubor " + Path("roura.orv") +
                                                     " nelze otevřít: nejde o obyčejný soubor."});
  }
}

TEST_F(CalendarCommands, WaitingForAnotherProgramIsToldOnceAndTheChangeStillLands) {
  const std::string file = WriteCalendar("k.orv", [](test::CalendarBuilder& b) { b.Day("2005/03/07", "a"); });
  const int holder = ::open(file.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  std::thread otherProgram([holder] {
    std::this_thread::sleep_for(3 * kLockWaitNotice);
    ::close(holder);
  });
  const OrvRun run = Orv({"note", file, "2005-03-07", "b"});
  otherProgram.join();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, std::string(kLockWaitText) + "\n");
  EXPECT_EQ(Orv({"note", file, "2005-03-07"}).out, "b\n");
}

TEST_F(CalendarCommands, InformationOfAFilledCalendar) {
  const std::string file = WriteCalendar("k.orv", [](test::CalendarBuilder& b) { b.EveryKindOfRecord(); });
  const OrvRun info = Orv({"--password", "Tajné§", "info", file});
  EXPECT_EQ(info.status, 0);
  for (const char* line :
       {"Heslo: ano\n", "Název kalendáře: Můj kalendář\n", "Autor: Jan Novák\n", "Heslo autora: ano\n",
        "Počet záznamů v kalendáři: 4\n", "Počet výkladů měsíců: 2\n", "Styly písma: 2\n",
        "Jmenné svátky: 2\n", "Státní svátky: 1\n", "Ostatní svátky: 0\n"})
    EXPECT_NE(info.out.find(line), std::string::npos) << line;
}

TEST_F(CalendarCommands, NotesAndDays) {
  const std::string file = WriteCalendar("k.orv", [](test::CalendarBuilder& b) {
    b.Day("2005/03/07", "", "Prvn\xed\rdruh\xfd odstavec").Month("2005/03", "B\xf8\x65zen");
  });
  EXPECT_EQ(Orv({"note", file, "2005-03-07", "Porada ve škole"}).status, 0);
  EXPECT_EQ(Orv({"note", file, "2005-03-07"}).out, "Porada ve škole\n");
  const OrvRun day = Orv({"day", file, "2005-03-07"});
  EXPECT_EQ(day.out,
            "Poznámka: Porada ve škole\nVýklad dne:\nPrvní\ndruhý odstavec\nVýklad měsíce:\nBřezen\n");
  EXPECT_EQ(Orv({"day", file, "2005-03-08"}).out, "Výklad měsíce:\nBřezen\n");
  EXPECT_EQ(Orv({"day", file, "2005-04-08"}).status, 1);

  // Clearing the note keeps the day for its commentary; a day with nothing left has no record.
  EXPECT_EQ(Orv({"note", file, "2005-03-07", ""}).status, 0);
  EXPECT_EQ(Orv({"day", file, "2005-03-07"}).out,
            "Výklad dne:\nPrvní\ndruhý odstavec\nVýklad měsíce:\nBřezen\n");
  Orv({"note", file, "2005-03-09", "a"});
  Orv({"note", file, "2005-03-09", ""});
  EXPECT_NE(Orv({"info", file}).out.find("Počet záznamů v kalendáři: 1\n"), std::string::npos);
}

TEST_F(CalendarCommands, DatesOutsideTheCalendarAreRefused) {
  const std::string file = Path("k.orv");
  Orv({"new", file});
  for (const char* date : {"2021-01-01", "1999-12-31", "2005-02-29", "2005-3-07", "2005/03/07", "zítra"}) {
    const OrvRun run = Orv({"note", file, date, "x"});
    EXPECT_EQ(run.status, 2) << date;
    EXPECT_EQ(run.err, std::string("Neplatné datum \"") + date +
                           "\": zadejte den ve tvaru RRRR-MM-DD v letech 2000 až 2020.\n");
  }
  EXPECT_EQ(Orv({"day", file, "2004-02-29"}).status, 1);  // a leap day is a valid date
}

TEST_F(CalendarCommands, PasswordGuardsEveryCommand) {
  const std::string file = Path("k.orv");
  Orv({"new", file});
  EXPECT_EQ(Orv({"password", file, "Tajné"}).out, "Kalendář je chráněn heslem.\n");
  const OrvRun refused = Orv({"info", file});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            "Kalendář " + file +
                " je chráněn heslem; heslo chybí nebo nesouhlasí (volba --password nebo --password-file).\n");
  EXPECT_EQ(Orv({"info", file, "--password", "tajné"}).status, 2);
  EXPECT_EQ(Orv({"--password", "Tajné", "note", file, "2005-03-07", "x"}).status, 0);
  EXPECT_EQ(Orv({"--password", "Tajné", "password", file}).out, "Kalendář není chráněn heslem.\n");
  EXPECT_EQ(Orv({"note", file, "2005-03-07"}).out, "x\n");
}

// A password the code page lacks would be stored as "?" for each character, which any such characters
// then match; a password file keeps the password out of the command line, which every user can read.
TEST_F(CalendarCommands, PasswordsOutsideTheCodePageAreRefusedAndAFileGivesThePassword) {
  const std::string file = Path("k.orv");
  Orv({"new", file});
  const std::string refusal =
      "Znaky „п“ (U+043F), „а“ (U+0430), „р“ (U+0440) a 3 dalších nelze do hesla "
      "zapsat: kódování Windows-1250 je nezná.";
  const OrvRun cyrillic = Orv({"password", file, "пароль"});
  EXPECT_EQ(cyrillic.status, 2);
  EXPECT_EQ(cyrillic.messages, std::vector<std::string>{refusal});
  EXPECT_NE(Orv({"info", file}).out.find("Heslo: ne\n"), std::string::npos);

  EXPECT_EQ(Orv({"password", file, "??????"}).status, 0);  // question marks are a password of their own
  const OrvRun lookalike = Orv({"--password", "пароль", "info", file});
  EXPECT_EQ(lookalike.status, 2);
  EXPECT_EQ(lookalike.messages, std::vector<std::string>{refusal});

  std::ofstream(dir / "heslo.txt") << "??????\nignored second line\n";
  EXPECT_EQ(Orv({"--password-file", Path("heslo.txt"), "note", file, "2005-03-07", "x"}).status, 0);
  const OrvRun missing = Orv({"--password-file", Path("chybi.txt"), "info", file});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err,
            "Soubor s heslem " + Path("chybi.txt") + " nelze přečíst: soubor nebo složka neexistuje.\n");

  const std::string help = Orv({"--help"}).out;
  EXPECT_NE(help.find("--password-file SOUBOR"), std::string::npos);
  EXPECT_NE(help.find("heslo na příkazovém řádku vidí i ostatní uživatelé"), std::string::npos);
}

TEST_F(CalendarCommands, ConvertWritesTheCurrentVersion) {
  // A version-1 file: no password, empty names database, one note.
  std::string v1("\x4F\xF7\x26\x00\x01\x00\x00\x00\x00", 9);
  for (int i = 0; i < 18; ++i) v1 += std::string(2, '\0');
  static const char days[] =
      "\x01\x00\x0A"
      "2005/03/07\xFF\xFF\x01\x00\x04\x00"
      "CCom\x03"
      "abc";
  v1 += std::string(days, sizeof days - 1);
  std::ofstream(dir / "v1.orv", std::ios::binary) << v1;
  ASSERT_EQ(Orv({"convert", Path("v1.orv"), Path("v3.orv")}).status, 0);
  const OrvRun dump = Orv({"dump", Path("v3.orv")});
  EXPECT_NE(dump.out.find("\"version\": 3"), std::string::npos);
  EXPECT_NE(dump.out.find("\"2005/03/07\": {\n      \"note\": \"abc\""), std::string::npos);
  EXPECT_EQ(Orv({"convert", Path("v1.orv"), Path("v3.orv")}).status, 2);  // exists, no --yes
}

TEST_F(CalendarCommands, DumpIsSortedEscapedUtf8) {
  const std::string file = WriteCalendar("k.orv", [](test::CalendarBuilder& b) {
    b.Day("2005/03/08", "uvozovky \" a \\ a \x81", "a\rb").Day("2005/03/07", std::string("nula\0", 5));
    b.CharStyle("Nadpis1").ParStyle("Normal1");
    b.Name(0, "03/07", "Tom\xe1\x9a");
  });
  const OrvRun dump = Orv({"dump", file});
  ASSERT_EQ(dump.status, 0);
  const std::string& j = dump.out;
  EXPECT_NE(j.find("\"note\": \"uvozovky \\\" a \\\\ a \xC2\x81\""), std::string::npos);
  EXPECT_NE(j.find("\"text\": \"a\\rb\""), std::string::npos);
  EXPECT_NE(j.find("\"note\": \"nula\\u0000\""), std::string::npos);
  EXPECT_NE(j.find("\"by_date\": {\n        \"03/07\": [\"Tomáš\"]\n      },\n      \"by_name\": {\n        "
                   "\"Tomáš\": \"03/07\"\n      },\n      \"list\": [\"Tomáš\"]"),
            std::string::npos);
  EXPECT_NE(j.find("\"tabs\": [0, 0, 0"), std::string::npos);
  EXPECT_NE(j.find("\"char_style\": \"Standard2\""), std::string::npos);
  std::size_t last = 0;
  for (const char* key :
       {"\"author\"", "\"char_styles\"", "\"days\"", "\"header_word\"", "\"magic\": 2553679", "\"months\"",
        "\"names\"", "\"para_styles\"", "\"password\"", "\"read_only\": false", "\"version\": 3"}) {
    const std::size_t at = j.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
  }
  EXPECT_LT(j.find("2005/03/07"), j.find("2005/03/08"));
}

TEST_F(CalendarCommands, ChangingAReadOnlyCalendarIsRefused) {
  const std::string file = Path("ro.orv");
  Orv({"new", file});
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::seteuid(65534), 0);
  }
  const OrvRun run = Orv({"note", file, "2005-03-07", "x"});
  const OrvRun info = Orv({"info", file});
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.messages, std::vector<std::string>{"Soubor má nastaven atribut \"Pouze pro čtení\""});
  EXPECT_NE(info.out.find("Pouze pro čtení: ano\n"), std::string::npos);
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

std::string WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

TEST_F(CalendarCommands, CommentariesComeInFromRtfFilesAndGoOutAsTheWriterProducesThem) {
  const std::string file = Path("k.orv");
  ASSERT_EQ(Orv({"new", file}).status, 0);
  const std::string rtf =
      WriteText(dir / "in.rtf",
                "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}}"
                "\\f0\\fs20 P\\'f8\\'edli\\'9a \\b \\'9elu\\'9dou\\'e8k\\'fd\\b0\\par k\\'f9\\'f2}");
  EXPECT_EQ(Orv({"commentary", file, "2005-03-07", "--rtf", rtf}).status, 0);
  EXPECT_EQ(Orv({"commentary", file, "2005-03-31", "--month", "--rtf", rtf}).status, 0);

  const OrvRun day = Orv({"day", file, "2005-03-07"});
  EXPECT_EQ(day.out, "Výklad dne:\nPříliš žluťoučký\nkůň\nVýklad měsíce:\nPříliš žluťoučký\nkůň\n");
  const OrvRun stored = Orv({"commentary", file, "2005-03-07"});
  EXPECT_EQ(stored.status, 0);
  EXPECT_EQ(stored.out.rfind("{\\rtf1\\ansi\\ansicpg1250", 0), 0u) << stored.out;
  // What the writer produced reads back to the same RTF.
  const std::string again = WriteText(dir / "again.rtf", stored.out);
  EXPECT_EQ(Orv({"commentary", file, "2005-03-08", "--rtf", again}).status, 0);
  EXPECT_EQ(Orv({"commentary", file, "2005-03-08"}).out, stored.out);

  // A commentary without text removes the record; a day without one reports that nothing is there.
  const std::string empty = WriteText(dir / "empty.rtf", "{\\rtf1\\ansi \\b \\par}");
  EXPECT_EQ(Orv({"commentary", file, "2005-03-08", "--rtf", empty}).status, 0);
  EXPECT_EQ(Orv({"commentary", file, "2005-03-08"}).status, 1);
  EXPECT_EQ(Orv({"commentary", file, "2005-03-07", "--rtf", Path("missing.rtf")}).status, 2);

  // More than 64 MB of RTF is no commentary: refused, and the stored one stays.
  const std::string huge = WriteText(dir / "huge.rtf", "{\\rtf1 x");
  fs::resize_file(huge, (uintmax_t{64} << 20) + 1);
  const OrvRun refused = Orv({"commentary", file, "2005-03-07", "--rtf", huge});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "Výklad je příliš velký\n");
  EXPECT_EQ(Orv({"commentary", file, "2005-03-07"}).out, stored.out);
}

// The stored plain text has "?" for what Windows-1250 lacks; orv day shows the commentary's own text.
TEST_F(CalendarCommands, DayShowsCharactersOutsideTheCodePageFromTheCommentary) {
  const std::string file = Path("u.orv");
  ASSERT_EQ(Orv({"new", file}).status, 0);
  const std::string rtf =
      WriteText(dir / "u.rtf", "{\\rtf1\\ansi Ma\\u241?ana \\u-10179?\\u-8704? \\u26085?\\u26412??}");
  ASSERT_EQ(Orv({"commentary", file, "2005-03-07", "--rtf", rtf}).status, 0);
  EXPECT_EQ(Orv({"day", file, "2005-03-07"}).out, "Výklad dne:\nMañana 😀 日本?\n");
  EXPECT_NE(Orv({"dump", file}).out.find("Ma?ana ?? ???"), std::string::npos);  // stored as it was
}

}  // namespace
}  // namespace orv
