#pragma once
// The RTF reader's parser, shared by its parts: the tokenizer (RtfTokenizer.cpp) splits the input
// into groups, control words and text; the control words change the group's state
// (RtfControlWords.cpp); the text goes to the group's destination (RtfDestinations.cpp): the body,
// the font table, the colour table or a numbering text.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "richtext/RtfParaProps.h"
#include "richtext/RtfReader.h"

namespace orv::rtfparse {

constexpr size_t kMaxDepth = 200;           // deeper groups are skipped whole
constexpr size_t kMaxWordLength = 32;       // longer control words are cut (and unknown)
constexpr int64_t kMaxMeasure = 1'000'000;  // twips; larger indents and spaces are hostile
constexpr int kMaxHalfPoints = 3276;        // 1638 points
constexpr int kMaxUnicodeSkip = 16;
// Bounds on what a file can make the reader keep: number texts are copied with every group, and
// font and colour tables of real documents hold a few hundred entries at most.
constexpr size_t kMaxNumberText = 32;
constexpr size_t kMaxTableEntries = 65536;
constexpr size_t kMaxPendingBytes = 65536;  // \'hh bytes decoded in pieces of this size

// Where the text of a group goes.
enum class Dest : uint8_t { Body, FontTable, ColorTable, Numbering, NumberBefore, NumberAfter, OwnPara };

struct CharState {
  int font = -1;  // -1: the default font (\deff)
  int halfPoints = 24;
  uint32_t effects = 0;  // CFE_ bits but automatic colour, which the colour index decides
  int colour = -1;       // index into the colour table; -1 automatic
  bool hidden = false;
};

struct GroupState {
  CharState chr;
  RtfParaProps para;
  Dest dest = Dest::Body;
  int unicodeSkip = 1;  // \uc
  bool isRoot = false;
};

struct FontEntry {
  std::u16string name;
  int charset = -1;  // -1: none given
};

inline int64_t ClampMeasure(int64_t v) {
  return std::clamp(v, -kMaxMeasure, kMaxMeasure);
}

class CRtfParser {
 public:
  CRtfParser(std::string_view in, IRtfSink& sink) : m_In(in), m_Sink(sink) {}

  void Read();

 private:
  GroupState& Top() { return m_Stack.back(); }

  void OpenGroup();
  bool CloseGroup();  // false once the document's own group has closed
  void SkipRestOfGroup();
  void ControlSequence();
  void ControlWord(std::string_view name, bool hasParam, int32_t param);
  void DestinationWord(std::string_view name, bool hasParam, int32_t param);
  void PlainText();

  void AddByte(unsigned char byte);
  void FlushBytes();
  void AddUnits(const char16_t* units, size_t count);
  void AddUnit(char16_t unit) { AddUnits(&unit, 1); }
  void AddToBody(const char16_t* units, size_t count);
  void AddToFontTable(const char16_t* units, size_t count);
  bool SkipsToken();

  void FinishFont();
  void FinishColour();
  void RecoverFromFontTable();
  void FlushRun();
  void EndParagraph();
  void EndRow();
  int CodePageOfFont(int font) const;
  int CurrentCodePage();
  RunFormat Resolve(const CharState& chr) const;

  std::string_view m_In;
  IRtfSink& m_Sink;
  size_t m_Pos = 0;
  bool m_Document = false;        // the input starts with {\rtf: its closing brace ends the reading
  bool m_NextIsOptional = false;  // after \*
  int m_UnicodeSkipLeft = 0;
  std::vector<GroupState> m_Stack;

  int m_AnsiCodePage = 1252;
  int m_DefaultFont = 0;
  std::map<int, FontEntry> m_Fonts;
  int m_FontNumber = -1;  // the entry being read in the font table
  FontEntry m_Font;
  std::vector<std::optional<uint32_t>> m_Colours;
  int m_Red = 0, m_Green = 0, m_Blue = 0;
  bool m_ColourGiven = false;

  struct Numbering {
    bool bullet = false, body = false;
    uint16_t kind = 0;
    int32_t start = 0, indent = 0;
    std::u16string before, after;
  } m_Numbering;

  std::string m_Bytes;  // \'hh and raw 8-bit bytes waiting to be decoded together
  int m_BytesCodePage = 0;
  bool m_LeadOpen = false;
  std::u16string m_Decoded;

  // The run being read: text in one format goes to the sink when the format changes or the
  // paragraph ends, so nothing but the current run is kept.
  bool m_InRun = false;  // the paragraph has text; m_RunFormat is its last run's format
  RunFormat m_RunFormat;
  std::u16string m_RunText;
  size_t m_ParagraphsEnded = 0;
  RunFormat m_Format;
  bool m_FormatDirty = true;
  int m_PendingCells = 0;
};

}  // namespace orv::rtfparse
