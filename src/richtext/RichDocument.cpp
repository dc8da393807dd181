#include "richtext/RichDocument.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextOption>
#include <cmath>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/Cp1250.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

// Custom properties of the character and block formats.
enum : int {
  kCharHeight = QTextFormat::UserProperty + 1,
  kCharCharset,
  kCharEffects,  // the CFE_ bits Qt has no property for: protected, automatic colour
  kCharColour,
  kCharFace,
  kParaStartIndent = QTextFormat::UserProperty + 20,
  kParaRightIndent,
  kParaOffset,
  kParaAlignment,
  kParaTabs,
  kParaSpaceBefore,
  kParaSpaceAfter,
  kParaLineSpacing,
  kParaLineSpacingRule,
  kParaNumbering,
  kParaNumberingStyle,
  kParaNumberingStart,
  kParaNumberingTab,
};

constexpr uint32_t kOwnEffects = CFE_PROTECTED | CFE_AUTOCOLOR;
constexpr double kTwipsPerPixel = 15.0;  // 1440 twips an inch at 96 pixels an inch

QString ToQString(const std::u16string& s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

std::u16string ToU16(const QString& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size()));
}

uint32_t ColourRef(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
         static_cast<uint32_t>(c.blue()) << 16;
}

// Characters a document must not get from content: they would make blocks or objects of text.
char16_t Sanitised(char16_t c) {
  switch (c) {
    case u'\r':
    case u'\n':
    case 0x2029:
      return kLineBreak;
    case 0:
    case 0xFFFC:
    case 0xFDD0:
    case 0xFDD1:
      return 0xFFFD;
    default:
      return c;
  }
}

struct RunFormatHash {
  size_t operator()(const RunFormat& f) const {
    size_t h = std::hash<std::u16string>()(f.face);
    for (uint32_t v : {f.effects, static_cast<uint32_t>(f.height), f.colour, uint32_t{f.charset}})
      h = h * 1000003u ^ v;
    return h;
  }
};

}  // namespace

QTextCharFormat ToQtCharFormat(const RunFormat& f) {
  QTextCharFormat q;
  q.setProperty(kCharHeight, f.height);
  q.setProperty(kCharCharset, int{f.charset});
  q.setProperty(kCharEffects, static_cast<int>(f.effects & kOwnEffects));
  q.setProperty(kCharColour, static_cast<int>(f.colour));
  q.setProperty(kCharFace, ToQString(f.face));
  if (!f.face.empty()) q.setFontFamilies({ToQString(f.face)});
  if (f.height > 0) q.setFontPointSize(f.height / 20.0);
  q.setFontWeight(f.effects & CFE_BOLD ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.effects & CFE_ITALIC);
  q.setFontUnderline(f.effects & CFE_UNDERLINE);
  q.setFontStrikeOut(f.effects & CFE_STRIKEOUT);
  if (!(f.effects & CFE_AUTOCOLOR))
    q.setForeground(QColor(static_cast<int>(f.colour & 0xFF), static_cast<int>((f.colour >> 8) & 0xFF),
                           static_cast<int>((f.colour >> 16) & 0xFF)));
  return q;
}

RunFormat RunFormatOf(const QTextCharFormat& q) {
  RunFormat f;
  f.effects = 0;
  if (q.fontWeight() >= QFont::DemiBold) f.effects |= CFE_BOLD;
  if (q.fontItalic()) f.effects |= CFE_ITALIC;
  if (q.fontUnderline()) f.effects |= CFE_UNDERLINE;
  if (q.fontStrikeOut()) f.effects |= CFE_STRIKEOUT;
  if (q.hasProperty(kCharHeight)) {
    f.height = q.intProperty(kCharHeight);
    f.charset = static_cast<uint8_t>(q.intProperty(kCharCharset));
    f.effects |= static_cast<uint32_t>(q.intProperty(kCharEffects)) & kOwnEffects;
    f.colour = static_cast<uint32_t>(q.intProperty(kCharColour));
    f.face = ToU16(q.stringProperty(kCharFace));
    return f;
  }
  // Text that came without our properties, from Qt itself.
  f.height = q.fontPointSize() > 0 ? static_cast<int32_t>(std::lround(q.fontPointSize() * 20)) : 200;
  f.charset = kCharsetEastEurope;
  const QStringList families = q.fontFamilies().toStringList();
  if (!families.isEmpty()) f.face = ToU16(families.front());
  if (q.hasProperty(QTextFormat::ForegroundBrush) && q.foreground().style() != Qt::NoBrush)
    f.colour = ColourRef(q.foreground().color());
  else
    f.effects |= CFE_AUTOCOLOR;
  return f;
}

