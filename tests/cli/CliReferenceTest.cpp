// The manual page and the shell completions say what orv --help says: all three are written from
// the tables of commands and options.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "OrvRun.h"
#include "cli/CliReference.h"

namespace orv::cli {
namespace {

using Entry = std::pair<std::string, std::string>;  // a command or option with its text

// "  orv NAME SYNOPSIS" followed by its summary, and "  --option ARG   summary", as --help prints.
std::set<Entry> HelpEntries(const std::string& help) {
  std::set<Entry> entries;
  std::istringstream in(help);
  std::string line, previous;
  const std::regex option(R"(^  (--[a-z-]+(?: [^ ]+)?) +(.+)$)");
  for (std::smatch m; std::getline(in, line); previous = line) {
    if (line.rfind("      ", 0) == 0 && previous.rfind("  orv ", 0) == 0 && previous.rfind("  orv --", 0) != 0)
      entries.insert({previous.substr(2), line.substr(6)});
    else if (std::regex_match(line, m, option))
      entries.insert({m[1], m[2]});
  }
  return entries;
}

std::string Untroff(std::string text) {
  for (const auto& [escaped, plain] : {std::pair{"\\-", "-"}, {"\\e", "\\"}, {"\\&", ""}})
    for (std::size_t at; (at = text.find(escaped)) != std::string::npos;) text.replace(at, 2, plain);
  return text;
}

// The tagged paragraphs of a manual page: ".TP", ".B", the term, its text.
std::set<Entry> ManEntries(const std::string& page) {
  std::set<Entry> entries;
  std::vector<std::string> lines;
  std::istringstream in(page);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  for (std::size_t i = 0; i + 3 < lines.size(); ++i)
    if (lines[i] == ".TP" && lines[i + 1] == ".B") entries.insert({Untroff(lines[i + 2]), Untroff(lines[i + 3])});
  return entries;
}

TEST(CliReference, ManualPageListsWhatHelpLists) {
  const std::string help = test::RunOrvCaptured({"--help"}).out;
  std::ostringstream page;
  WriteManPage(page, OrvManPage());
  std::set<Entry> fromMan = ManEntries(page.str());
  fromMan.erase({"--help", "přehled příkazů"});
  fromMan.erase({"--version", "verze programu"});
  const std::set<Entry> fromHelp = HelpEntries(help);
  EXPECT_GE(fromHelp.size(), CliCommands().size() + CliGlobalOptions().size());
  EXPECT_EQ(fromHelp, fromMan);
}

TEST(CliReference, SynopsisOptionsTellSwitchesValuesAndChoices) {
  const auto options = SynopsisOptions(
      "SOUBOR.orv [--bold|--no-bold] [--from RRRR-MM-DD] [--align left|center|right] [--mask] [--from X]");
  ASSERT_EQ(options.size(), 5u);
  EXPECT_EQ(options[0].name, "--bold");
  EXPECT_EQ(options[1].name, "--no-bold");
  EXPECT_TRUE(options[1].value.empty());
  EXPECT_EQ(options[2].value, "RRRR-MM-DD");
  EXPECT_EQ(options[3].choices, (std::vector<std::string>{"left", "center", "right"}));
  EXPECT_EQ(options[4].name, "--mask");
}

class BashCompletion : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_Dir.isValid());
    m_Script = m_Dir.filePath(QStringLiteral("orv")).toStdString();
    std::ofstream out(m_Script);
    WriteBashCompletion(out);
  }

  // What the completion offers for the words typed so far (the last one being completed), in a
  // bash whose orv is the function given.
  std::string Complete(const std::string& words, const std::string& fakeOrv = "") {
    const std::string command = "cd '" + m_Dir.path().toStdString() + "' && bash -c '" + fakeOrv + " source " +
                                m_Script + "; COMP_WORDS=(" + words +
                                "); COMP_CWORD=$((${#COMP_WORDS[@]}-1)); _orv; printf \"%s\\n\" \"${COMPREPLY[@]}\"'";
    std::string offered;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[256];
      while (std::fgets(buffer, sizeof buffer, pipe)) offered += buffer;
      pclose(pipe);
    }
    return offered;
  }

  QTemporaryDir m_Dir;
  std::string m_Script;
};

TEST_F(BashCompletion, CompletesCommandsOptionsFilesAndStyles) {
  EXPECT_EQ(std::system(("bash -n " + m_Script).c_str()), 0);
  EXPECT_EQ(Complete("orv exp"), "export-txt\nexport-rtf\nexport-pdf\nexport-md\n");
  EXPECT_EQ(Complete("orv export-txt a.orv --fr"), "--from\n");
  EXPECT_EQ(Complete("orv style a.orv X --align c"), "center\n");

  std::ofstream(m_Dir.filePath(QStringLiteral("denik.orv")).toStdString()) << "x";
  std::ofstream(m_Dir.filePath(QStringLiteral("poznamky.txt")).toStdString()) << "x";
  EXPECT_EQ(Complete("orv note \"\""), "denik.orv\n");

  const std::string fakeOrv =
      "orv() { printf \"Styly písma:\\n  Nadpis 1: DejaVu Sans, sada 238, 14 pt\\n  Standard1: DejaVu Sans\\n"
      "Styly odstavce:\\n  Odstavec: písmo Standard1\\n\"; };";
  EXPECT_EQ(Complete("orv style denik.orv X --char-style \"\"", fakeOrv), "Nadpis 1\nStandard1\n");
}

}  // namespace
}  // namespace orv::cli
