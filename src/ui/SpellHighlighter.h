#pragma once
// CSpellHighlighter: the red wavy underline under the unknown words of a commentary editor's
// document. The underline lives in the layout of each paragraph only: it never enters the text, its
// formats, the RTF, the undo history or the modified flag. An edit rechecks the paragraphs it touched.

#include <QSyntaxHighlighter>
#include <functional>
#include <string>

namespace orv {

class CSpellChecker;

class CSpellHighlighter : public QSyntaxHighlighter {
 public:
  // `checker` gives the checker to use, or null while there is none.
  CSpellHighlighter(QTextDocument* document, std::function<CSpellChecker*()> checker);

  void SetOn(bool on);
  bool IsOn() const { return m_bOn; }
  // The paragraphs that hold `word` (Windows-1250) again, after the word became known.
  void RehighlightWord(const std::string& word);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::function<CSpellChecker*()> m_Checker;
  bool m_bOn = false;
};

// A paragraph's text as Windows-1250, one byte for every UTF-16 unit, so that positions stay those of
// the document ('?' for what the code page lacks).
std::string ParagraphBytes(const QString& text);

}  // namespace orv
