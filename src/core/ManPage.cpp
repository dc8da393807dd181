#include "core/ManPage.h"

#include <ostream>

namespace orv {

std::string TroffEscape(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\\')
      escaped += "\\e";
    else if (c == '-')
      escaped += "\\-";
    else
      escaped += c;
  }
  // A line starting with a dot or an apostrophe would be read as a request.
  if (!escaped.empty() && (escaped.front() == '.' || escaped.front() == '\''))
    escaped.insert(0, "\\&");
  return escaped;
}

namespace {

void WriteParagraphs(std::ostream& out, const std::vector<std::string>& paragraphs) {
  for (const std::string& paragraph : paragraphs) out << ".PP\n" << TroffEscape(paragraph) << '\n';
}

}  // namespace

void WriteManPage(std::ostream& out, const SManPage& page) {
  out << ".\\\" Generated from the program's own table of commands and options; do not edit.\n"
      << ".TH " << page.name << ' ' << page.section << " \"\" \"" << TroffEscape(page.name) << ' '
      << TroffEscape(page.version) << "\" \"Orvella 2\"\n"
      << ".SH JMÉNO\n"
      << TroffEscape(page.name) << " \\- " << TroffEscape(page.summary) << '\n'
      << ".SH POUŽITÍ\n";
  for (const std::string& line : page.synopsis) out << ".PP\n.B\n" << TroffEscape(line) << '\n';
  out << ".SH POPIS\n";
  WriteParagraphs(out, page.description);
  for (const SManSection& section : page.sections) {
    out << ".SH " << TroffEscape(section.heading) << '\n';
    for (const SManEntry& entry : section.entries)
      out << ".TP\n.B\n" << TroffEscape(entry.term) << '\n' << TroffEscape(entry.text) << '\n';
    WriteParagraphs(out, section.paragraphs);
  }
}

}  // namespace orv
