#include "exchange/RedNotebookMarkup.h"

#include <algorithm>
#include <array>
#include <optional>

#include "exchange/CommentaryFormats.h"
#include "exchange/ImportedNote.h"

namespace orv {
namespace {

struct SSpan {
  std::u16string text;
  uint32_t effects = 0;
};

struct SMarker {
  std::u16string_view mark;
  uint32_t effect;
};
constexpr std::array<SMarker, 4> kMarkers = {
    {{u"**", CFE_BOLD}, {u"//", CFE_ITALIC}, {u"__", CFE_UNDERLINE}, {u"--", CFE_STRIKEOUT}}};

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::u16string_view Trimmed(std::u16string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && (IsSpace(s.back()) || s.back() == u'\r')) s.remove_suffix(1);
  return s;
}

bool StartsAddress(std::u16string_view s) {
  for (std::u16string_view scheme : {u"http://", u"https://", u"ftp://", u"file://", u"mailto:", u"www."})
    if (s.starts_with(scheme)) return true;
  return false;
}

// The text a bracketed link shows: "[label target]" its label, "[target]" and "[""file"".ext]" the
// target without the quotes; nullopt when the brackets are no link.
std::optional<std::u16string> LinkText(std::u16string_view inner) {
  const size_t space = inner.find_last_of(u' ');
  const std::u16string_view target = space == inner.npos ? inner : inner.substr(space + 1);
  if (!StartsAddress(target) && !target.starts_with(u"\"\"")) return std::nullopt;
  const std::u16string_view label =
      space == inner.npos ? std::u16string_view() : Trimmed(inner.substr(0, space));
  if (!label.empty()) return std::u16string(label);
  std::u16string shown;
  for (size_t i = 0; i < target.size(); ++i)
    if (target[i] != u'"') shown += target[i];
  return shown;
}

// Whether a marker opening at `at` is closed later on the line (after a non-space).
bool IsClosedLater(std::u16string_view line, size_t at, std::u16string_view mark) {
  for (size_t k = line.find(mark, at + 3); k != line.npos; k = line.find(mark, k + 1))
    if (!IsSpace(line[k - 1])) return true;
  return false;
}

class CInlineReader {
 public:
  std::vector<SSpan> Read(std::u16string_view line) {
    for (size_t i = 0; i < line.size();) i = Step(line, i);
    Flush();
    return std::move(m_Spans);
  }

 private:
  size_t Step(std::u16string_view line, size_t i) {
    const bool wordStart = i == 0 || IsSpace(line[i - 1]);
    if (wordStart && StartsAddress(line.substr(i))) {
      const size_t end = std::min(line.size(), line.find_first_of(u" \t", i));
      m_Text += line.substr(i, end - i);
      return end;
    }
    if (line[i] == u'[') {
      const size_t close = line.find(u']', i + 1);
      if (close != line.npos) {
        if (const auto text = LinkText(line.substr(i + 1, close - i - 1))) {
          m_Text += *text;
          return close + 1;
        }
      }
    }
    for (const SMarker& marker : kMarkers) {
      if (!line.substr(i).starts_with(marker.mark)) continue;
      const bool on = (m_Effects & marker.effect) != 0;
      if (on && i > 0 && !IsSpace(line[i - 1])) return Toggle(marker.effect, i);
      if (!on && i + 2 < line.size() && !IsSpace(line[i + 2]) && IsClosedLater(line, i, marker.mark))
        return Toggle(marker.effect, i);
    }
    m_Text += line[i];
    return i + 1;
  }

  size_t Toggle(uint32_t effect, size_t at) {
    Flush();
    m_Effects ^= effect;
    return at + 2;
  }

  void Flush() {
    if (!m_Text.empty()) m_Spans.push_back({std::move(m_Text), m_Effects});
    m_Text.clear();
  }

  std::vector<SSpan> m_Spans;
  std::u16string m_Text;
  uint32_t m_Effects = 0;
};

struct SLine {
  EBlock kind = EBlock::Body;
  std::u16string_view text;
};

// "= a =" and "== a ==": the same number of "=" on both sides.
std::optional<SLine> Heading(std::u16string_view line) {
  const std::u16string_view t = Trimmed(line);
  size_t level = 0;
  while (level < t.size() && t[level] == u'=') ++level;
  if (level == 0 || level > 5 || t.size() < 2 * level + 1) return std::nullopt;
  if (t.substr(t.size() - level) != t.substr(0, level) || t[t.size() - level - 1] == u'=')
    return std::nullopt;
  const std::u16string_view inner = Trimmed(t.substr(level, t.size() - 2 * level));
  if (inner.empty()) return std::nullopt;
  return SLine{level == 1 ? EBlock::Heading1 : EBlock::Heading2, inner};
}

SLine LineOf(std::u16string_view line) {
  while (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
  if (const auto heading = Heading(line)) return *heading;
  std::u16string_view t = line;
  while (!t.empty() && IsSpace(t.front())) t.remove_prefix(1);
  if (t.starts_with(u"- ")) return {EBlock::Bullet, t.substr(2)};
  if (t.starts_with(u"+ ")) return {EBlock::Numbered, t.substr(2)};
  return {EBlock::Body, line};
}

std::vector<std::u16string_view> Lines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find(u'\n', start);
    lines.push_back(text.substr(start, end == text.npos ? text.npos : end - start));
    if (end == text.npos) break;
    start = end + 1;
  }
  while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
  return lines;
}

}  // namespace

RichContent RedNotebookCommentary(std::u16string_view text, const std::vector<SCategory>& categories,
                                  const CCommentaryFormats& formats) {
  RichContent content;
  int number = 0;
  for (const std::u16string_view raw : Lines(text)) {
    const SLine line = LineOf(raw);
    number = line.kind == EBlock::Numbered ? number + 1 : 0;
    RichParagraph paragraph = formats.Paragraph(line.kind, number);
    for (SSpan& span : CInlineReader().Read(line.text))
      paragraph.runs.push_back({formats.Run(line.kind, span.effects), std::move(span.text)});
    content.paragraphs.push_back(std::move(paragraph));
  }
  for (const SCategory& category : categories) {
    std::u16string line = category.name;
    for (size_t i = 0; i < category.entries.size(); ++i)
      line += (i == 0 ? u": " : u", ") + category.entries[i];
    RichParagraph paragraph = formats.Paragraph(EBlock::Body);
    paragraph.runs.push_back({formats.Run(EBlock::Body, 0), std::move(line)});
    content.paragraphs.push_back(std::move(paragraph));
  }
  return content;
}

std::string RedNotebookNote(std::u16string_view text) {
  for (const std::u16string_view raw : Lines(text)) {
    if (Trimmed(raw).empty()) continue;
    std::u16string plain;
    for (const SSpan& span : CInlineReader().Read(LineOf(raw).text)) plain += span.text;
    return CutNote(ImportedNote(plain));
  }
  return {};
}

}  // namespace orv
