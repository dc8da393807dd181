#include "exchange/MarkdownImport.h"

#include <md4c.h>
#include <yaml-cpp/yaml.h>

#include <QString>
#include <QStringDecoder>
#include <filesystem>
#include <regex>
#include <vector>

#include "exchange/CommentaryFormats.h"
#include "exchange/ImportedDays.h"
#include "exchange/ImportedNote.h"
#include "exchange/SourceFolder.h"

namespace orv {
namespace {

constexpr unsigned kFlags = MD_FLAG_STRIKETHROUGH | MD_FLAG_WIKILINKS | MD_FLAG_PERMISSIVEAUTOLINKS;

std::u16string Utf16(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String();
}

// The character an HTML entity stands for: the numeric ones and those a diary meets.
std::u16string Entity(std::string_view entity) {
  static constexpr std::pair<std::string_view, char16_t> kNamed[] = {
      {"&amp;", u'&'}, {"&lt;", u'<'}, {"&gt;", u'>'}, {"&quot;", u'"'}, {"&apos;", u'\''}, {"&nbsp;", 0xA0}};
  for (const auto& [name, character] : kNamed)
    if (entity == name) return std::u16string(1, character);
  if (entity.size() > 3 && entity[1] == '#') {
    const bool hex = entity[2] == 'x' || entity[2] == 'X';
    const std::string digits(entity.substr(hex ? 3 : 2, entity.size() - (hex ? 4 : 3)));
    const unsigned long code = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
    if (code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF))
      return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1).toStdU16String();
  }
  return Utf16(entity);
}

bool IsLineBreakTag(std::string_view html) {
  return html == "<br>" || html == "<br/>" || html == "<br />";
}

class CMarkdownBuilder {
 public:
  explicit CMarkdownBuilder(const CCommentaryFormats& formats) : m_Formats(formats) {}

  RichContent Build(std::string_view markdown) {
    MD_PARSER parser{};
    parser.flags = kFlags;
    parser.enter_block = [](MD_BLOCKTYPE t, void* d, void* u) { return Self(u).EnterBlock(t, d); };
    parser.leave_block = [](MD_BLOCKTYPE t, void*, void* u) { return Self(u).LeaveBlock(t); };
    parser.enter_span = [](MD_SPANTYPE t, void*, void* u) { return Self(u).Span(t, 1); };
    parser.leave_span = [](MD_SPANTYPE t, void*, void* u) { return Self(u).Span(t, -1); };
    parser.text = [](MD_TEXTTYPE t, const MD_CHAR* s, MD_SIZE n, void* u) { return Self(u).Text(t, {s, n}); };
    md_parse(markdown.data(), static_cast<MD_SIZE>(markdown.size()), &parser, this);
    End();
    return std::move(m_Content);
  }

  // Whether the first paragraph came from a heading.
  bool StartsWithHeading() const { return m_FirstIsHeading; }

 private:
  struct SList {
    bool ordered;
    int next;
  };

  static CMarkdownBuilder& Self(void* user) { return *static_cast<CMarkdownBuilder*>(user); }

  int EnterBlock(MD_BLOCKTYPE type, void* detail) {
    switch (type) {
      case MD_BLOCK_QUOTE:
        ++m_Quotes;
        break;
      case MD_BLOCK_UL:
        m_Lists.push_back({false, 0});
        break;
      case MD_BLOCK_OL:
        m_Lists.push_back({true, static_cast<int>(static_cast<MD_BLOCK_OL_DETAIL*>(detail)->start)});
        break;
      case MD_BLOCK_LI:
        Start(m_Lists.back().ordered ? EBlock::Numbered : EBlock::Bullet, m_Lists.back().next++);
        break;
      case MD_BLOCK_H: {
        const unsigned level = static_cast<MD_BLOCK_H_DETAIL*>(detail)->level;
        if (m_Content.paragraphs.empty() && !m_Open) m_FirstIsHeading = true;
        Start(level <= 1 ? EBlock::Heading1 : EBlock::Heading2);
        break;
      }
      case MD_BLOCK_P:
        // The text of a list item comes in a paragraph of its own only when the list is loose.
        if (!m_Open || !m_Paragraph.runs.empty()) Start(BodyKind());
        break;
      case MD_BLOCK_CODE:
        m_InCode = true;
        Start(BodyKind());
        break;
      case MD_BLOCK_HTML:
        m_Html.clear();
        m_InHtml = true;
        break;
      default:
        break;
    }
    return 0;
  }

