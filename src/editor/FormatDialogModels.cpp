#include "editor/FormatDialogModels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/UiServices.h"

namespace orv {
namespace {

constexpr int kTwipsPerCm = 567;
constexpr int kSupportedCharsets[] = {0, 2, 161, 204, 238};

}  // namespace

std::optional<double> DecimalValue(std::string_view text) {
  std::string s(text);
  s.erase(0, s.find_first_not_of(' '));
  s.erase(s.find_last_not_of(' ') + 1);
  std::replace(s.begin(), s.end(), ',', '.');
  if (s.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsSupportedCharset(int charset) {
  return std::find(std::begin(kSupportedCharsets), std::end(kSupportedCharsets), charset) !=
         std::end(kSupportedCharsets);
}

namespace {

// Two decimals, as the field holds them, so that 2,5 is 2.50 cm and no float residue counts.
double Hundredths(double cm) {
  return std::round(cm * 100.0) / 100.0;
}

int ToTwips(double cm) {
  return static_cast<int>(Hundredths(cm) * kTwipsPerCm);
}

}  // namespace

SFontChoice FontPreset(const CharFormat& sel) {
  SFontChoice c;
  if (sel.mask & CFM_FACE) c.face = sel.face;
  if (sel.mask & CFM_SIZE) c.pointsTenths = sel.height / 2;
  if (sel.mask & CFM_CHARSET) c.charset = sel.charset;
  if ((sel.mask & (CFM_BOLD | CFM_ITALIC)) == (CFM_BOLD | CFM_ITALIC)) {
    c.styleKnown = true;
    c.bold = sel.effects & CFE_BOLD;
    c.italic = sel.effects & CFE_ITALIC;
  }
  if ((sel.mask & (CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR)) ==
      (CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR)) {
    c.effectsKnown = true;
    c.underline = sel.effects & CFE_UNDERLINE;
    c.strikeout = sel.effects & CFE_STRIKEOUT;
    c.colour = (sel.effects & CFE_AUTOCOLOR) ? kNoColour : sel.colour;
  }
  return c;
}

SFontResult FontResult(const SFontChoice& choice, IUiServices& ui) {
  SFontResult result;
  CharFormat& f = result.format;
  f.mask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  if (!choice.face.empty()) {
    int charset = choice.charset < 0 ? kCharsetEastEurope : choice.charset;
    if (!IsSupportedCharset(charset)) {
      ui.MessageDialog(
          "2 Zadaná znaková sada není podporována, a byla nahrazena sadou ANSI (západní jazyky)");
      charset = kCharsetAnsi;
    }
    f.mask |= CFM_FACE | CFM_CHARSET;
    f.face = choice.face;
    f.charset = static_cast<uint8_t>(charset);
    CharFormat charsetOnly;
    charsetOnly.mask = CFM_CHARSET;
    charsetOnly.charset = f.charset;
    result.charsetFirst = charsetOnly;
  }
  if (choice.pointsTenths > 0) {
    f.mask |= CFM_SIZE;
    f.height = choice.pointsTenths * 2;
  }
  f.effects = (choice.bold ? CFE_BOLD : 0) | (choice.italic ? CFE_ITALIC : 0) |
              (choice.underline ? CFE_UNDERLINE : 0) | (choice.strikeout ? CFE_STRIKEOUT : 0);
  if (choice.colour != kNoColour) {
    f.mask |= CFM_COLOR;
    f.colour = choice.colour;
  }
  return result;
}

std::optional<int> CentimetresToTwips(std::string_view text) {
  const std::optional<double> cm = DecimalValue(text);
  if (!cm) return std::nullopt;
  return ToTwips(*cm);
}

std::string TwipsToCentimetres(int twips) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", 2, static_cast<double>(twips) / kTwipsPerCm);
  std::string shown(text);
  std::replace(shown.begin(), shown.end(), '.', ',');
  return shown;
}

const std::vector<int>& ExactSpacingPoints() {
  static const std::vector<int> points{8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                                       19, 20, 22, 24, 26, 28, 32, 36, 48, 72};
  return points;
}

const std::vector<int>& SpaceBeforeAfterPoints() {
  static const std::vector<int> points{0,  2,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                       16, 17, 18, 19, 20, 22, 24, 26, 28, 32, 36, 48, 72};
  return points;
}

std::optional<int> PointsToTwips(std::string_view text) {
  const std::optional<double> points = DecimalValue(text);
  if (!points) return std::nullopt;
  return static_cast<int>(std::lround(Hundredths(*points) * 20));
}

std::string TwipsToPoints(int twips) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", twips / 20.0);
  std::string shown(text);
  while (shown.back() == '0') shown.pop_back();
  if (shown.back() == '.') shown.pop_back();
  std::replace(shown.begin(), shown.end(), '.', ',');
  return shown;
}

SParagraphFields ParagraphPreset(const ParaFormat& sel) {
  SParagraphFields p;
  p.base = sel;
  const bool indentsKnown = (sel.mask & (PFM_STARTINDENT | PFM_OFFSET)) == (PFM_STARTINDENT | PFM_OFFSET);
  p.left = TwipsToCentimetres(indentsKnown ? sel.startIndent + sel.offset : 0);
  p.firstLine = TwipsToCentimetres(indentsKnown ? -sel.offset : 0);
  p.right = TwipsToCentimetres((sel.mask & PFM_RIGHTINDENT) ? sel.rightIndent : 0);
  if (sel.mask & PFM_ALIGNMENT) {
    if (sel.alignment == PFA_RIGHT)
      p.alignment = 1;
    else if (sel.alignment == PFA_CENTER)
      p.alignment = 2;
    else
      p.alignment = 0;
  }
  if (sel.lineSpacingRule == kSpacingOneAndHalf)
    p.spacing = 1;
  else if (sel.lineSpacingRule == kSpacingAtLeast || sel.lineSpacingRule == kSpacingExactly)
    p.spacing = 2;
  if (p.spacing == 2 && sel.lineSpacing > 0) p.exactPoints = TwipsToPoints(sel.lineSpacing);
  if (sel.mask & PFM_SPACEBEFORE) p.beforePoints = TwipsToPoints(sel.spaceBefore);
  if (sel.mask & PFM_SPACEAFTER) p.afterPoints = TwipsToPoints(sel.spaceAfter);
  p.tabCount = sel.tabCount;
  p.tabs = sel.tabs;
  return p;
}

namespace {

// A spacing field the user changed, in twips; nullopt after the message when it is no spacing.
std::optional<int> ChangedSpacing(std::string_view typed, IUiServices& ui) {
  const std::optional<double> points = DecimalValue(typed);
  if (!points || *points < 0 || *points > kMaxSpacingPoints) {
    ui.MessageDialog("Hodnota mezery musí být v intervalu 0 až 1584 bodů !");
    return std::nullopt;
  }
  return PointsToTwips(typed);
}

bool SameText(std::string_view a, std::string_view b) {
  const auto trim = [](std::string_view s) {
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
    s.remove_suffix(s.size() - std::min(s.find_last_not_of(' ') + 1, s.size()));
    return s;
  };
  return trim(a) == trim(b);
}

}  // namespace

std::optional<ParaFormat> ParagraphResult(const SParagraphFields& fields, IUiServices& ui) {
  const std::optional<double> left = DecimalValue(fields.left);
  const std::optional<double> right = DecimalValue(fields.right);
  const std::optional<double> first = DecimalValue(fields.firstLine);
  // The first line may hang to the left of the others, by no more than the same 50 cm.
  if (!left || !right || !first || *left < 0 || *left > kMaxIndentCm || *right < 0 || *right > kMaxIndentCm ||
      *first < -kMaxIndentCm || *first > kMaxIndentCm) {
    ui.MessageDialog("Hodnota odsazení zleva musí být v intervalu 0 až +50 !");
    return std::nullopt;
  }
  const SParagraphFields shown = ParagraphPreset(fields.base);
  ParaFormat f = fields.base;
  f.mask = 0;
  if (!SameText(fields.left, shown.left) || !SameText(fields.firstLine, shown.firstLine)) {
    f.mask |= PFM_STARTINDENT | PFM_OFFSET | PFM_OFFSETINDENT;
    f.offset = -ToTwips(*first);
    f.startIndent = ToTwips(*left) + ToTwips(*first);
    if (*first < 0 && *left < -*first) {
      f.offset = ToTwips(*left);
      f.startIndent = 0;
    }
  }
  if (!SameText(fields.right, shown.right)) {
    f.mask |= PFM_RIGHTINDENT;
    f.rightIndent = ToTwips(*right);
  }
  static constexpr uint16_t kAlignments[] = {PFA_LEFT, PFA_RIGHT, PFA_CENTER};
  if (fields.alignment != shown.alignment && fields.alignment >= 0 && fields.alignment <= 2) {
    f.mask |= PFM_ALIGNMENT;
    f.alignment = kAlignments[fields.alignment];
  }
  const int spacing = std::clamp(fields.spacing, 0, 2);
  if (spacing != shown.spacing || (spacing == 2 && !SameText(fields.exactPoints, shown.exactPoints))) {
    static constexpr uint8_t kRules[] = {kSpacingSingle, kSpacingOneAndHalf, kSpacingAtLeast};
    f.mask |= PFM_LINESPACING;
    f.lineSpacingRule = kRules[spacing];
    f.lineSpacing = 0;
    if (spacing == 2) {
      const std::optional<int> exact = ChangedSpacing(fields.exactPoints, ui);
      if (!exact) return std::nullopt;
      f.lineSpacing = *exact;
    }
  }
  if (!SameText(fields.beforePoints, shown.beforePoints)) {
    const std::optional<int> before = ChangedSpacing(fields.beforePoints, ui);
    if (!before) return std::nullopt;
    f.mask |= PFM_SPACEBEFORE;
    f.spaceBefore = *before;
  }
  if (!SameText(fields.afterPoints, shown.afterPoints)) {
    const std::optional<int> after = ChangedSpacing(fields.afterPoints, ui);
    if (!after) return std::nullopt;
    f.mask |= PFM_SPACEAFTER;
    f.spaceAfter = *after;
  }
  if (fields.tabsChanged) {
    f.mask |= PFM_TABSTOPS;
    f.tabCount = fields.tabCount;
    f.tabs = fields.tabs;
  }
  return f;
}

CTabStopsModel::CTabStopsModel(int16_t count, const std::array<int32_t, kMaxTabStops>& tabs)
    : m_Tabs(tabs.begin(), tabs.begin() + std::clamp<int>(count, 0, kMaxTabStops)) {}

bool CTabStopsModel::Set(std::string_view field, IUiServices& ui, bool& clearField) {
  clearField = false;
  const std::optional<double> cm = DecimalValue(field);
  if (!cm || Hundredths(*cm) < 0.1 || Hundredths(*cm) > 50.0) {
    ui.MessageDialog("Neplatné zadání zarážky");
    return false;
  }
  if (m_Tabs.size() >= static_cast<size_t>(kMaxTabStops)) {
    ui.MessageDialog("Maximální počet zarážek je 32 !");
    clearField = true;
    return false;
  }
  const int32_t twips = ToTwips(*cm);
  const auto at = std::lower_bound(m_Tabs.begin(), m_Tabs.end(), twips);
  if (at == m_Tabs.end() || *at != twips) m_Tabs.insert(at, twips);
  return true;
}

void CTabStopsModel::Remove(int index) {
  if (index >= 0 && index < static_cast<int>(m_Tabs.size())) m_Tabs.erase(m_Tabs.begin() + index);
}

std::vector<std::string> CTabStopsModel::Texts() const {
  std::vector<std::string> texts;
  for (int32_t twips : m_Tabs) texts.push_back(TwipsToCentimetres(twips));
  return texts;
}

void CTabStopsModel::CopyTo(int16_t& count, std::array<int32_t, kMaxTabStops>& tabs) const {
  tabs = {};
  std::copy(m_Tabs.begin(), m_Tabs.end(), tabs.begin());
  count = static_cast<int16_t>(m_Tabs.size());
}

}  // namespace orv
