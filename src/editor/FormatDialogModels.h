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

// Centimetres with two decimals ("2,5", "2.50") to twips, truncated; nullopt when not a number.
std::optional<int> CentimetresToTwips(std::string_view text);
std::string TwipsToCentimetres(int twips);  // "2,50"

// The paragraph dialog.
struct SParagraphFields {
  std::string left, right, firstLine;  // centimetres as shown
  int alignment = -1;                  // 0 left, 1 right, 2 centre; -1 none (mixed)
  int spacing = 0;                     // 0 single, 1 one and a half, 2 exactly
  int exactPoints = 12;
  int beforePoints = 0;
  int afterPoints = 0;
  bool tabsChanged = false;
  int16_t tabCount = 0;
  std::array<int32_t, kMaxTabStops> tabs{};
};
SParagraphFields ParagraphPreset(const ParaFormat& selection);
// nullopt (and the message; the dialog stays open) when an indent is out of range or not a number.
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