QTextBlockFormat ToQtBlockFormat(const ParaFormat& p) {
  QTextBlockFormat q;
  q.setProperty(kParaStartIndent, p.startIndent);
  q.setProperty(kParaRightIndent, p.rightIndent);
  q.setProperty(kParaOffset, p.offset);
  q.setProperty(kParaAlignment, int{p.alignment});
  QList<int> tabs;
  QList<QTextOption::Tab> qtTabs;
  for (int i = 0; i < p.tabCount && i < kMaxTabStops; ++i) {
    tabs.append(p.tabs[static_cast<size_t>(i)]);
    qtTabs.append(QTextOption::Tab(p.tabs[static_cast<size_t>(i)] / kTwipsPerPixel, QTextOption::LeftTab));
  }
  q.setProperty(kParaTabs, QVariant::fromValue(tabs));
  q.setProperty(kParaSpaceBefore, p.spaceBefore);
  q.setProperty(kParaSpaceAfter, p.spaceAfter);
  q.setProperty(kParaLineSpacing, p.lineSpacing);
  q.setProperty(kParaLineSpacingRule, int{p.lineSpacingRule});
  q.setProperty(kParaNumbering, int{p.numbering});
  q.setProperty(kParaNumberingStyle, int{p.numberingStyle});
  q.setProperty(kParaNumberingStart, int{p.numberingStart});
  q.setProperty(kParaNumberingTab, int{p.numberingTab});

  q.setLeftMargin((static_cast<double>(p.startIndent) + p.offset) / kTwipsPerPixel);
  q.setTextIndent(-static_cast<double>(p.offset) / kTwipsPerPixel);
  q.setRightMargin(p.rightIndent / kTwipsPerPixel);
  q.setTopMargin(p.spaceBefore / kTwipsPerPixel);
  q.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
  switch (p.alignment) {
    case PFA_RIGHT:
      q.setAlignment(Qt::AlignRight);
      break;
    case PFA_CENTER:
      q.setAlignment(Qt::AlignHCenter);
      break;
    case PFA_JUSTIFY:
      q.setAlignment(Qt::AlignJustify);
      break;
    default:
      q.setAlignment(Qt::AlignLeft);
      break;
  }
  if (!qtTabs.isEmpty()) q.setTabPositions(qtTabs);
  switch (p.lineSpacingRule) {
    case kSpacingOneAndHalf:
      q.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
      break;
    case kSpacingDouble:
      q.setLineHeight(200, QTextBlockFormat::ProportionalHeight);
      break;
    case kSpacingAtLeast:
      q.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
      break;
    case kSpacingExactly:
      q.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
      break;
    case kSpacingTwentieths:
      if (p.lineSpacing > 0) q.setLineHeight(p.lineSpacing * 5.0, QTextBlockFormat::ProportionalHeight);
      break;
    default:
      break;
  }
  return q;
}

