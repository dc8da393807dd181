#include "document/merge/AppendStyles.h"

#include <map>
#include <string>
#include <vector>

#include "core/UiServices.h"
#include "document/CalendarContent.h"
#include "document/StyleSets.h"

namespace orv {
namespace {

constexpr char kSameSettings[] = "styl se stejným nastavením";
constexpr char kSetFull[] = "Další styl již přidat nelze.";

bool Same(const CCharFormat& a, const CCharFormat& b) {
  return SameCharSettings(a, b);
}
bool Same(const CParFormat& a, const CParFormat& b) {
  return SameParSettings(a, b);
}
bool IsPredefined(const CArchiveMap<CCharFormat>&, std::string_view name) {
  return PredefinedCharSlot(name) >= 0;
}
bool IsPredefined(const CArchiveMap<CParFormat>&, std::string_view name) {
  return PredefinedParSlot(name) >= 0;
}

// Old character style name -> the name that holds its settings after the merge.
using Renames = std::map<std::string, std::string, std::less<>>;

// The first style of `set` with the settings of `style`, or nullptr.
template <typename T>
const std::string* NameWithSettings(const CArchiveMap<T>& set, const T& style) {
  for (const auto& [name, own] : set)
    if (Same(own, style)) return &name;
  return nullptr;
}

template <typename T>
int AddMissing(CArchiveMap<T>& target, const CArchiveMap<T>& source, IUiServices& ui, Renames& renames) {
  int changes = 0;
  for (const auto& [name, style] : source) {
    if (target.Contains(name)) continue;
    if (const std::string* same = NameWithSettings(target, style)) {
      ui.MessageBox(kSameSettings);
      renames[name] = *same;
      continue;
    }
    if (target.size() >= static_cast<std::size_t>(kMaxStylesOfAKind)) {
      ui.MessageBox(kSetFull);
      continue;
    }
    target.Insert(name, style);
    ++changes;
  }
  return changes;
}

template <typename T>
int Overwrite(CArchiveMap<T>& target, const CArchiveMap<T>& source, IUiServices& ui, Renames& renames) {
  int changes = 0;
  for (const auto& [name, style] : source) {
    if (target.Contains(name) || IsPredefined(target, name)) continue;
    std::vector<std::string> sameSettings;
    for (const auto& [own, ownStyle] : target)
      if (!IsPredefined(target, own) && Same(ownStyle, style)) sameSettings.push_back(own);
    for (const std::string& own : sameSettings) {
      target.Erase(own);
      renames[own] = name;
      ++changes;
    }
  }
  for (const auto& [name, style] : source) {
    const T* own = target.Find(name);
    if (own && *own == style) continue;
    if (!own && target.size() >= static_cast<std::size_t>(kMaxStylesOfAKind)) {
      ui.MessageBox(kSetFull);
      continue;
    }
    target.Insert(name, style);
    ++changes;
  }
  return changes;
}

// Paragraph styles name their character style; a name that gave way is followed to its successor.
void FollowRenames(CArchiveMap<CParFormat>& styles, const Renames& renames) {
  if (renames.empty()) return;
  styles.ForEach([&](const std::string&, CParFormat& style) {
    const auto it = renames.find(style.m_CharStyle);
    if (it != renames.end()) style.m_CharStyle = it->second;
  });
}

}  // namespace

bool SameCharSettings(const CCharFormat& a, const CCharFormat& b) {
  return a.m_FaceName == b.m_FaceName && a.m_CharSet == b.m_CharSet && a.m_Height == b.m_Height &&
         (a.m_Effects & ~kEffectAutoColor) == (b.m_Effects & ~kEffectAutoColor) &&
         a.m_Underline == b.m_Underline && a.m_Strikeout == b.m_Strikeout && a.m_Color == b.m_Color;
}

bool SameParSettings(const CParFormat& a, const CParFormat& b) {
  return a.m_Numbering == b.m_Numbering && a.m_StartIndent == b.m_StartIndent &&
         a.m_RightIndent == b.m_RightIndent && a.m_Offset == b.m_Offset && a.m_Alignment == b.m_Alignment &&
         a.m_TabCount == b.m_TabCount && a.m_Tabs == b.m_Tabs && a.m_SpaceBefore == b.m_SpaceBefore &&
         a.m_SpaceAfter == b.m_SpaceAfter && a.m_LineSpacing == b.m_LineSpacing &&
         a.m_LineSpacingRule == b.m_LineSpacingRule;
}

int MergeStyles(CCalendarContent& target, const CCalendarContent& source, bool overwrite, IUiServices& ui) {
  Renames charRenames, parRenames;
  int changes = overwrite ? Overwrite(target.m_Styles, source.m_Styles, ui, charRenames)
                          : AddMissing(target.m_Styles, source.m_Styles, ui, charRenames);
  changes += overwrite ? Overwrite(target.m_StylesPar, source.m_StylesPar, ui, parRenames)
                       : AddMissing(target.m_StylesPar, source.m_StylesPar, ui, parRenames);
  FollowRenames(target.m_StylesPar, charRenames);
  return changes;
}

}  // namespace orv
