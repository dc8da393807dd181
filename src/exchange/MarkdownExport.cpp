#include "exchange/MarkdownExport.h"

#include <fcntl.h>
#include <unistd.h>
#include <yaml-cpp/yaml.h>

#include <QString>
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "exchange/CommentaryFormats.h"
#include "export/ExportFile.h"
#include "richtext/RtfReader.h"

namespace orv {
namespace {

struct SMarker {
  uint32_t effect;
  const char* open;
  const char* close;
};
// In the order they open; they close in the reverse one.
constexpr std::array<SMarker, 4> kMarkers = {{{CFE_BOLD, "**", "**"},
                                              {CFE_ITALIC, "*", "*"},
                                              {CFE_STRIKEOUT, "~~", "~~"},
                                              {CFE_UNDERLINE, "<u>", "</u>"}}};
constexpr uint32_t kMarked = CFE_BOLD | CFE_ITALIC | CFE_STRIKEOUT | CFE_UNDERLINE;

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::string Utf8(char16_t c) {
  return QString(QChar(c)).toStdString();
}

struct SChar {
  char16_t c;
  uint32_t effects;
};

// The paragraph's characters with their effects. A space takes the effects its neighbours share, so
// that emphasis never opens before a space nor closes after one (CommonMark would not see it).
std::vector<SChar> Characters(const RichParagraph& paragraph, uint32_t dropped) {
  std::vector<SChar> chars;
  for (const RichRun& run : paragraph.runs)
    for (const char16_t c : run.text) chars.push_back({c, run.format.effects & kMarked & ~dropped});
  for (size_t i = 0; i < chars.size();) {
    if (!IsBlank(chars[i].c) && chars[i].c != kLineBreak) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < chars.size() && (IsBlank(chars[end].c) || chars[end].c == kLineBreak)) ++end;
    const uint32_t shared = i > 0 && end < chars.size() ? chars[i - 1].effects & chars[end].effects : 0;
    for (; i < end; ++i) chars[i].effects = shared;
  }
  return chars;
}

class CParagraphWriter {
 public:
  CParagraphWriter(std::string prefix, std::string continuation, bool heading)
      : m_Prefix(std::move(prefix)), m_Continuation(std::move(continuation)), m_Heading(heading) {}

  std::string Write(const std::vector<SChar>& chars) {
    m_Out = m_Prefix;
    const std::vector<bool> kept = KeptBlanks(chars);
    bool lineStart = true;
    for (size_t i = 0; i < chars.size(); ++i) {
      Switch(chars[i].effects);
      const char16_t c = chars[i].c;
      if (c == kLineBreak) {
        m_Out += m_Heading ? "<br>" : "\\\n" + m_Continuation;
        lineStart = !m_Heading;
      } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < chars.size()) {
        // A character beyond the basic plane (an emoji) is two units, converted together.
        const std::array<QChar, 2> pair{QChar(c), QChar(chars[i + 1].c)};
        m_Out += QString(pair.data(), 2).toStdString();
        lineStart = false;
        ++i;
      } else if (kept[i]) {
        m_Out += c == u'\t' ? "&#9;" : "&#32;";
      } else {
        Character(chars, i, lineStart);
        lineStart = false;
      }
    }
    Switch(0);
    return m_Out;
  }

 private:
  // Spaces at the start and end of a line, which Markdown would drop, are written as references.
  static std::vector<bool> KeptBlanks(const std::vector<SChar>& chars) {
    std::vector<bool> kept(chars.size(), false);
    for (size_t i = 0; i < chars.size() && IsBlank(chars[i].c); ++i) kept[i] = true;
    for (size_t i = chars.size(); i > 0 && IsBlank(chars[i - 1].c); --i) kept[i - 1] = true;
    for (size_t b = 0; b < chars.size(); ++b) {
      if (chars[b].c != kLineBreak) continue;
      for (size_t i = b + 1; i < chars.size() && IsBlank(chars[i].c); ++i) kept[i] = true;
      for (size_t i = b; i > 0 && IsBlank(chars[i - 1].c); --i) kept[i - 1] = true;
    }
    return kept;
  }

