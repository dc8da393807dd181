#include "document/StyleSets.h"

#include <algorithm>

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

int SlotOf(const std::array<std::string_view, kPredefinedStyles>& names, std::string_view name) {
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

}  // namespace

int PredefinedCharSlot(std::string_view name) {
  return SlotOf(kPredefinedCharStyles, name);
}

int PredefinedParSlot(std::string_view name) {
  return SlotOf(kPredefinedParStyles, name);
}

const CCharFormat* GetStyle(const CTedDoc& doc, std::string_view name) {
  const CCharFormat* style = doc.m_Styles.Find(name);
  if (!style) doc.Ui().MessageDialog("GetStyle - Chyba konzistence - zadaný styl písma neexistuje !");
  return style;
}

const CParFormat* GetStylePar(const CTedDoc& doc, std::string_view name) {
  return doc.m_StylesPar.Find(name);
}

}  // namespace orv
