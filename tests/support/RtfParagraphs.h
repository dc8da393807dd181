#pragma once
// The paragraphs of rich text as UTF-8 lines, as the program's own RTF reader sees them: for the
// tests that read an export back. Header-only, for the test programs that link the richtext layer.

#include <QString>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "richtext/RtfReader.h"

namespace orv::test {

inline std::vector<std::string> Paragraphs(const RichContent& content) {
  std::vector<std::string> lines;
  for (const RichParagraph& p : content.paragraphs) {
    std::u16string text;
    for (const RichRun& run : p.runs) text += run.text;
    lines.push_back(QString::fromStdU16String(text).toStdString());
  }
  return lines;
}

inline std::vector<std::string> RtfFileParagraphs(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return Paragraphs(ReadRtf(bytes.str()));
}

}  // namespace orv::test
