#include "richtext/RichEditCtrl.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <new>
#include <vector>

#include "core/Cp1250.h"
#include "richtext/RichDocument.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace orv {
namespace {

uint32_t UniformCharMask(const RunFormat& a, const RunFormat& b) {
  uint32_t mask = CFM_ALL;
  for (uint32_t bit : {CFM_BOLD, CFM_ITALIC, CFM_UNDERLINE, CFM_STRIKEOUT, CFM_PROTECTED})
    if ((a.effects & bit) != (b.effects & bit)) mask &= ~bit;  // CFM_ and CFE_ bits agree
  const bool autoA = a.effects & CFE_AUTOCOLOR, autoB = b.effects & CFE_AUTOCOLOR;
  if (autoA != autoB || (!autoA && a.colour != b.colour)) mask &= ~CFM_COLOR;
  if (a.height != b.height) mask &= ~CFM_SIZE;
  if (a.face != b.face) mask &= ~CFM_FACE;
  if (a.charset != b.charset) mask &= ~CFM_CHARSET;
  return mask;
}

uint32_t UniformParaMask(const ParaFormat& a, const ParaFormat& b) {
  uint32_t mask = PFM_ALL;
  auto check = [&](bool same, uint32_t bit) {
    if (!same) mask &= ~bit;
  };
  check(a.startIndent == b.startIndent, PFM_STARTINDENT);
  check(a.rightIndent == b.rightIndent, PFM_RIGHTINDENT);
  check(a.offset == b.offset, PFM_OFFSET);
  check(a.alignment == b.alignment, PFM_ALIGNMENT);
  check(a.tabCount == b.tabCount && a.tabs == b.tabs, PFM_TABSTOPS);
  check(a.numbering == b.numbering, PFM_NUMBERING);
  check(a.spaceBefore == b.spaceBefore, PFM_SPACEBEFORE);
  check(a.spaceAfter == b.spaceAfter, PFM_SPACEAFTER);
  check(a.lineSpacing == b.lineSpacing && a.lineSpacingRule == b.lineSpacingRule, PFM_LINESPACING);
  check(a.numberingStyle == b.numberingStyle, PFM_NUMBERINGSTYLE);
  check(a.numberingTab == b.numberingTab, PFM_NUMBERINGTAB);
  check(a.numberingStart == b.numberingStart, PFM_NUMBERINGSTART);
  return mask;
}

RunFormat ApplyCharFormat(RunFormat f, const CharFormat& change) {
  const RunFormat given = ToRunFormat(change);
  for (uint32_t bit : {CFM_BOLD, CFM_ITALIC, CFM_UNDERLINE, CFM_STRIKEOUT, CFM_PROTECTED})
    if (change.mask & bit) f.effects = (f.effects & ~bit) | (given.effects & bit);
  if (change.mask & CFM_COLOR) {
    f.effects = (f.effects & ~CFE_AUTOCOLOR) | (given.effects & CFE_AUTOCOLOR);
    f.colour = given.colour;
  }
  if (change.mask & CFM_SIZE) f.height = given.height;
  if (change.mask & CFM_FACE) f.face = given.face;
  if (change.mask & CFM_CHARSET) f.charset = given.charset;
  return f;
}

ParaFormat ApplyParaFormat(ParaFormat f, const ParaFormat& change) {
  const uint32_t m = change.mask;
  if (m & PFM_STARTINDENT)
    f.startIndent = change.startIndent;
  else if (m & PFM_OFFSETINDENT)
    f.startIndent += change.startIndent;
  if (m & PFM_RIGHTINDENT) f.rightIndent = change.rightIndent;
  if (m & PFM_OFFSET) f.offset = change.offset;
  if (m & PFM_ALIGNMENT) f.alignment = change.alignment;
  if (m & PFM_TABSTOPS) {
    f.tabCount = std::clamp<int16_t>(change.tabCount, 0, kMaxTabStops);
    f.tabs = {};
    std::copy_n(change.tabs.begin(), f.tabCount, f.tabs.begin());
  }
  if (m & PFM_NUMBERING) f.numbering = change.numbering;
  if (m & PFM_SPACEBEFORE) f.spaceBefore = change.spaceBefore;
  if (m & PFM_SPACEAFTER) f.spaceAfter = change.spaceAfter;
  if (m & PFM_LINESPACING) {
    f.lineSpacing = change.lineSpacing;
    f.lineSpacingRule = change.lineSpacingRule;
  }
  if (m & PFM_NUMBERINGSTYLE) f.numberingStyle = change.numberingStyle;
  if (m & PFM_NUMBERINGTAB) f.numberingTab = change.numberingTab;
  if (m & PFM_NUMBERINGSTART) f.numberingStart = change.numberingStart;
  f.mask = 0;
  return f;
}

// The lines of a block: as laid out when a view has laid it out, else split at line breaks only.
std::vector<int> LineStarts(const QTextBlock& block) {
  std::vector<int> starts;
  const QTextLayout* layout = block.layout();
  if (layout && layout->lineCount() > 0) {
    for (int i = 0; i < layout->lineCount(); ++i)
      starts.push_back(block.position() + layout->lineAt(i).textStart());
    return starts;
  }
  starts.push_back(block.position());
  const QString text = block.text();
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i].unicode() == kLineBreak) starts.push_back(block.position() + static_cast<int>(i) + 1);
  return starts;
}

}  // namespace

