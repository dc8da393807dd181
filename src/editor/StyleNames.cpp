#include "editor/StyleNames.h"

#include <algorithm>

#include "document/StyleSets.h"
#include "document/TedDoc.h"
#include "names/CzechCollation.h"

namespace orv {
namespace {

template <typename Map>
std::vector<std::string> Names(const Map& styles, int (*predefinedSlot)(std::string_view), bool userOnly) {
  std::vector<std::string> names;
  for (const auto& [name, style] : styles)
    if (!userOnly || predefinedSlot(name) < 0) names.push_back(name);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CzechCompare(a, b) < 0; });
  return names;
}

}  // namespace

std::vector<std::string> UserCharStyleNames(const CTedDoc& doc) {
  return Names(doc.m_Styles, PredefinedCharSlot, true);
}
std::vector<std::string> UserParStyleNames(const CTedDoc& doc) {
  return Names(doc.m_StylesPar, PredefinedParSlot, true);
}
std::vector<std::string> AllCharStyleNames(const CTedDoc& doc) {
  return Names(doc.m_Styles, PredefinedCharSlot, false);
}
std::vector<std::string> AllParStyleNames(const CTedDoc& doc) {
  return Names(doc.m_StylesPar, PredefinedParSlot, false);
}

}  // namespace orv
