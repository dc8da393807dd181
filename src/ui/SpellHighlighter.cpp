#include "ui/SpellHighlighter.h"

#include <QTextBlock>
#include <QTextDocument>

#include "core/Cp1250.h"
#include "spell/SpellChecker.h"
#include "ui/QtText.h"

namespace orv {

std::string ParagraphBytes(const QString& text) {
  std::string bytes(static_cast<std::size_t>(text.size()), '?');
  for (qsizetype i = 0; i < text.size(); ++i)
    bytes[static_cast<std::size_t>(i)] = static_cast<char>(UnicodeToCp1250(text[i].unicode()));
  return bytes;
}

CSpellHighlighter::CSpellHighlighter(QTextDocument* document, std::function<CSpellChecker*()> checker)
    : QSyntaxHighlighter(document), m_Checker(std::move(checker)) {}

void CSpellHighlighter::SetOn(bool on) {
  if (on == m_bOn) return;
  m_bOn = on;
  rehighlight();
}

void CSpellHighlighter::RehighlightWord(const std::string& word) {
  const QString shown = FromCp1250(word);
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    if (block.text().contains(shown)) rehighlightBlock(block);
}

void CSpellHighlighter::highlightBlock(const QString& text) {
  CSpellChecker* checker = m_bOn ? m_Checker() : nullptr;
  if (!checker) return;
  QTextCharFormat unknown;
  unknown.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  unknown.setUnderlineColor(Qt::red);
  const std::string bytes = ParagraphBytes(text);
  for (const SWordSpan& word : checker->Words(bytes))
    if (!checker->IsKnown(std::string_view(bytes).substr(word.pos, word.len)))
      setFormat(static_cast<int>(word.pos), static_cast<int>(word.len), unknown);
}

}  // namespace orv
