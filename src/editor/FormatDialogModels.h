#pragma once
// The font, paragraph and tab stop dialogs without their windows: what they show for a selection,
// the checks of what the user typed (centimetres and points with a comma or a dot), and the format
// that OK applies. The style dialogs use the same models for a style's format.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "richtext/RichFormats.h"

namespace orv {

class IUiServices;

inline constexpr uint32_t kNoColour = 0xFFFFFF;  // the font dialog's "no colour chosen"

// The font dialog. Empty face, points 0, charset -1, and the flags off mean "nothing selected there"
// (the selection was mixed).
struct SFontChoice {
  std::string face;  // Windows-1250
  int pointsTenths = 0;
  int charset = -1;
  bool styleKnown = false;  // bold and italic
  bool bold = false;
  bool italic = false;
  bool effectsKnown = false;  // underline, strikeout and colour
  bool underline = false;
  bool strikeout = false;
  uint32_t colour = kNoColour;
};
SFontChoice FontPreset(const CharFormat& selection);
// What OK sets: the character set on its own first, then the whole format. An unsupported character
// set becomes Western after a message.
struct SFontResult {
  std::optional<CharFormat> charsetFirst;
  CharFormat format;
};
SFontResult FontResult(const SFontChoice& choice, IUiServices& ui);

// The ranges the dialogs accept: indents in centimetres, spacing and font sizes in points.
inline constexpr double kMaxIndentCm = 50;
inline constexpr double kMaxSpacingPoints = 1584;
inline constexpr double kMaxFontPoints = 1638;
// The character sets the font dialog sets; any other is replaced by Western.
bool IsSupportedCharset(int charset);

// A number with a decimal comma or dot, surrounding spaces allowed; nullopt for anything else.
std::optional<double> DecimalValue(std::string_view text);
// Centimetres with two decimals ("2,5", "2.50") to twips, truncated; nullopt when not a number.
std::optional<int> CentimetresToTwips(std::string_view text);
std::string TwipsToCentimetres(int twips);  // "2,50"

// Points with up to two decimals ("3", "2,5"); nullopt when not a number.
std::optional<int> PointsToTwips(std::string_view text);
std::string TwipsToPoints(int twips);

// The paragraph dialog. OK changes only what the user changed: everything else, numbering included,
// stays as the selection has it, and so do values the lists do not offer.
struct SParagraphFields {
  ParaFormat base;                     // the selection's own format, as the dialog was preset from it
  std::string left, right, firstLine;  // centimetres as shown
  int alignment = -1;                  // 0 left, 1 right, 2 centre; -1 none (mixed)
  int spacing = 0;                     // 0 single, 1 one and a half, 2 exactly
  std::string exactPoints = "12";      // points as shown; empty where the selection is mixed
  std::string beforePoints, afterPoints;
  bool tabsChanged = false;
  int16_t tabCount = 0;
  std::array<int32_t, kMaxTabStops> tabs{};
};
SParagraphFields ParagraphPreset(const ParaFormat& selection);
// The selection's format with the user's changes; the mask holds only what was changed. nullopt
// (and the message; the dialog stays open) when an indent or a spacing is out of range or not a
// number.
std::optional<ParaFormat> ParagraphResult(const SParagraphFields& fields, IUiServices& ui);
// The point lists of the spacing fields.
const std::vector<int>& ExactSpacingPoints();
const std::vector<int>& SpaceBeforeAfterPoints();

// The tab stops dialog, working on a copy of the paragraph format's tab stops.
class CTabStopsModel {
 public:
  CTabStopsModel(int16_t count, const std::array<int32_t, kMaxTabStops>& tabs);
  // "Nastavit": false after a message; `clearField` tells the dialog to empty the field.
  bool Set(std::string_view field, IUiServices& ui, bool& clearField);
  void Remove(int index);
  void RemoveAll() { m_Tabs.clear(); }
  const std::vector<int32_t>& Positions() const { return m_Tabs; }
  std::vector<std::string> Texts() const;
  void CopyTo(int16_t& count, std::array<int32_t, kMaxTabStops>& tabs) const;

 private:
  std::vector<int32_t> m_Tabs;
};

}  // namespace orv
