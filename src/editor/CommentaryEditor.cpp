#include "editor/CommentaryEditor.h"

#include <QFontDatabase>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <cstdio>

#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "document/StyleSets.h"
#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "editor/UndoStep.h"

namespace orv {
namespace {

QString QtFace(std::string_view face) {
  const std::u16string utf16 = Cp1250ToUtf16(face);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

bool IsInstalledFace(std::string_view face) {
  return !face.empty() && QFontDatabase::families().contains(QtFace(face));
}

bool IsSymbolFace(std::string_view face) {
  return !face.empty() && QFontDatabase::writingSystems(QtFace(face)).contains(QFontDatabase::Symbol);
}

// A message with one Windows-1250 name put in place of %s.
std::string WithName(std::string_view utf8Format, std::string_view cp1250Name) {
  std::string text(utf8Format);
  text.replace(text.find("%s"), 2, Cp1250ToUtf8(cp1250Name));
  return text;
}

// A view lays its document out again after every change, and a commentary goes in as many changes
// (emptied, its paragraphs, the spelling underlines of each): the view lays it out once, when it
// is all in, and then only as far as it shows. A document of null page size is not laid out.
class CLayoutPause {
 public:
  explicit CLayoutPause(QTextDocument& document) : m_Document(document), m_PageSize(document.pageSize()) {
    m_Document.setPageSize(QSizeF(0, 0));
  }
  ~CLayoutPause() { m_Document.setPageSize(m_PageSize); }
  CLayoutPause(const CLayoutPause&) = delete;
  CLayoutPause& operator=(const CLayoutPause&) = delete;

 private:
  QTextDocument& m_Document;
  QSizeF m_PageSize;
};

}  // namespace

CCommentaryEditor::CCommentaryEditor(CTedDoc& doc, IUiServices& ui) : m_Doc(doc), m_Ui(ui) {}

void CCommentaryEditor::SetStatusHandler(std::function<void(int, std::string)> handler) {
  m_StatusHandler = std::move(handler);
}

bool CCommentaryEditor::StreamInFromText(std::string_view rtf) {
  bool loaded = false;
  {
    const CLayoutPause pause(*m_Ctrl.Document());
    loaded = m_Ctrl.StreamIn(rtf.substr(0, rtf.find('\0')));
  }
  if (!loaded) m_Ui.MessageBox("Výklad je příliš velký");
  NotifySelection();
  return loaded;
}

CCommentaryText CCommentaryEditor::StoreCommentary() const {
  CCommentaryText commentary;
  commentary.text = m_Ctrl.GetText();
  if (!commentary.text.empty()) commentary.rtf = m_Ctrl.StreamOut();
  return commentary;
}

void CCommentaryEditor::DoInitialUpdate(std::string_view baseFace) {
  DoInitialUpdate(baseFace, IsInstalledFace);
}

void CCommentaryEditor::DoInitialUpdate(std::string_view baseFace, const FaceTest& isInstalled) {
  const bool factoryFaceInstalled = isInstalled(baseFace);
  bool charStylesReset = false;
  for (int slot = 0; slot < kPredefinedStyles; ++slot) {
    const std::string name(kPredefinedCharStyles[static_cast<size_t>(slot)]);
    CCharFormat* style = m_Doc.m_Styles.Find(name);
    if (!style) style = &m_Doc.m_Styles.Insert(name, CCharFormat{});
    if (style->m_FaceName.empty() && factoryFaceInstalled) {
      *style = FactoryCharStyle(slot, baseFace);
      charStylesReset = true;
    }
  }
  // Paragraph styles follow the character styles they name; one missing from the calendar is
  // added, since applying it would otherwise fail on every focus gain.
  for (int slot = 0; slot < kPredefinedStyles; ++slot) {
    const std::string name(kPredefinedParStyles[static_cast<size_t>(slot)]);
    if (charStylesReset || !m_Doc.m_StylesPar.Contains(name))
      m_Doc.m_StylesPar.Insert(name, FactoryParStyle(slot));
  }
  for (std::string_view name : kPredefinedCharStyles)
    if (m_Doc.m_Styles.Find(name)->m_FaceName.empty())
      m_Ui.MessageBox(WithName("Pismo %s neexistuje.", baseFace));

  m_SavedSel = {};
  m_bOverwrite = false;
  SetStatus(1, "\tř 0001  s 001");
  SetStatus(5, "\t");
  m_Ctrl.SetModify(false);
}

void CCommentaryEditor::OnFocusGained(std::string_view currentDateKey) {
  if (m_bSkipEmptyStyle) {
    m_bSkipEmptyStyle = false;
  } else if (m_Ctrl.GetTextLength() == 0) {
    // An empty commentary starts in "Normal1" without counting as a change.
    m_Ctrl.SetSel(0, -1);
    ApplyParStyle(kPredefinedParStyles[0], /*markModified=*/false);
    m_Ctrl.SetSel(0, 0);
    m_Ctrl.SetModify(false);
  }
  const CharRange wanted = currentDateKey == m_LastDateKey ? m_SavedSel : CharRange{};
  // Setting the same selection again would forget a typing format chosen meanwhile.
  if (m_Ctrl.GetSel() != wanted) m_Ctrl.SetSel(wanted.min, wanted.max);
  m_Ctrl.SetModify(false);
  NotifySelection();
}

void CCommentaryEditor::OnFocusLost(std::string_view currentDateKey) {
  m_LastDateKey = std::string(currentDateKey);
  m_SavedSel = m_Ctrl.GetSel();
}

bool CCommentaryEditor::ToggleOverwrite() {
  m_bOverwrite = !m_bOverwrite;
  SetStatus(5, m_bOverwrite ? "\tPŘES" : "\t");
  return m_bOverwrite;
}

void CCommentaryEditor::BeforeDelete() {
  if (m_Ctrl.GetTextLength() != 0) return;
  m_Ctrl.SetSel(0, -1);
  ApplyCharStyle(kPredefinedCharStyles[0], /*markModified=*/true);
}

void CCommentaryEditor::BeforeTypedCharacter() {
  const CharFormat typing = m_Ctrl.GetSelectionCharFormat();
  if (typing.charset == kCharsetSymbol || !IsSymbolFace(typing.face)) return;
  CharFormat symbol;
  symbol.mask = CFM_CHARSET;
  symbol.charset = kCharsetSymbol;
  m_Ctrl.SetSelectionCharFormat(symbol);
  NotifySelection();
}

void CCommentaryEditor::AfterEdit() {
  if (!m_Ctrl.GetModify()) return;
  m_Doc.SetModifiedFlag();
  // Noted once: a later key that changes nothing must not mark a calendar saved meanwhile.
  m_Ctrl.SetModify(false);
}

void CCommentaryEditor::AfterCut() {
  if (m_Ctrl.GetTextLength() == 0) {
    m_Ctrl.SetSel(0, -1);
    ApplyCharStyle(kPredefinedCharStyles[0], /*markModified=*/false);
  }
  m_Doc.SetModifiedFlag();
  m_Ctrl.SetModify(false);
}

std::string CCommentaryEditor::CaretStatusText(int caret) const {
  const int line = m_Ctrl.LineFromChar(caret);
  const int column = caret - m_Ctrl.LineIndex(line);
  char text[48];
  std::snprintf(text, sizeof text, "\tř %d,  s %d", line + 1, column + 1);
  return text;
}

void CCommentaryEditor::UpdateCaretStatus(int caret) {
  SetStatus(1, CaretStatusText(caret));
}

SSelectionFormat CCommentaryEditor::SelectionFormat() const {
  const CharFormat chars = m_Ctrl.GetSelectionCharFormat();
  const ParaFormat paragraphs = m_Ctrl.GetParaFormat();
  SSelectionFormat shown;
  if (chars.mask & CFM_FACE) shown.face = chars.face;
  if ((chars.mask & CFM_SIZE) && chars.height > 0 && chars.height % 20 == 0) shown.points = chars.height / 20;
  if (chars.mask & CFM_CHARSET) shown.charset = chars.charset;
  shown.charStyle = FindCharStyleName(m_Doc, chars);
  shown.parStyle = FindParStyleName(m_Doc, paragraphs);
  return shown;
}

bool CCommentaryEditor::ApplyStyleByName(std::string_view name) {
  const CUndoStep step(m_Ctrl);
  return ApplyCharStyle(name, /*markModified=*/true);
}

bool CCommentaryEditor::ApplyParStyleByName(std::string_view name) {
  const CUndoStep step(m_Ctrl);
  return ApplyParStyle(name, /*markModified=*/true);
}

void CCommentaryEditor::ApplyCharFormat(const CharFormat& format) {
  {
    const CUndoStep step(m_Ctrl);
    m_Ctrl.SetSelectionCharFormat(format);
  }
  AfterFormatting();
}

void CCommentaryEditor::ApplyParaFormat(const ParaFormat& format) {
  {
    const CUndoStep step(m_Ctrl);
    m_Ctrl.SetParaFormat(format);
  }
  AfterFormatting();
}

void CCommentaryEditor::AfterFormatting() {
  m_Doc.SetModifiedFlag();
  m_Ctrl.SetModify(false);
  NotifySelection();
}

bool CCommentaryEditor::ApplyCharStyle(std::string_view name, bool markModified) {
  const CCharFormat* style = nullptr;
  if (PredefinedCharSlot(name) >= 0) {
    // A predefined style without a face has never been given one the system has.
    style = m_Doc.m_Styles.Find(name);
    if (!style || style->m_FaceName.empty()) {
      m_Ui.MessageBox(WithName("Nejdříve je nutno nastavit ve stylu %s písmo.", name));
      return false;
    }
  } else {
    style = GetStyle(m_Doc, name);
    if (!style) return false;
  }
  const CharFormat format = ToCharFormat(*style);
  m_Ctrl.SetSelectionCharFormat(format);
  if (markModified) {
    m_Doc.SetModifiedFlag();
    m_Ctrl.SetModify(false);
  }
  NotifySelection();
  return true;
}

bool CCommentaryEditor::ApplyParStyle(std::string_view name, bool markModified) {
  const CParFormat* found = GetStylePar(m_Doc, name);
  if (!found) return false;
  const CParFormat style = *found;
  const CharRange noted = m_Ctrl.GetSel();
  m_Ctrl.SetRedraw(false);

  // Whole paragraphs; a selection ending at the start of a paragraph does not reach into it.
  const std::string text = m_Ctrl.GetText();
  const size_t before =
      noted.min == 0 ? std::string::npos : text.rfind('\r', static_cast<size_t>(noted.min - 1));
  const int from = before == std::string::npos ? 0 : static_cast<int>(before) + 1;
  const int lastChar = noted.max > noted.min ? noted.max - 1 : noted.max;
  const size_t after = text.find('\r', static_cast<size_t>(lastChar));
  const int to = after == std::string::npos ? static_cast<int>(text.size()) : static_cast<int>(after);
  RestyleRange(text, from, to, style);

  m_Ctrl.SetSel(noted.min, noted.max);
  m_Ctrl.SetParaFormat(ToParaFormat(style));
  m_Ctrl.SetSel(from, from);
  const bool applied = ApplyCharStyle(style.m_CharStyle, markModified);
  m_Ctrl.SetRedraw(true);
  NotifySelection();
  return applied;
}

// Characters in the character style of their paragraph's style take the new paragraph style's
// character style; characters formatted by hand keep their format.
void CCommentaryEditor::RestyleRange(const std::string& text, int from, int to, const CParFormat& newStyle) {
  const CCharFormat* target = m_Doc.m_Styles.Find(newStyle.m_CharStyle);
  if (!target || target->m_FaceName.empty()) return;
  const CharFormat targetFormat = ToCharFormat(*target);
  for (int i = from; i < to; ++i) {
    if (text[static_cast<size_t>(i)] == '\r') continue;
    m_Ctrl.SetSel(i, i + 1);
    const std::string currentName = FindParStyleName(m_Doc, m_Ctrl.GetParaFormat());
    const CParFormat* current = currentName.empty() ? nullptr : m_Doc.m_StylesPar.Find(currentName);
    if (!current) continue;
    const CCharFormat* currentChar = m_Doc.m_Styles.Find(current->m_CharStyle);
    if (currentChar && IsSameCharStyle(m_Ctrl.GetSelectionCharFormat(), ToCharFormat(*currentChar)))
      m_Ctrl.SetSelectionCharFormat(targetFormat);
  }
}

void CCommentaryEditor::SetStatus(int pane, std::string text) {
  if (m_StatusHandler) m_StatusHandler(pane, std::move(text));
}

void CCommentaryEditor::NotifySelection() {
  if (m_SelectionHandler) m_SelectionHandler();
}

}  // namespace orv
