#pragma once
// CRtfAssembly: the content of an RTF (or PDF) export, put together paragraph by paragraph from
// generated text (headings, notes) and from stored commentaries, in memory or handed one paragraph
// at a time to a visitor (an export written straight to RTF, never whole). A commentary goes
// through a staging rich edit control of its own, so its formatting arrives as the editor would
// show it; neither the clipboard nor the user's editors are touched.
//
//   CRtfAssembly out(baseFace);
//   out.AppendText(heading, out.MonthHeadingFormat());
//   out.AppendCommentary(record.m_Rtf);
//   std::string rtf = out.Rtf();
//
// The fixed formats of generated text are in the calendar's base face, character set 238.

#include <string>
#include <string_view>

#include "richtext/RichContent.h"
#include "richtext/RichEditCtrl.h"
#include "richtext/RtfWriter.h"

namespace orv {

class CTedDoc;

// The format of one generated paragraph: its characters and the paragraph itself.
struct SPieceFormat {
  RunFormat run;
  ParaFormat para;
};

class CRtfAssembly {
 public:
  explicit CRtfAssembly(std::string_view baseFace);
  // Hands every paragraph to `visit` as it is made, keeping none: Content() stays empty.
  CRtfAssembly(std::string_view baseFace, RichParagraphVisitor visit);

  // Bold purple, 12 points; bold purple, 10 points; dark red, 9 points.
  const SPieceFormat& MonthHeadingFormat() const { return m_MonthHeading; }
  const SPieceFormat& DayHeadingFormat() const { return m_DayHeading; }
  const SPieceFormat& NoteFormat() const { return m_Note; }

  // The heading format a paragraph style gives: the character style it names, then the style's own
  // paragraph format. An unknown style name (or "") leaves `fixed` as it is; a character style
  // without a face keeps the fixed format's face.
  static SPieceFormat StyledHeading(const CTedDoc& doc, std::string_view parStyleName,
                                    const SPieceFormat& fixed);

  // One paragraph of Windows-1250 text ("\t" a tab).
  void AppendText(std::string_view text, const SPieceFormat& format);
  // The same for a heading: on paper it stays with the first line of what follows it.
  void AppendHeading(std::string_view text, const SPieceFormat& format);
  // An empty paragraph between blocks.
  void AppendBreak();
  // The paragraphs of a stored commentary with their own formats; nothing for an empty one, nor for
  // one too large for the editor or beyond the limit below: those are counted in TooLarge().
  void AppendCommentary(std::string_view rtf);
  // Content laid out on pages takes commentaries of at most `rtfBytes`: laying text out costs tens of
  // bytes a character, and a commentary the editor takes could need gigabytes.
  void LimitCommentaries(std::size_t rtfBytes) { m_MaxCommentary = rtfBytes; }
  int TooLarge() const { return m_TooLarge; }

  bool IsEmpty() const { return m_Content.paragraphs.empty(); }
  const RichContent& Content() const { return m_Content; }
  // The whole content as RTF, in the rich edit control's dialect.
  std::string Rtf() const;

 private:
  SPieceFormat m_MonthHeading;
  SPieceFormat m_DayHeading;
  SPieceFormat m_Note;
  CRichEditCtrl m_Staging;
  void Add(RichParagraph&& paragraph);

  RichParagraphVisitor m_Visit;
  RichContent m_Content;
  std::size_t m_MaxCommentary = CRichEditCtrl::kMaxStreamIn;
  int m_TooLarge = 0;
};

}  // namespace orv
