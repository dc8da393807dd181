#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/TerminalUiServices.h"

namespace orv::cli {
namespace {

struct OrvRun {
  int status;
  std::string out;
  std::string err;
};

OrvRun Orv(std::vector<std::string> args) {
  std::istringstream in;
  std::ostringstream out, err;
  TerminalUiServices ui(in, err);
  CliContext ctx{out, err, ui};
  const int status = RunOrv(args, ctx);
  return {status, out.str(), err.str()};
}

TEST(OrvMatch, PrintsWhetherTheTextMatches) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* out;
  };
  for (const Case& c : {
           Case{{"match", "řeka", "Ta ŘEKA teče"}, 0, "1\n"},
           Case{{"match", "řeka", "Ta ŘEKA teče", "--case"}, 1, "0\n"},
           Case{{"match", "den", "pondělí vědení", "--whole"}, 1, "0\n"},
           Case{{"match", "--logical", "a AND NOT b", "a c"}, 0, "1\n"},
           Case{{"match", "kal*", "Kalendáři", "--mask"}, 0, "1\n"},
           Case{{"match", "cervenec", "Červenec", "--no-accents"}, 0, "1\n"},
           Case{{"match", "cervenec", "Červenec"}, 1, "0\n"},
           Case{{"match", "kal*", "překal", "--mask"}, 1, "0\n"},  // a mask works on whole words
       }) {
    const OrvRun run = Orv(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_EQ(run.out, c.out) << c.args[1];
    EXPECT_EQ(run.err, "") << c.args[1];
  }
}

TEST(OrvMatch, ARefusedExpressionPrintsTheMessagesAndFails) {
  const OrvRun run = Orv({"match", " (a)", "a", "--logical"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "Hledaný výraz začíná mezerou.\n"
            "Před levou závorkou nemůže být nic jiného než operátor- výraz není platný.\n"
            "Chyba - logický výraz neplatný\n");
}

TEST(OrvMatch, ATermOver255CharactersIsRefused) {
  const OrvRun run = Orv({"match", "x OR " + std::string(256, 'a'), "x", "--logical", "--mask"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Hledaný výraz je příliš dlouhý (nejvýše 255 znaků).\n");
}

TEST(OrvMatch, MessagesWhileMatchingGoToStderr) {
  const OrvRun run = Orv({"match", "a b*", "je a bc", "--mask"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "0\n");
  EXPECT_EQ(run.err, "Chyba - konec slova nebyl nalezen\n");
}

TEST(OrvMatch, WrongArgumentsAreAnError) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"match", "a"}, {"match", "a", "b", "c"}, {"match", "a", "b", "--regex"}}) {
    const OrvRun run = Orv(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Použití: orv match"), std::string::npos);
  }
}

}  // namespace
}  // namespace orv::cli
