// orv styles and orv style on a calendar made with orv new: listing, the dialogs' refusals with exit
// status 1, and an edit that re-formats a stored commentary.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FakeUiServices.h"
#include "cli/CliCommand.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class StyleCommands : public ::testing::Test {
 protected:
  StyleCommands() {
    char pattern[] = "/tmp/orv-styles-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = (dir / "styly.orv").string();
  }
  ~StyleCommands() override { fs::remove_all(dir); }
  struct Run {
    int status;
    std::string out;
    std::vector<std::string> messages;
  };
  Run Orv(std::vector<std::string> args) {
    test::FakeUiServices ui;
    std::ostringstream out, err;
    cli::CliContext ctx{out, err, ui};
    const int status = cli::RunOrv(args, ctx);
    return {status, out.str() + err.str(), ui.Messages()};
  }
  fs::path dir;
  std::string file;
};

TEST_F(StyleCommands, EditListRefuseAndReformat) {
  ASSERT_EQ(Orv({"new", file}).status, 0);
  const std::string rtf = (dir / "in.rtf").string();
  std::ofstream(rtf)
      << "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 DejaVu Sans;}}\\f0\\fs18 Text ve Standard2\\par}";
  ASSERT_EQ(Orv({"commentary", file, "2005-03-07", "--rtf", rtf}).status, 0);

  ASSERT_EQ(Orv({"style", file, "Standard2", "--size", "14", "--base-font", "DejaVu Sans"}).status, 0);
  const Run listed = Orv({"styles", file});
  EXPECT_NE(listed.out.find("Standard2: DejaVu Sans, sada 238, 14 pt, #000000"), std::string::npos)
      << listed.out;
  EXPECT_NE(listed.out.find("Normal1: písmo Standard1"), std::string::npos);
  EXPECT_NE(Orv({"commentary", file, "2005-03-07"}).out.find("\\fs28"), std::string::npos);

  struct Refusal {
    std::vector<std::string> args;
    std::string message;
  };
  const Refusal refusals[] = {
      {{"style", file, "Moje", "--new", "--face", "DejaVu Sans", "--size", "12", "--bold", "--color",
        "000080"},
       "Zadaný formát písma již existuje pod názvem Nadpis1"},
      {{"style", file, " Moje", "--new", "--face", "Arial"}, "Název stylu nemůže začínat mezerou."},
      {{"style", file, "Nadpis1", "--delete"},
       "Styly Standard1, Standard2, Nadpis1 a Nadpis2 vymazat nelze !"},
      {{"style", file, "Normal2", "--para", "--new"}, "Styl již existuje."},
  };
  for (const Refusal& r : refusals) {
    const Run run = Orv(r.args);
    EXPECT_EQ(run.status, 1) << r.message;
    EXPECT_EQ(run.messages, std::vector<std::string>{r.message});
  }

  ASSERT_EQ(Orv({"style", file, "Tabulka", "--para", "--new", "--tabs", "2.5,5", "--align", "center"}).status,
            0);
  const Run json = Orv({"styles", file, "--json"});
  EXPECT_NE(json.out.find("\"tabs_cm\": [\"2.50\", \"5.00\"]"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"colour\": \"#000080\""), std::string::npos);
}

// A calendar made by orv new gets its predefined styles when an editor is set up: orv styles lists
// them as the window shows them, in the base font named or else in the one the window configured
// beside the programs. Listing saves nothing.
TEST_F(StyleCommands, StylesListsTheStylesOfANewCalendarInTheBaseFont) {
  ASSERT_EQ(Orv({"new", file}).status, 0);
  const Run given = Orv({"styles", file, "--base-font", "DejaVu Serif"});
  EXPECT_EQ(given.status, 0);
  EXPECT_NE(given.out.find("Standard1: DejaVu Serif, sada 238"), std::string::npos) << given.out;
  EXPECT_NE(given.out.find("Hlavička2: písmo Nadpis2"), std::string::npos) << given.out;

  const fs::path config = fs::read_symlink("/proc/self/exe").parent_path() / "Orvinek.cfg";
  ASSERT_FALSE(fs::exists(config));
  std::ofstream(config, std::ios::binary) << '\x0c' << "DejaVu Serif";
  const Run configured = Orv({"styles", file});
  fs::remove(config);
  EXPECT_NE(configured.out.find("Nadpis1: DejaVu Serif"), std::string::npos) << configured.out;
  // Nothing was saved: without the configuration the styles come out in another face.
  EXPECT_EQ(Orv({"styles", file}).out.find("DejaVu Serif"), std::string::npos);
}

}  // namespace
}  // namespace orv