  int LeaveBlock(MD_BLOCKTYPE type) {
    switch (type) {
      case MD_BLOCK_QUOTE:
        --m_Quotes;
        break;
      case MD_BLOCK_UL:
      case MD_BLOCK_OL:
        m_Lists.pop_back();
        break;
      case MD_BLOCK_CODE:
        m_InCode = false;
        // The code's last line ends with a line feed, which started a paragraph of nothing.
        if (m_Open && m_Paragraph.runs.empty()) m_Open = false;
        End();
        break;
      case MD_BLOCK_HTML:
        m_InHtml = false;
        LeaveHtml();
        break;
      case MD_BLOCK_LI:
      case MD_BLOCK_P:
      case MD_BLOCK_H:
        End();
        break;
      default:
        break;
    }
    return 0;
  }

  // A block of raw HTML: "<br>" alone is an empty paragraph, anything else its lines as text.
  void LeaveHtml() {
    std::string_view html = m_Html;
    while (!html.empty() && (html.back() == '\n' || html.back() == '\r' || html.back() == ' '))
      html.remove_suffix(1);
    if (IsLineBreakTag(html)) {
      Start(BodyKind());
      End();
      return;
    }
    Start(BodyKind());
    for (const char c : html) {
      if (c == '\n') {
        End();
        Start(BodyKind());
      } else if (c != '\r') {
        Add(std::u16string(1, static_cast<char16_t>(c)));
      }
    }
    End();
  }

  int Span(MD_SPANTYPE type, int change) {
    switch (type) {
      case MD_SPAN_EM:
        m_Italic += change;
        break;
      case MD_SPAN_STRONG:
        m_Bold += change;
        break;
      case MD_SPAN_DEL:
        m_Strike += change;
        break;
      default:
        break;  // links, images, code and wiki links are their text
    }
    return 0;
  }

  int Text(MD_TEXTTYPE type, std::string_view text) {
    if (m_InHtml) {
      m_Html += text;
      return 0;
    }
    switch (type) {
      case MD_TEXT_NULLCHAR:
        Add(u"\uFFFD");
        break;
      case MD_TEXT_BR:
      case MD_TEXT_SOFTBR:
        Add(std::u16string(1, kLineBreak));
        break;
      case MD_TEXT_ENTITY:
        Add(Entity(text));
        break;
      case MD_TEXT_HTML:
        InlineHtml(text);
        break;
      default:
        if (m_InCode) {
          CodeText(text);
        } else {
          Add(Utf16(text));
        }
        break;
    }
    return 0;
  }

  void InlineHtml(std::string_view html) {
    if (html == "<u>") {
      ++m_Underline;
    } else if (html == "</u>") {
      m_Underline = std::max(0, m_Underline - 1);
    } else if (IsLineBreakTag(html)) {
      Add(std::u16string(1, kLineBreak));
    } else {
      Add(Utf16(html));
    }
  }

  // Every line of code is a paragraph.
  void CodeText(std::string_view text) {
    for (size_t start = 0; start < text.size();) {
      const size_t end = text.find('\n', start);
      if (end == text.npos) {
        Add(Utf16(text.substr(start)));
        break;
      }
      Add(Utf16(text.substr(start, end - start)));
      if (!m_Open) Start(BodyKind());
      End();
      Start(BodyKind());
      start = end + 1;
    }
  }

  EBlock BodyKind() const { return m_Quotes > 0 ? EBlock::Quote : EBlock::Body; }

  void Start(EBlock kind, int number = 1) {
    End();
    m_Kind = kind;
    m_Paragraph = m_Formats.Paragraph(kind, number);
    m_Open = true;
  }

  void End() {
    if (!m_Open) return;
    m_Content.paragraphs.push_back(std::move(m_Paragraph));
    m_Open = false;
  }

  void Add(std::u16string text) {
    if (text.empty()) return;
    if (!m_Open) Start(BodyKind());
    uint32_t effects = 0;
    if (m_Bold > 0) effects |= CFE_BOLD;
    if (m_Italic > 0) effects |= CFE_ITALIC;
    if (m_Underline > 0) effects |= CFE_UNDERLINE;
    if (m_Strike > 0) effects |= CFE_STRIKEOUT;
    const RunFormat format = m_Formats.Run(m_Kind, effects);
    if (!m_Paragraph.runs.empty() && m_Paragraph.runs.back().format == format)
      m_Paragraph.runs.back().text += text;
    else
      m_Paragraph.runs.push_back({format, std::move(text)});
  }

  const CCommentaryFormats& m_Formats;
  RichContent m_Content;
  RichParagraph m_Paragraph;
  EBlock m_Kind = EBlock::Body;
  bool m_Open = false;
  bool m_FirstIsHeading = false;
  bool m_InCode = false;
  bool m_InHtml = false;
  std::string m_Html;
  std::vector<SList> m_Lists;
  int m_Quotes = 0;
  int m_Bold = 0, m_Italic = 0, m_Underline = 0, m_Strike = 0;
};

