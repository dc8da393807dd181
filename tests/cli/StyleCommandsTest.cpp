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

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// What the dialogs refuse, the command refuses too, with exit status 2 and the calendar untouched;
// huge numbers are refused before they are converted.
TEST_F(StyleCommands, ValuesTheDialogsRefuseLeaveTheCalendarAsItWas) {
  ASSERT_EQ(Orv({"new", file}).status, 0);
  const std::string before = Bytes(file);
  const std::vector<std::vector<std::string>> refused = {
      {"Standard2", "--size", "-5"},
      {"Standard2", "--size", "0"},
      {"Standard2", "--size", "99999999999"},
      {"Standard2", "--size", "1639"},
      {"Standard2", "--charset", "999"},
      {"Standard2", "--charset", "186"},
      {"Normal1", "--para", "--indent", "-3", "--offset", "200"},
      {"Normal1", "--para", "--indent", "1e308"},
      {"Normal1", "--para", "--right-indent", "51"},
      {"Normal1", "--para", "--before", "99999999"},
      {"Normal1", "--para", "--after", "-1"},
      {"Normal1", "--para", "--line", "-1"},
      {"Normal1", "--para", "--char-style", "Neexistuje"},
  };
  for (std::vector<std::string> args : refused) {
    const std::string shown = args[1] + " " + args.back();
    args.insert(args.begin(), {"style", file});
    args.insert(args.end(), {"--base-font", "DejaVu Sans"});
    const Run run = Orv(args);
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_FALSE(run.out.empty()) << shown;
    EXPECT_EQ(Bytes(file), before) << shown;
  }
  // The edges the dialogs take.
  EXPECT_EQ(Orv({"style", file, "Normal1", "--para", "--indent", "0", "--offset", "50", "--line", "1584",
                 "--char-style", "Nadpis2", "--base-font", "DejaVu Sans"})
                .status,
            0);
  const Run json = Orv({"styles", file, "--json"});
  EXPECT_NE(json.out.find("Nadpis2"), std::string::npos);
}

}  // namespace
}  // namespace orv