ParaFormat ParaFormatOf(const QTextBlockFormat& q) {
  ParaFormat p;
  if (!q.hasProperty(kParaStartIndent)) {  // a block Qt made without our properties
    p.offset = static_cast<int32_t>(std::lround(-q.textIndent() * kTwipsPerPixel));
    p.startIndent = static_cast<int32_t>(std::lround(q.leftMargin() * kTwipsPerPixel)) - p.offset;
    p.rightIndent = static_cast<int32_t>(std::lround(q.rightMargin() * kTwipsPerPixel));
    p.spaceBefore = static_cast<int32_t>(std::lround(q.topMargin() * kTwipsPerPixel));
    p.spaceAfter = static_cast<int32_t>(std::lround(q.bottomMargin() * kTwipsPerPixel));
    const Qt::Alignment a = q.alignment() & Qt::AlignHorizontal_Mask;
    p.alignment = a & Qt::AlignRight     ? PFA_RIGHT
                  : a & Qt::AlignHCenter ? PFA_CENTER
                  : a & Qt::AlignJustify ? PFA_JUSTIFY
                                         : PFA_LEFT;
    return p;
  }
  p.startIndent = q.intProperty(kParaStartIndent);
  p.rightIndent = q.intProperty(kParaRightIndent);
  p.offset = q.intProperty(kParaOffset);
  p.alignment = static_cast<uint16_t>(q.intProperty(kParaAlignment));
  const QList<int> tabs = q.property(kParaTabs).value<QList<int>>();
  for (int t : tabs)
    if (p.tabCount < kMaxTabStops) p.tabs[static_cast<size_t>(p.tabCount++)] = t;
  p.spaceBefore = q.intProperty(kParaSpaceBefore);
  p.spaceAfter = q.intProperty(kParaSpaceAfter);
  p.lineSpacing = q.intProperty(kParaLineSpacing);
  p.lineSpacingRule = static_cast<uint8_t>(q.intProperty(kParaLineSpacingRule));
  p.numbering = static_cast<uint16_t>(q.intProperty(kParaNumbering));
  p.numberingStyle = static_cast<uint16_t>(q.intProperty(kParaNumberingStyle));
  p.numberingStart = static_cast<uint16_t>(q.intProperty(kParaNumberingStart));
  p.numberingTab = static_cast<uint16_t>(q.intProperty(kParaNumberingTab));
  return p;
}

namespace {

// Makes the QTextCharFormat of each run format once.
class CQtFormats {
 public:
  const QTextCharFormat& Of(const RunFormat& f) {
    auto it = m_Formats.find(f);
    if (it == m_Formats.end()) it = m_Formats.emplace(f, ToQtCharFormat(f)).first;
    return it->second;
  }

 private:
  std::unordered_map<RunFormat, QTextCharFormat, RunFormatHash> m_Formats;
};

void InsertText(QTextCursor& cursor, std::u16string_view units, const QTextCharFormat& format) {
  QString text(static_cast<qsizetype>(units.size()), Qt::Uninitialized);
  for (size_t k = 0; k < units.size(); ++k) text[static_cast<qsizetype>(k)] = QChar(Sanitised(units[k]));
  cursor.insertText(text, format);
}

}  // namespace

struct CRichDocumentBuilder::SState {
  explicit SState(QTextDocument& document) : cursor(&document) {}
  QTextCursor cursor;
  CQtFormats formats;
  // The formats the current block has; a new block starts with those of the one before, which the
  // next paragraph mostly has too.
  std::pair<ParaFormat, RunFormat> current{ParaFormat{}, CRichEditCtrl::DefaultRunFormat()};
  QTextBlockFormat currentBlockFormat = ToQtBlockFormat(ParaFormat{});
  bool ended = false;  // the current block has ended: the next text starts a new one
  bool finished = false;
};

CRichDocumentBuilder::CRichDocumentBuilder(QTextDocument& document)
    : m_State(std::make_unique<SState>(document)) {
  m_State->cursor.movePosition(QTextCursor::End);
  m_State->cursor.beginEditBlock();
}

CRichDocumentBuilder::~CRichDocumentBuilder() {
  if (!m_State->finished) m_State->cursor.endEditBlock();
}

void CRichDocumentBuilder::StartParagraph() {
  if (!m_State->ended) return;
  m_State->cursor.insertBlock(m_State->currentBlockFormat, m_State->formats.Of(m_State->current.second));
  m_State->ended = false;
}

void CRichDocumentBuilder::Run(const RunFormat& format, std::u16string_view text) {
  StartParagraph();
  InsertText(m_State->cursor, text, m_State->formats.Of(format));
}

void CRichDocumentBuilder::EndParagraph(const ParaFormat& format, const RunFormat& mark) {
  StartParagraph();
  if (!(m_State->current.first == format)) {
    m_State->current.first = format;
    m_State->currentBlockFormat = ToQtBlockFormat(format);
    m_State->cursor.setBlockFormat(m_State->currentBlockFormat);
  }
  if (!(m_State->current.second == mark)) {
    m_State->current.second = mark;
    m_State->cursor.setBlockCharFormat(m_State->formats.Of(mark));
  }
  m_State->ended = true;
}

void CRichDocumentBuilder::Finish() {
  m_State->cursor.endEditBlock();
  m_State->finished = true;
}