CharFormat ToCharFormat(const RunFormat& f, uint32_t mask) {
  CharFormat c;
  c.mask = mask;
  c.effects = f.effects;
  c.height = f.height;
  c.colour = f.colour;
  c.charset = f.charset;
  c.face = Cp1250FromUtf16(f.face);
  return c;
}

RunFormat ToRunFormat(const CharFormat& c) {
  RunFormat f;
  f.effects = c.effects;
  f.height = c.height;
  f.colour = c.colour;
  f.charset = c.charset;
  f.face = Cp1250ToUtf16(c.face);
  return f;
}

CRichEditCtrl::CRichEditCtrl()
    : m_Document(std::make_unique<QTextDocument>()),
      m_Cursor(std::make_unique<QTextCursor>(m_Document.get())) {
  StreamIn({});
}

CRichEditCtrl::~CRichEditCtrl() = default;

std::string CRichEditCtrl::StreamOut() const {
  return WriteRtf(
      [this](const RichParagraphVisitor& visit) { WalkRichContent(*m_Document, 0, GetTextLength(), visit); });
}

bool CRichEditCtrl::StreamIn(std::string_view rtf) {
  m_Document->setUndoRedoEnabled(false);
  bool loaded = false;
  try {
    Empty();
    if (Fits({rtf})) {
      CRichDocumentBuilder builder(*m_Document);
      loaded = ReadRtf(rtf, builder);
      if (loaded) builder.Finish();
    }
  } catch (const std::bad_alloc&) {
    loaded = false;
  }
  if (!loaded) Empty();
  m_Document->setUndoRedoEnabled(true);
  m_Document->setModified(false);
  ResetCaret();
  return loaded;
}

void CRichEditCtrl::ResetCaret() {
  *m_Cursor = QTextCursor(m_Document.get());
}

void CRichEditCtrl::Empty() {
  m_Document->clear();
  QTextCursor cursor(m_Document.get());
  cursor.setBlockFormat(ToQtBlockFormat(ParaFormat{}));
  cursor.setBlockCharFormat(ToQtCharFormat(DefaultRunFormat()));
}

int CRichEditCtrl::GetTextLength() const {
  return m_Document->characterCount() - 1;
}

std::string CRichEditCtrl::GetText() const {
  return PlainTextOf(*m_Document, 0, GetTextLength());
}

void CRichEditCtrl::SetSel(int start, int end) {
  const int length = GetTextLength();
  if (start < 0) {
    m_Cursor->setPosition(Selection().max);
    return;
  }
  if (end < 0 || end > length) end = length;
  start = std::min(start, length);
  if (start > end) std::swap(start, end);
  m_Cursor->setPosition(start);
  m_Cursor->setPosition(end, QTextCursor::KeepAnchor);
}

CharRange CRichEditCtrl::Selection() const {
  return {m_Cursor->selectionStart(), m_Cursor->selectionEnd()};
}

CharRange CRichEditCtrl::GetSel() const {
  return Selection();
}

std::string CRichEditCtrl::GetSelText() const {
  const CharRange sel = Selection();
  return PlainTextOf(*m_Document, sel.min, sel.max);
}

void CRichEditCtrl::ReplaceSel(std::string_view text) {
  const CharRange sel = Selection();
  QTextCharFormat format = m_Cursor->charFormat();
  if (sel.max > sel.min) {
    QTextCursor first(m_Document.get());
    first.setPosition(sel.min + 1);
    format = first.charFormat();
  }
  m_Cursor->beginEditBlock();
  m_Cursor->removeSelectedText();
  QString segment;
  auto flush = [&] {
    if (!segment.isEmpty()) m_Cursor->insertText(segment, format);
    segment.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      flush();
      m_Cursor->insertBlock(m_Cursor->blockFormat(), format);
    } else if (c == '\v') {
      segment.append(QChar(kLineBreak));
    } else if (c == '\0') {
      segment.append(QChar(0xFFFD));
    } else {
      segment.append(QChar(Cp1250ToUnicode(static_cast<unsigned char>(c))));
    }
  }
  flush();
  m_Cursor->endEditBlock();
}

int CRichEditCtrl::LineFromChar(int pos) const {
  if (pos < 0) pos = m_Cursor->position();
  pos = std::clamp(pos, 0, GetTextLength());
  int line = 0;
  const QTextBlock target = m_Document->findBlock(pos);
  for (QTextBlock block = m_Document->begin(); block.isValid(); block = block.next()) {
    const std::vector<int> starts = LineStarts(block);
    if (block == target)
      return line + static_cast<int>(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) -
             1;
    line += static_cast<int>(starts.size());
  }
  return line;
}

