#pragma once
// Formatted content in a QTextDocument. The members of the control's formats that Qt does not
// model (heights and indents in twips, character set, protected, automatic colour, the line-spacing
// rule, numbering) are custom format properties and are the truth; Qt's own properties (family,
// point size, weight, colour, margins, tabs, alignment, line height) are set from them so that a
// QTextEdit shows the text rightly. Text pasted by Qt without the custom properties is read from
// Qt's properties instead.
//
// Document positions equal plain-text positions one to one: the builder never inserts frames,
// tables or objects, and the plain text gives every position one byte.

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <functional>
#include <memory>
#include <string>

#include "richtext/RichContent.h"
#include "richtext/RtfReader.h"

class QTextCursor;
class QTextDocument;

namespace orv {

QTextCharFormat ToQtCharFormat(const RunFormat& format);
RunFormat RunFormatOf(const QTextCharFormat& format);
QTextBlockFormat ToQtBlockFormat(const ParaFormat& format);
ParaFormat ParaFormatOf(const QTextBlockFormat& format);

// Fills an empty document with what the RTF reader reads, paragraph by paragraph, as inserting the
// whole content would (InsertRichContent into an empty document), without holding the whole.
class CRichDocumentBuilder : public IRtfSink {
 public:
  explicit CRichDocumentBuilder(QTextDocument& document);
  ~CRichDocumentBuilder() override;
  void Run(const RunFormat& format, std::u16string_view text) override;
  void EndParagraph(const ParaFormat& format, const RunFormat& mark) override;
  // After the reading: the last paragraph takes its format.
  void Finish();

 private:
  struct SState;
  void StartParagraph();
  std::unique_ptr<SState> m_State;
};

// Inserts `content` at the cursor, replacing its selection, in one edit block. Paragraphs that end
// inside the content keep their formats; the last one keeps the format of the paragraph it lands in,
// unless it lands in an empty paragraph and was taken whole.
void InsertRichContent(QTextCursor& cursor, const RichContent& content);
// The formatted content of the positions [from, to).
RichContent ExtractRichContent(const QTextDocument& document, int from, int to);
// The same content handed over one paragraph at a time, without a copy of the whole; returns
// whether the last paragraph was taken up to its end.
bool WalkRichContent(const QTextDocument& document, int from, int to,
                     const std::function<void(const RichParagraph&)>& visit);

// The plain text of [from, to): "\r" between paragraphs, "\v" for a line break, Windows-1250 with
// "?" for what it cannot encode, one byte per position.
std::string PlainTextOf(const QTextDocument& document, int from, int to);

}  // namespace orv