std::u16string PlainText(const RichParagraph& paragraph) {
  std::u16string text;
  for (const RichRun& run : paragraph.runs) text += run.text;
  return text;
}

// The ways a note names its own day in a heading.
bool IsDateTitle(std::u16string text, const Date& date) {
  while (!text.empty() && text.back() == u' ') text.pop_back();
  char buffer[4][32];
  std::snprintf(buffer[0], sizeof buffer[0], "%04d-%02d-%02d", date.year, date.month, date.day);
  std::snprintf(buffer[1], sizeof buffer[1], "%04d_%02d_%02d", date.year, date.month, date.day);
  std::snprintf(buffer[2], sizeof buffer[2], "%d. %d. %d", date.day, date.month, date.year);
  std::snprintf(buffer[3], sizeof buffer[3], "%d.%d.%d", date.day, date.month, date.year);
  for (const char* form : buffer)
    if (text == Utf16(form)) return true;
  return false;
}

// The YAML front matter between "---" lines at the very start; the rest of the bytes after it.
std::optional<std::string_view> FrontMatter(std::string_view& bytes) {
  if (!bytes.starts_with("---\n") && !bytes.starts_with("---\r\n")) return std::nullopt;
  const size_t start = bytes.find('\n') + 1;
  for (size_t line = start; line < bytes.size();) {
    const size_t end = std::min(bytes.size(), bytes.find('\n', line));
    std::string_view text = bytes.substr(line, end - line);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (text == "---" || text == "...") {
      const std::string_view yaml = bytes.substr(start, line - start);
      bytes.remove_prefix(std::min(bytes.size(), end + 1));
      return yaml;
    }
    line = end + 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<SMarkdownDay> ReadMarkdownDay(std::string_view bytes, const Date& date,
                                            const CCommentaryFormats& formats, std::string& failure) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString decoded = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (decoder.hasError()) {
    failure = "text není v kódování UTF-8";
    return std::nullopt;
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  SMarkdownDay day;
  if (const auto yaml = FrontMatter(bytes)) {
    try {
      const YAML::Node front = YAML::Load(std::string(*yaml));
      if (front.IsMap() && front["note"] && front["note"].IsScalar())
        day.note = ImportedNote(Utf16(front["note"].Scalar()));
    } catch (const YAML::Exception& e) {
      failure = "úvodní údaje nejsou YAML (řádek " + std::to_string(e.mark.line + 2) + ")";
      return std::nullopt;
    }
  }
  CMarkdownBuilder builder(formats);
  day.commentary = builder.Build(bytes);
  auto& paragraphs = day.commentary.paragraphs;
  if (builder.StartsWithHeading() && !paragraphs.empty() && IsDateTitle(PlainText(paragraphs.front()), date))
    paragraphs.erase(paragraphs.begin());
  return day;
}

std::string ReadMarkdownFolder(const std::string& folder, const CCommentaryFormats& formats,
                               CImportedDays& days, const ReadProgress& progress) {
  const SSourceFiles source = ListSourceFiles(folder, true);
  if (!source.failure.empty()) return source.failure;
  static const std::regex kDayFile(R"((\d{4})-(\d{2})-(\d{2})\.(md|txt)|(\d{4})_(\d{2})_(\d{2})\.md)");
  static const std::regex kMonthFile(R"((\d{4})-(\d{2})\.md)");
  const int total = static_cast<int>(source.files.size());
  for (int done = 0; done < total; ++done) {
    const std::string& path = source.files[static_cast<size_t>(done)];
    if (progress && done % 64 == 0) progress(done, total);
    const std::string name = std::filesystem::path(path).filename().string();
    std::smatch m;
    Date date{};
    bool month = false;
    if (std::regex_match(name, m, kDayFile)) {
      const int o = m[1].matched ? 1 : 5;
      date = {std::stoi(m[o]), std::stoi(m[o + 1]), std::stoi(m[o + 2])};
    } else if (std::regex_match(name, m, kMonthFile)) {
      date = {std::stoi(m[1]), std::stoi(m[2]), 1};
      month = true;
    }
    if (!IsValidDate(date)) {
      days.CountSkipped();
      continue;
    }
    if (!IsImportableDate(date))
      return RefusedFileText(path, "den leží mimo roky, které kalendář může obsahovat (1900–2100)");
    std::string failure;
    const auto bytes = ReadSourceFile(path, failure);
    const auto day = bytes ? ReadMarkdownDay(*bytes, date, formats, failure) : std::nullopt;
    if (!day) return RefusedFileText(path, failure);
    if (month)
      days.AddMonth(date.year, date.month, day->commentary);
    else
      days.AddDay(date, day->note, day->commentary);
  }
  if (progress) progress(total, total);
  return {};
}

}  // namespace orv
