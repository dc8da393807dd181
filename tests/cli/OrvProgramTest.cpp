// The orv program itself: it starts without Qt and loads the module orv-qt.so for the commands that
// need it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orv {
namespace {

namespace fs = std::filesystem;

// The build folder: from CTest, or the one this test program was built in.
fs::path BinaryDir() {
  if (const char* dir = std::getenv("ORV_BINARY_DIR")) return dir;
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

struct ProcessRun {
  int status;
  std::string output;  // stdout, then stderr
};

ProcessRun Shell(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  EXPECT_NE(pipe, nullptr) << command;
  if (!pipe) return {-1, {}};
  std::string output;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

class OrvProgram : public ::testing::Test {
 protected:
  OrvProgram() {
    char pattern[] = "/tmp/orv-program-XXXXXX";
    dir = ::mkdtemp(pattern);
  }
  ~OrvProgram() override { fs::remove_all(dir); }

  ProcessRun Orv(const std::string& args, const fs::path& program = BinaryDir() / "src/orv") {
    return Shell(Quoted(program) + " " + args);
  }

  fs::path dir;
};

// Loading Qt's libraries costs several milliseconds a start, more than rtf2txt takes for a file.
TEST_F(OrvProgram, StartsWithoutQt) {
  const ProcessRun ldd = Shell("ldd " + Quoted(BinaryDir() / "src/orv"));
  ASSERT_EQ(ldd.status, 0) << ldd.output;
  EXPECT_EQ(ldd.output.find("libQt"), std::string::npos) << ldd.output;
}

TEST_F(OrvProgram, CommandsOfTheModuleAndOfItsOwn) {
  const ProcessRun month = Orv("month 2005-01");
  ASSERT_EQ(month.status, 0) << month.output;
  EXPECT_EQ(month.output.substr(0, month.output.find('\n', month.output.find('\n') + 1)),
            "Leden  2005\n 1\t 1\tSo\t \tDen obnovy samostatného českého státu \t  Nový rok");

  const std::string calendar = Quoted(dir / "k.orv");
  std::ofstream(dir / "in.rtf")
      << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Slunce {\\b sv\\'edt\\'ed}.\\par}";
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  const ProcessRun store = Orv("commentary " + calendar + " 2005-01-03 --rtf " + Quoted(dir / "in.rtf"));
  ASSERT_EQ(store.status, 0) << store.output;
  const ProcessRun day = Orv("day " + calendar + " 2005-01-03");
  EXPECT_EQ(day.status, 0);
  EXPECT_NE(day.output.find("Slunce svítí."), std::string::npos) << day.output;
  const ProcessRun print = Orv("commentary " + calendar + " 2005-01-03");
  EXPECT_EQ(print.status, 0);
  EXPECT_EQ(print.output.rfind("{\\rtf1", 0), 0u) << print.output;
}

// orv finds without Qt; the module writes the RTF of what it found.
TEST_F(OrvProgram, SearchesHandTheirRtfExportToTheModule) {
  const std::string calendar = Quoted(dir / "k.orv");
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  ASSERT_EQ(Orv("note " + calendar + " 2005-01-03 'Slunce svítí'").status, 0);
  for (const std::string command : {"search", "find-notes"}) {
    const ProcessRun run = Orv(command + " " + calendar + " slunce --export-rtf " + Quoted(dir / "v.rtf"));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("03. ledna 2005"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Počet exportovaných dnů: 1"), std::string::npos) << run.output;
    std::ifstream in(dir / "v.rtf");
    std::string head(6, '\0');
    in.read(head.data(), 6);
    EXPECT_EQ(head, "{\\rtf1");
    fs::remove(dir / "v.rtf");
  }
}

// The year range the user chose in the program is orv's too, in the module's commands as well, also
// when it ends before today.
TEST_F(OrvProgram, TheYearRangeComesFromTheProgramsSettings) {
  const std::string calendar = Quoted(dir / "k.orv");
  std::ofstream(dir / "in.rtf") << "{\\rtf1 Zima\\par}";
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  const std::string note = "note " + calendar + " 2026-12-10 dnes";
  const std::string commentary = "commentary " + calendar + " 2026-12-10 --rtf " + Quoted(dir / "in.rtf");
  const std::string config = "XDG_CONFIG_HOME=" + Quoted(dir) + " ";
  fs::create_directories(dir / "orvella");
  std::ofstream(dir / "orvella/orvella.conf") << "[Years]\nfrom=2000\nto=2020\n";
  EXPECT_EQ(Shell(config + Quoted(BinaryDir() / "src/orv") + " " + note).status, 2);

  std::ofstream(dir / "orvella/orvella.conf") << "[Years]\nfrom=2000\nto=2030\n";
  for (const std::string& args : {note, commentary}) {
    const ProcessRun run = Shell(config + Quoted(BinaryDir() / "src/orv") + " " + args);
    EXPECT_EQ(run.status, 0) << args << '\n' << run.output;
  }
  const ProcessRun day = Orv("--years 2000-2030 day " + calendar + " 2026-12-10");
  EXPECT_NE(day.output.find("dnes"), std::string::npos) << day.output;
  EXPECT_NE(day.output.find("Zima"), std::string::npos) << day.output;
}

// Without settings the years follow the clock: this month is shown and today's note is written.
TEST_F(OrvProgram, AFreshInstallWorksOnToday) {
  const std::string config = "XDG_CONFIG_HOME=" + Quoted(dir / "config") + " ";
  const auto orv = [&](const std::string& args) {
    return Shell(config + Quoted(BinaryDir() / "src/orv") + " " + args);
  };
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char today[16];
  std::strftime(today, sizeof today, "%Y-%m-%d", &local);

  const ProcessRun month = orv("month");
  ASSERT_EQ(month.status, 0) << month.output;
  EXPECT_NE(month.output.substr(0, month.output.find('\n')).find(std::to_string(local.tm_year + 1900)),
            std::string::npos)
      << month.output;
  const std::string calendar = Quoted(dir / "novy.orv");
  ASSERT_EQ(orv("new " + calendar).status, 0);
  const ProcessRun note = orv("note " + calendar + " " + today + " 'dnešní zápis'");
  ASSERT_EQ(note.status, 0) << note.output;
  EXPECT_EQ(orv("note " + calendar).output, "dnešní zápis\n");
}

// The text goes out as it is read. Only a regular file is read, and only up to the size of a
// commentary: a FIFO nobody writes to, a pipe or a device is refused at once, /dev/zero never fills
// the memory.
TEST_F(OrvProgram, Rtf2TxtAndCommentaryReadRegularFilesOfACommentarysSize) {
  std::ofstream(dir / "in.rtf") << "{\\rtf1 Slunce\\par sv\\'edt\\'ed\\line dnes}";
  const ProcessRun file = Orv("rtf2txt " + Quoted(dir / "in.rtf"));
  EXPECT_EQ(file.status, 0);
  EXPECT_EQ(file.output, "Slunce\nsvítí\ndnes\n");

  ASSERT_EQ(::mkfifo((dir / "roura.rtf").c_str(), 0600), 0);
  fs::resize_file(dir / "in.rtf", (std::uintmax_t{64} << 20) + 1);
  const std::string calendar = Quoted(dir / "k.orv");
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  struct Case {
    std::string input;
    std::string said;
  };
  const std::string notRegular = "\" nelze otevřít: nejde o obyčejný soubor.";
  const Case cases[] = {{Quoted(dir / "roura.rtf"), "Soubor \"" + (dir / "roura.rtf").string() + notRegular},
                        {"/dev/zero", "Soubor \"/dev/zero" + notRegular},
                        {"/dev/stdin < /dev/zero", "Soubor \"/dev/stdin" + notRegular},
                        {Quoted(dir / "in.rtf"), "Výklad je příliš velký"}};
  for (const Case& c : cases) {
    for (const std::string& command : {"rtf2txt " + c.input, "commentary " + calendar + " 2005-01-03 --rtf " + c.input}) {
      SCOPED_TRACE(command);
      const ProcessRun run = Shell("timeout 20 " + Quoted(BinaryDir() / "src/orv") + " " + command);
      EXPECT_EQ(run.status, 2);
      EXPECT_NE(run.output.find(c.said), std::string::npos) << run.output;
    }
  }
}

TEST_F(OrvProgram, SaysSoWhenTheModuleIsMissing) {
  fs::copy_file(BinaryDir() / "src/orv", dir / "orv");
  const ProcessRun run = Orv("commentary " + Quoted(dir / "k.orv") + " 2005-01-03", dir / "orv");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("Modul orv-qt.so s příkazy, které potřebují Qt, nelze načíst: "),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("No such file"), std::string::npos) << run.output;
  EXPECT_EQ(Orv("--version", dir / "orv").status, 0);
}

// Two orv runs that change one calendar at the same moment both keep their change: each holds the
// calendar's lock from reading it to the end of its save.
TEST_F(OrvProgram, ConcurrentNotesAreBothKept) {
  const std::string calendar = Quoted(dir / "k.orv");
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  const std::string orv = Quoted(BinaryDir() / "src/orv");
  for (int trial = 0; trial < 20; ++trial) {
    const std::string day = std::to_string(10 + trial % 18);
    const ProcessRun both = Shell(orv + " note " + calendar + " 2005-03-" + day + " první & " + orv +
                                  " note " + calendar + " 2005-04-" + day + " druhá & wait");
    ASSERT_EQ(both.output, "") << "trial " << trial;
    EXPECT_EQ(Orv("note " + calendar + " 2005-03-" + day).output, "první\n") << "trial " << trial;
    EXPECT_EQ(Orv("note " + calendar + " 2005-04-" + day).output, "druhá\n") << "trial " << trial;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Over a file-size limit the save fails like any write error: a message, exit code 2, the old file.
TEST_F(OrvProgram, FileSizeLimitIsAWriteErrorNotADeath) {
  const std::string calendar = Quoted(dir / "k.orv");
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  std::ifstream in(dir / "k.orv", std::ios::binary);
  const std::string old{std::istreambuf_iterator<char>(in), {}};
  const ProcessRun run = Shell("ulimit -f 4; " + Quoted(BinaryDir() / "src/orv") + " note " + calendar +
                               " 2005-03-07 '" + std::string(3000, 'x') + "'");
  EXPECT_EQ(run.status, 2) << run.output;
  EXPECT_NE(run.output.find(": soubor by byl větší, než systém dovoluje. Soubor na disku zůstal beze změny."),
            std::string::npos)
      << run.output;
  std::ifstream again(dir / "k.orv", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Exports fail as saves do: with the real cause, exit code 2.
TEST_F(OrvProgram, AnExportOverTheFileSizeLimitSaysWhy) {
  const std::string calendar = Quoted(dir / "k.orv");
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  for (const char* day : {"07", "08", "09"})
    ASSERT_EQ(Orv("note " + calendar + " 2005-03-" + day + " '" + std::string(3000, 'x') + "'").status, 0);
  const ProcessRun run = Shell("ulimit -f 4; " + Quoted(BinaryDir() / "src/orv") + " export-txt " + calendar +
                               " " + Quoted(dir / "n.txt"));
  EXPECT_EQ(run.status, 2) << run.output;
  EXPECT_NE(run.output.find("nelze zapsat: soubor by byl větší, než systém dovoluje."), std::string::npos)
      << run.output;
}

// On a terminal a stored escape sequence is shown, not run; into a pipe it goes as stored.
TEST_F(OrvProgram, NotesWithEscapeSequencesAreShownEscapedOnATerminal) {
  const std::string calendar = Quoted(dir / "k.orv");
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  ASSERT_EQ(Orv("note " + calendar + " 2005-03-07 'pozor\x1b[2J'").status, 0);
  const std::string day = Quoted(BinaryDir() / "src/orv") + " day " + calendar + " 2005-03-07";
  const ProcessRun terminal = Shell("script -qec \"" + day + "\" /dev/null");
  EXPECT_EQ(terminal.status, 0) << terminal.output;
  EXPECT_NE(terminal.output.find("Poznámka: pozor\\u001b[2J"), std::string::npos) << terminal.output;
  EXPECT_EQ(terminal.output.find('\x1b'), std::string::npos) << terminal.output;
  EXPECT_EQ(Shell(day).output, "Poznámka: pozor\x1b[2J\n");
}

}  // namespace
}  // namespace orv
