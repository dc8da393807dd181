#pragma once
// A manual page in troff (man macros), written from data: the programs' own tables of commands and
// options fill it, so the page and the program's --help never tell different things.
//
//   SManPage page{"orv", "1", "příkazový řádek kalendáře Orvella 2"};
//   page.synopsis = {"orv PŘÍKAZ [ARGUMENTY]"};
//   page.sections.push_back({"PŘÍKAZY", {{"orv note SOUBOR.orv RRRR-MM-DD [TEXT]", "vypíše poznámku dne"}}});
//   WriteManPage(out, page);
//
// Texts are UTF-8; hyphens, backslashes and a leading dot or apostrophe are escaped for troff.

#include <iosfwd>
#include <string>
#include <vector>

namespace orv {

struct SManEntry {
  std::string term;  // set in bold: a command or an option with its arguments
  std::string text;  // what it does
};

struct SManSection {
  std::string heading;                // upper case, as man pages have them
  std::vector<SManEntry> entries;     // tagged paragraphs
  std::vector<std::string> paragraphs;  // plain paragraphs after the entries
};

struct SManPage {
  std::string name;     // the program
  std::string section;  // "1"
  std::string summary;  // the NAME line after the dash
  std::string version;
  std::vector<std::string> synopsis;     // lines of usage
  std::vector<std::string> description;  // paragraphs
  std::vector<SManSection> sections;     // after DESCRIPTION
};

void WriteManPage(std::ostream& out, const SManPage& page);

// A text as troff shows it literally.
std::string TroffEscape(const std::string& text);

}  // namespace orv