int CRichEditCtrl::LineIndex(int line) const {
  if (line < 0) line = LineFromChar(-1);
  for (QTextBlock block = m_Document->begin(); block.isValid(); block = block.next()) {
    const std::vector<int> starts = LineStarts(block);
    if (line < static_cast<int>(starts.size())) return starts[static_cast<size_t>(line)];
    line -= static_cast<int>(starts.size());
  }
  return -1;
}

CharFormat CRichEditCtrl::GetSelectionCharFormat() const {
  const CharRange sel = Selection();
  if (sel.min == sel.max) return ToCharFormat(RunFormatOf(m_Cursor->charFormat()), CFM_ALL);
  const RichContent piece = ExtractRichContent(*m_Document, sel.min, sel.max);
  const RunFormat* first = nullptr;
  uint32_t mask = CFM_ALL;
  for (const RichParagraph& p : piece.paragraphs)
    for (const RichRun& r : p.runs) {
      if (!first) first = &r.format;
      mask &= UniformCharMask(*first, r.format);
    }
  if (!first) return ToCharFormat(RunFormatOf(m_Cursor->charFormat()), CFM_ALL);  // only paragraph marks
  return ToCharFormat(*first, mask);
}

void CRichEditCtrl::SetSelectionCharFormat(const CharFormat& format) {
  const CharRange sel = Selection();
  if (sel.min == sel.max) {
    const QTextCharFormat typing =
        ToQtCharFormat(ApplyCharFormat(RunFormatOf(m_Cursor->charFormat()), format));
    m_Cursor->setCharFormat(typing);
    if (m_Cursor->block().length() == 1) m_Cursor->setBlockCharFormat(typing);
    return;
  }
  struct Span {
    int begin, end;
    QTextCharFormat format;
  };
  std::vector<Span> spans;
  for (QTextBlock block = m_Document->findBlock(sel.min); block.isValid() && block.position() < sel.max;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int begin = std::max(sel.min, fragment.position());
      const int end = std::min(sel.max, fragment.position() + fragment.length());
      if (begin < end)
        spans.push_back(
            {begin, end, ToQtCharFormat(ApplyCharFormat(RunFormatOf(fragment.charFormat()), format))});
    }
    // An empty paragraph wholly inside the selection takes the format for what is typed into it.
    if (block.length() == 1 && block.position() >= sel.min)
      QTextCursor(block).setBlockCharFormat(
          ToQtCharFormat(ApplyCharFormat(RunFormatOf(block.charFormat()), format)));
  }
  QTextCursor cursor(m_Document.get());
  cursor.beginEditBlock();
  for (const Span& s : spans) {
    cursor.setPosition(s.begin);
    cursor.setPosition(s.end, QTextCursor::KeepAnchor);
    cursor.setCharFormat(s.format);
  }
  cursor.endEditBlock();
}

// The paragraphs a selection touches; a selection that ends at the start of a paragraph does not
// touch it.
std::vector<QTextBlock> CRichEditCtrl::TouchedParagraphs() const {
  const CharRange sel = Selection();
  std::vector<QTextBlock> blocks;
  for (QTextBlock block = m_Document->findBlock(sel.min); block.isValid(); block = block.next()) {
    if (!blocks.empty() && block.position() >= sel.max) break;
    blocks.push_back(block);
  }
  return blocks;
}

ParaFormat CRichEditCtrl::GetParaFormat() const {
  const std::vector<QTextBlock> blocks = TouchedParagraphs();
  ParaFormat first = ParaFormatOf(blocks.front().blockFormat());
  uint32_t mask = PFM_ALL;
  for (const QTextBlock& block : blocks) mask &= UniformParaMask(first, ParaFormatOf(block.blockFormat()));
  first.mask = mask;
  return first;
}

void CRichEditCtrl::SetParaFormat(const ParaFormat& format) {
  QTextCursor cursor(m_Document.get());
  cursor.beginEditBlock();
  for (const QTextBlock& block : TouchedParagraphs()) {
    cursor.setPosition(block.position());
    cursor.setBlockFormat(ToQtBlockFormat(ApplyParaFormat(ParaFormatOf(block.blockFormat()), format)));
  }
  cursor.endEditBlock();
}

bool CRichEditCtrl::GetModify() const {
  return m_Document->isModified();
}

void CRichEditCtrl::SetModify(bool modified) {
  m_Document->setModified(modified);
}

RichContent CRichEditCtrl::CopySelection() const {
  const CharRange sel = Selection();
  return ExtractRichContent(*m_Document, sel.min, sel.max);
}

void CRichEditCtrl::InsertAtCaret(const RichContent& piece) {
  InsertRichContent(*m_Cursor, piece);
}

void CRichEditCtrl::SetRedraw(bool on) {
  m_RedrawOn = on;
  if (m_RedrawHandler) m_RedrawHandler(on);
}

}  // namespace orv