  void Character(const std::vector<SChar>& chars, size_t i, bool lineStart) {
    static constexpr std::u16string_view kAlways = u"\\`*_[]<>~&";
    const char16_t c = chars[i].c;
    bool escape = kAlways.find(c) != kAlways.npos || (c == u'#' && (m_Heading || lineStart));
    if (lineStart && (c == u'-' || c == u'+' || c == u'=')) escape = true;
    // "1." or "1)" opening a line would start a numbered list.
    if ((c == u'.' || c == u')') && i > 0 && chars[i - 1].c >= u'0' && chars[i - 1].c <= u'9') {
      size_t start = i;
      while (start > 0 && chars[start - 1].c >= u'0' && chars[start - 1].c <= u'9') --start;
      escape = escape || start == 0 || chars[start - 1].c == kLineBreak;
    }
    if (escape) m_Out += '\\';
    m_Out += Utf8(c);
  }

  // Closes the markers the new effects lack (and those opened after them), then opens the missing.
  void Switch(uint32_t effects) {
    size_t keep = 0;
    while (keep < m_Open.size() && (effects & m_Open[keep]->effect)) ++keep;
    while (m_Open.size() > keep) {
      m_Out += m_Open.back()->close;
      m_Open.pop_back();
    }
    for (const SMarker& marker : kMarkers) {
      if (!(effects & marker.effect)) continue;
      bool open = false;
      for (const SMarker* o : m_Open) open = open || o == &marker;
      if (open) continue;
      m_Out += marker.open;
      m_Open.push_back(&marker);
    }
  }

  std::string m_Prefix, m_Continuation;
  bool m_Heading;
  std::string m_Out;
  std::vector<const SMarker*> m_Open;
};

std::string ParagraphMarkdown(const RichParagraph& paragraph, const CCommentaryFormats& formats,
                              int& number) {
  const ParaFormat& f = paragraph.format;
  const bool numbered = f.numbering >= PFN_ARABIC && f.numbering <= PFN_UCROMAN;
  number = numbered ? (number == 0 ? std::max<int>(1, f.numberingStart) : number + 1) : 0;
  std::string prefix, continuation;
  bool heading = false;
  if (f.numbering == 0 && IsSameParStyle(f, formats.HeadingFormat(1))) {
    prefix = "# ";
    heading = true;
  } else if (f.numbering == 0 && IsSameParStyle(f, formats.HeadingFormat(2))) {
    prefix = "## ";
    heading = true;
  } else if (f.numbering == PFN_BULLET) {
    prefix = "- ";
    continuation = "  ";
  } else if (numbered) {
    prefix = std::to_string(number) + ". ";
    continuation = std::string(prefix.size(), ' ');
  } else if (f.startIndent >= kQuoteIndent) {
    prefix = continuation = "> ";
  }
  if (paragraph.runs.empty()) return prefix.empty() ? "<br>" : prefix + "<br>";
  // The heading styles are bold of themselves.
  return CParagraphWriter(prefix, continuation, heading).Write(Characters(paragraph, heading ? CFE_BOLD : 0));
}

bool IsListItem(const RichParagraph& paragraph) {
  return paragraph.format.numbering != 0 && !paragraph.runs.empty();
}

std::string NoteFrontMatter(const std::string& note) {
  YAML::Emitter out;
  out << YAML::BeginMap << YAML::Key << "note" << YAML::Value << YAML::DoubleQuoted << Cp1250ToUtf8(note)
      << YAML::EndMap;
  return std::string("---\n") + out.c_str() + "\n---\n";
}

std::optional<std::string> ExistingBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

std::string FileName(const std::string& folder, int year, const char* format, int month, int day) {
  char name[32];
  std::snprintf(name, sizeof name, format, year, month, day);
  return (std::filesystem::path(folder) / std::to_string(year) / name).string();
}

}  // namespace

std::string CommentaryMarkdown(const RichContent& content, const CCommentaryFormats& formats) {
  std::string markdown;
  int number = 0;
  const RichParagraph* previous = nullptr;
  for (const RichParagraph& paragraph : content.paragraphs) {
    // Items of one list stand on lines of their own; every other block is set apart by a blank line.
    if (previous) markdown += IsListItem(*previous) && IsListItem(paragraph) ? "\n" : "\n\n";
    markdown += ParagraphMarkdown(paragraph, formats, number);
    previous = &paragraph;
  }
  return markdown.empty() ? markdown : markdown + "\n";
}

RichContent RecordContent(const CEntrTxt& record) {
  if (!record.m_Rtf.empty()) return ReadRtf(record.m_Rtf);
  RichContent content;
  const std::u16string text = Cp1250ToUtf16(record.m_Text);
  for (size_t start = 0; start <= text.size() && !text.empty();) {
    const size_t end = std::min(text.size(), text.find(u'\r', start));
    RichParagraph paragraph;
    if (end > start) paragraph.runs.push_back({RunFormat{}, text.substr(start, end - start)});
    content.paragraphs.push_back(std::move(paragraph));
    start = end + 1;
  }
  return content;
}

