#pragma once
// Reads RTF into formatted paragraphs: the dialect the control writes and RTF of other word
// processors. What the paragraphs cannot hold is left out (pictures, objects, headers, footnotes,
// style sheets); field results are kept; table cells become tab-separated text and rows paragraphs.
//
// Hostile input never crashes or hangs the reader: nesting deeper than a bound is skipped, numbers
// are clamped, unbalanced braces and truncated files load what they hold. Input that does not
// start with "{\rtf" is read as a fragment of RTF. The empty string gives no paragraphs.
//
// The reader keeps only the run it is reading: the text goes to a sink run by run and paragraph by
// paragraph, so its own memory stays a bounded constant and the time linear in the input, and what
// the content costs is the sink's business. Running out of memory is reported, never thrown.
//
//   CRichContentSink sink;           // or a sink that writes the text out as it comes
//   if (!ReadRtf(rtf, sink)) ...     // out of memory: the sink holds what came before

#include <string_view>

#include "richtext/RichContent.h"

namespace orv {

class IRtfSink {
 public:
  virtual ~IRtfSink() = default;
  // Text of the current paragraph in one format, never empty; the format of one run differs from
  // the run before it in the same paragraph.
  virtual void Run(const RunFormat& format, std::u16string_view text) = 0;
  // The current paragraph ends: its format and the format of its mark.
  virtual void EndParagraph(const ParaFormat& format, const RunFormat& mark) = 0;
};

// Collects everything into one RichContent.
class CRichContentSink : public IRtfSink {
 public:
  void Run(const RunFormat& format, std::u16string_view text) override;
  void EndParagraph(const ParaFormat& format, const RunFormat& mark) override;
  RichContent Take() { return std::move(m_Content); }

 private:
  RichContent m_Content;
  RichParagraph m_Paragraph;
};

// False when memory ran out.
bool ReadRtf(std::string_view rtf, IRtfSink& sink);
// The whole content at once, for RTF known to be small (memory running out ends it where it was);
// input of any size goes through a sink.
RichContent ReadRtf(std::string_view rtf);

}  // namespace orv
