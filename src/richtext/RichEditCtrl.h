#pragma once
// The rich edit control: a QTextDocument with a selection, offering what the program asks of a rich
// edit control. The commentary editors show its document in a QTextEdit; the month table, the
// search previews, the export and batch work on stored commentaries use it without a window.
//
// Positions count the characters of the plain text: paragraphs are separated by one "\r" and every
// other character (tab, line break, letter) is one position, so a match found in the plain text
// selects the same characters here. Text goes in and out as Windows-1250 bytes.
//
//   StreamOut / StreamIn          the whole content as RTF
//   SetSel / GetSel / GetSelText  the selection; ReplaceSel, GetTextLength, GetText
//   LineFromChar / LineIndex      lines (as laid out when a view lays the document out)
//   Get/SetSelectionCharFormat    character format of the selection, with masks
//   Get/SetParaFormat             paragraph format of the paragraphs the selection touches
//   GetModify / SetModify         the modified flag
//   CopySelection / InsertAtCaret formatted pieces moved between controls, without the clipboard
//   SetRedraw                     tells the view to stop or resume painting

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/FormatLimits.h"
#include "richtext/RichContent.h"
#include "richtext/RichFormats.h"

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace orv {

struct CharRange {
  int min = 0;
  int max = 0;
  bool operator==(const CharRange&) const = default;
};

class CRichEditCtrl {
 public:
  CRichEditCtrl();
  ~CRichEditCtrl();
  CRichEditCtrl(const CRichEditCtrl&) = delete;
  CRichEditCtrl& operator=(const CRichEditCtrl&) = delete;

  // The document, for a view to show; the control keeps owning it.
  QTextDocument* Document() const { return m_Document.get(); }

  // The whole content as RTF; reading it back with StreamIn gives the same content and formats.
  std::string StreamOut() const;
  // Replaces the whole content. The empty string (and anything without text) leaves the control
  // empty. Puts the caret at 0 and clears the modified flag. RTF longer than kMaxStreamIn is
  // refused, and so is RTF whose content does not fit in memory or that states more paragraphs and
  // runs than MaxPieces allows: the control is then empty and the answer false (callers say
  // "Výklad je příliš velký").
  bool StreamIn(std::string_view rtf);
  static constexpr size_t kMaxStreamIn = kMaxCommentaryRtf;
  static size_t MaxPieces(size_t rtfSize);
  // The caret at 0 with the typing format of the text there, as StreamIn leaves it.
  void ResetCaret();
  // Whether StreamIn would take these commentaries one after another as one content: within
  // kMaxStreamIn together and within the pieces their size allows together. Reads them, builds nothing.
  static bool Fits(std::initializer_list<std::string_view> rtfs);

  int GetTextLength() const;
  std::string GetText() const;

  // (0, -1) selects everything; an end below 0 or beyond the text means its end; a start below 0
  // removes the selection, leaving the caret at its end.
  void SetSel(int start, int end);
  CharRange GetSel() const;
  std::string GetSelText() const;
  // Replaces the selection by Windows-1250 text in the format of the selection's first character;
  // "\r\n", "\r" and "\n" start new paragraphs, "\v" breaks a line. The caret ends after the text.
  void ReplaceSel(std::string_view text);

  // The line (from 0) that holds a position; -1 means the caret.
  int LineFromChar(int pos) const;
  // The first position of a line; -1 means the caret's line. -1 when there is no such line.
  int LineIndex(int line) const;

  // The format of the selection's characters (of the caret's typing format when nothing is
  // selected); `mask` holds the members that are the same over the whole selection.
  CharFormat GetSelectionCharFormat() const;
  // Changes the members in format.mask; with nothing selected, the typing format at the caret.
  void SetSelectionCharFormat(const CharFormat& format);
  // The format of the paragraphs the selection touches; `mask` as above.
  ParaFormat GetParaFormat() const;
  void SetParaFormat(const ParaFormat& format);

  bool GetModify() const;
  void SetModify(bool modified);

  // A formatted copy of the selection, and its insertion in place of the selection.
  RichContent CopySelection() const;
  void InsertAtCaret(const RichContent& piece);

  // Views register here to stop painting while the control is rebuilt.
  void SetRedrawHandler(std::function<void(bool)> handler) { m_RedrawHandler = std::move(handler); }
  void SetRedraw(bool on);
  bool IsRedrawOn() const { return m_RedrawOn; }

  // The format of the text of a control that has been emptied.
  static RunFormat DefaultRunFormat();

 private:
  CharRange Selection() const;
  void Empty();
  std::vector<QTextBlock> TouchedParagraphs() const;

  std::unique_ptr<QTextDocument> m_Document;
  std::unique_ptr<QTextCursor> m_Cursor;  // the selection: anchor and caret
  std::function<void(bool)> m_RedrawHandler;
  bool m_RedrawOn = true;
};

// CharFormat (face in Windows-1250, mask) and RunFormat (face in UTF-16, every member).
CharFormat ToCharFormat(const RunFormat& format, uint32_t mask);
RunFormat ToRunFormat(const CharFormat& format);

}  // namespace orv