std::string DayMarkdown(const CEntrTxt& record, const CCommentaryFormats& formats) {
  std::string markdown = record.m_Poznamka.empty() ? std::string() : NoteFrontMatter(record.m_Poznamka);
  if (!record.m_Text.empty()) {
    if (!markdown.empty()) markdown += '\n';
    markdown += CommentaryMarkdown(RecordContent(record), formats);
  }
  return markdown;
}

std::string MarkdownExportText(const SMarkdownExport& result) {
  return "Export do Markdownu je hotov. Zapsaných souborů: " + std::to_string(result.written) +
         ", beze změny: " + std::to_string(result.unchanged) +
         ", ponechaných: " + std::to_string(result.kept) + ".";
}

namespace {

// Every file the export makes, in order, handed over with its bytes one at a time: the records are
// read one by one and neither they nor the files' bytes are kept, so that a calendar of a million
// days is exported within the memory its opening takes.
using PlannedFileVisitor = std::function<void(const std::string& path, const std::string& bytes)>;
void VisitPlannedFiles(const CTedDoc& doc, const std::string& folder, const Date& from, const Date& to,
                       const CCommentaryFormats& formats, const PlannedFileVisitor& visit) {
  const std::string first = DayKey(from), last = DayKey(to);
  const std::string firstMonth = MonthKey(from.year, from.month), lastMonth = MonthKey(to.year, to.month);
  doc.m_DataTxt.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (!IsValidDayKey(key) || key < first || key > last) return;
    const Date date = ParseDayKey(key);
    visit(FileName(folder, date.year, "%04d-%02d-%02d.md", date.month, date.day), DayMarkdown(record, formats));
  });
  doc.m_DataMesice.Visit([&](std::string_view key, const CEntrTxt& record) {
    if (!IsValidMonthKey(key) || key < firstMonth || key > lastMonth || record.m_Text.empty()) return;
    const int year = std::stoi(std::string(key.substr(0, 4))), month = std::stoi(std::string(key.substr(5, 2)));
    visit(FileName(folder, year, "%04d-%02d.md", month, 0), CommentaryMarkdown(RecordContent(record), formats));
  });
}

}  // namespace

SMarkdownExport ExportMarkdown(const CTedDoc& doc, const std::string& folder, const Date& from,
                               const Date& to, IUiServices& ui, const MarkdownExportProgress& progress) {
  const CCommentaryFormats formats(doc);
  // First walk: what each file would change, one byte a file.
  enum class EFile : uint8_t { New, Unchanged, Differing };
  std::vector<EFile> files;
  std::string firstDiffering;
  SMarkdownExport result;
  int differing = 0;
  VisitPlannedFiles(doc, folder, from, to, formats, [&](const std::string& path, const std::string& bytes) {
    const auto existing = ExistingBytes(path);
    const EFile file = !existing ? EFile::New : *existing == bytes ? EFile::Unchanged : EFile::Differing;
    files.push_back(file);
    if (file == EFile::Unchanged) ++result.unchanged;
    if (file == EFile::Differing && differing++ == 0) firstDiffering = path;
  });
  bool replace = false;
  if (differing > 0) {
    replace = ui.AskYesNo("Ve složce „" + folder + "“ je " + std::to_string(differing) +
                          " souborů s jiným obsahem, než jaký export zapíše (například „" + firstDiffering +
                          "“). Chcete je nahradit?");
    if (!replace) result.kept = differing;
  }
  // Second walk: the files to write, made again.
  const int total = static_cast<int>(std::count(files.begin(), files.end(), EFile::New)) + (replace ? differing : 0);
  std::size_t index = 0;
  bool failed = false;
  VisitPlannedFiles(doc, folder, from, to, formats, [&](const std::string& path, const std::string& bytes) {
    const EFile file = files[index++];
    if (failed || file == EFile::Unchanged || (file == EFile::Differing && !replace)) return;
    if (progress && result.written % 64 == 0) progress(result.written, total);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (!WriteExportFile(doc, path, bytes, ui, /*syncEach=*/false))
      failed = true;
    else
      ++result.written;
  });
  if (failed) return result;
  // One flush of the file system for all the files, instead of one for each: the same safety on disk
  // once the export says it is done, at a fraction of the time.
  if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
    ::syncfs(fd);
    ::close(fd);
  }
  if (progress) progress(total, total);
  result.completed = true;
  return result;
}

}  // namespace orv
