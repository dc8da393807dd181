// The orv program itself: it starts without Qt and loads the module orv-qt.so for the commands that
// need it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

// The year range the user chose in the program is orv's too, in the module's commands as well.
TEST_F(OrvProgram, TheYearRangeComesFromTheProgramsSettings) {
  const std::string calendar = Quoted(dir / "k.orv");
  std::ofstream(dir / "in.rtf") << "{\\rtf1 Zima\\par}";
  ASSERT_EQ(Orv("new " + calendar).status, 0);
  const std::string note = "note " + calendar + " 2026-12-10 dnes";
  const std::string commentary = "commentary " + calendar + " 2026-12-10 --rtf " + Quoted(dir / "in.rtf");
  const std::string config = "XDG_CONFIG_HOME=" + Quoted(dir) + " ";
  EXPECT_EQ(Shell(config + Quoted(BinaryDir() / "src/orv") + " " + note).status, 2);

  fs::create_directories(dir / "orvella");
  std::ofstream(dir / "orvella/orvella.conf") << "[Years]\nfrom=2000\nto=2030\n";
  for (const std::string& args : {note, commentary}) {
    const ProcessRun run = Shell(config + Quoted(BinaryDir() / "src/orv") + " " + args);
    EXPECT_EQ(run.status, 0) << args << '\n' << run.output;
  }
  const ProcessRun day = Orv("--years 2000-2030 day " + calendar + " 2026-12-10");
  EXPECT_NE(day.output.find("dnes"), std::string::npos) << day.output;
  EXPECT_NE(day.output.find("Zima"), std::string::npos) << day.output;
}

// The text goes out as it is read, from a file or from a pipe alike.
TEST_F(OrvProgram, Rtf2TxtReadsFilesAndPipes) {
  std::ofstream(dir / "in.rtf") << "{\\rtf1 Slunce\\par sv\\'edt\\'ed\\line dnes}";
  const ProcessRun file = Orv("rtf2txt " + Quoted(dir / "in.rtf"));
  EXPECT_EQ(file.status, 0);
  EXPECT_EQ(file.output, "Slunce\nsvítí\ndnes\n");
  const ProcessRun pipe = Shell("cat " + Quoted(dir / "in.rtf") + " | " + Quoted(BinaryDir() / "src/orv") +
                                " rtf2txt /dev/stdin");
  EXPECT_EQ(pipe.output, file.output);
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

}  // namespace
}  // namespace orv
