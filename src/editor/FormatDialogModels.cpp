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

// A number with a decimal comma or dot; nullopt for anything else.
std::optional<double> ParseDecimal(std::string_view text) {
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
    c.colour = sel.colour;
  }
  return c;
}

SFontResult FontResult(const SFontChoice& choice, IUiServices& ui) {
  SFontResult result;
  CharFormat& f = result.format;
  f.mask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  if (!choice.face.empty()) {
    int charset = choice.charset < 0 ? kCharsetEastEurope : choice.charset;
    if (std::find(std::begin(kSupportedCharsets), std::end(kSupportedCharsets), charset) ==
        std::end(kSupportedCharsets)) {
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
  const std::optional<double> cm = ParseDecimal(text);
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

SParagraphFields ParagraphPreset(const ParaFormat& sel) {
  SParagraphFields p;
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
  if (p.spacing == 2 && sel.lineSpacing > 0) p.exactPoints = sel.lineSpacing / 20;
  p.beforePoints = sel.spaceBefore / 20;
  p.afterPoints = sel.spaceAfter / 20;
  p.tabCount = sel.tabCount;
  p.tabs = sel.tabs;
  return p;
}

std::optional<ParaFormat> ParagraphResult(const SParagraphFields& fields, IUiServices& ui) {
  const std::optional<double> left = ParseDecimal(fields.left);
  const std::optional<double> right = ParseDecimal(fields.right);
  const std::optional<double> first = ParseDecimal(fields.firstLine);
  // The first line may hang to the left of the others, by no more than the same 50 cm.
  if (!left || !right || !first || *left < 0 || *left > 50 || *right < 0 || *right > 50 || *first < -50 ||
      *first > 50) {
    ui.MessageDialog("Hodnota odsazení zleva musí být v intervalu 0 až +50 !");
    return std::nullopt;
  }
  ParaFormat f;
  f.mask = (PFM_ALL | PFM_OFFSETINDENT) & ~PFM_TABSTOPS;
  f.rightIndent = ToTwips(*right);
  f.offset = -ToTwips(*first);
  f.startIndent = ToTwips(*left) + ToTwips(*first);
  if (*first < 0 && *left < -*first) {
    f.offset = ToTwips(*left);
    f.startIndent = 0;
  }
  static constexpr uint16_t kAlignments[] = {PFA_LEFT, PFA_RIGHT, PFA_CENTER};
  if (fields.alignment >= 0 && fields.alignment <= 2)
    f.alignment = kAlignments[fields.alignment];
  else
    f.mask &= ~PFM_ALIGNMENT;
  static constexpr uint8_t kRules[] = {kSpacingSingle, kSpacingOneAndHalf, kSpacingAtLeast};
  f.lineSpacingRule = kRules[std::clamp(fields.spacing, 0, 2)];
  f.lineSpacing = fields.spacing == 2 ? fields.exactPoints * 20 : 0;
  f.spaceBefore = fields.beforePoints * 20;
  f.spaceAfter = fields.afterPoints * 20;
  f.tabCount = fields.tabCount;
  f.tabs = fields.tabs;
  if (fields.tabsChanged) f.mask |= PFM_TABSTOPS;
  return f;
}

CTabStopsModel::CTabStopsModel(int16_t count, const std::array<int32_t, kMaxTabStops>& tabs)
    : m_Tabs(tabs.begin(), tabs.begin() + std::clamp<int>(count, 0, kMaxTabStops)) {}

bool CTabStopsModel::Set(std::string_view field, IUiServices& ui, bool& clearField) {
  clearField = false;
  const std::optional<double> cm = ParseDecimal(field);
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