void InsertRichContent(QTextCursor& cursor, const RichContent& content) {
  if (content.paragraphs.empty()) {
    cursor.removeSelectedText();
    return;
  }
  CQtFormats formats;
  auto qtFormat = [&](const RunFormat& f) -> const QTextCharFormat& { return formats.Of(f); };
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  const QTextBlockFormat targetFormat = cursor.blockFormat();
  const QTextCharFormat targetMark = cursor.block().charFormat();
  const bool emptyBefore = cursor.atBlockStart();
  const bool emptyAfter = cursor.atBlockEnd();
  const size_t count = content.paragraphs.size();
  for (size_t i = 0; i < count; ++i) {
    const RichParagraph& p = content.paragraphs[i];
    if (i > 0) {
      const RichParagraph& ended = content.paragraphs[i - 1];
      cursor.setBlockFormat(ToQtBlockFormat(ended.format));
      cursor.setBlockCharFormat(qtFormat(ended.mark));
      cursor.insertBlock(targetFormat, targetMark);
    }
    for (const RichRun& run : p.runs)
      if (!run.text.empty()) InsertText(cursor, run.text, qtFormat(run.format));
  }
  const bool landsInEmpty = emptyAfter && (count > 1 || emptyBefore);
  if (content.lastParagraphWhole && landsInEmpty) {
    cursor.setBlockFormat(ToQtBlockFormat(content.paragraphs.back().format));
    cursor.setBlockCharFormat(qtFormat(content.paragraphs.back().mark));
  }
  cursor.endEditBlock();
}

bool WalkRichContent(const QTextDocument& document, int from, int to,
                     const std::function<void(const RichParagraph&)>& visit) {
  std::unordered_map<int, RunFormat> formats;  // by the document's format index
  auto runFormat = [&](const QTextFragment& fragment) -> const RunFormat& {
    auto it = formats.find(fragment.charFormatIndex());
    if (it == formats.end())
      it = formats.emplace(fragment.charFormatIndex(), RunFormatOf(fragment.charFormat())).first;
    return it->second;
  };
  std::unordered_map<int, ParaFormat> paraFormats;  // by the document's format index
  RichParagraph p;
  for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
    p.runs.clear();
    auto format = paraFormats.find(block.blockFormatIndex());
    if (format == paraFormats.end())
      format = paraFormats.emplace(block.blockFormatIndex(), ParaFormatOf(block.blockFormat())).first;
    p.format = format->second;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int begin = std::max(from, fragment.position());
      const int end = std::min(to, fragment.position() + fragment.length());
      if (begin >= end) continue;
      const RunFormat& f = runFormat(fragment);
      if (p.runs.empty() || !(p.runs.back().format == f)) p.runs.push_back({f, {}});
      const QString text = fragment.text();
      p.runs.back().text.append(
          reinterpret_cast<const char16_t*>(text.utf16()) + (begin - fragment.position()),
          static_cast<size_t>(end - begin));
    }
    if (p.runs.empty()) {
      auto mark = formats.find(block.charFormatIndex());
      if (mark == formats.end())
        mark = formats.emplace(block.charFormatIndex(), RunFormatOf(block.charFormat())).first;
      p.mark = mark->second;
    } else {
      p.mark = p.runs.back().format;
    }
    visit(p);
    const int blockEnd = block.position() + block.length() - 1;  // its paragraph mark
    if (to <= blockEnd) return to == blockEnd;
  }
  return true;
}

RichContent ExtractRichContent(const QTextDocument& document, int from, int to) {
  RichContent content;
  content.lastParagraphWhole =
      WalkRichContent(document, from, to, [&](const RichParagraph& p) { content.paragraphs.push_back(p); });
  return content;
}

std::string PlainTextOf(const QTextDocument& document, int from, int to) {
  std::string out;
  if (to <= from) return out;
  out.reserve(static_cast<size_t>(to - from));
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
       block = block.next()) {
    const QString text = block.text();
    const int begin = std::max(from, block.position());
    const int end = std::min(to, block.position() + static_cast<int>(text.size()));
    for (int pos = begin; pos < end; ++pos) {
      const char16_t c = text[pos - block.position()].unicode();
      out.push_back(static_cast<char>(c == kLineBreak ? '\v' : c == 0xFFFC ? ' ' : UnicodeToCp1250(c)));
    }
    if (block.position() + text.size() < to && block.next().isValid()) out.push_back('\r');
  }
  return out;
}

}  // namespace orv
