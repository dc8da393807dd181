#include "editor/StylesDialogModel.h"

#include <algorithm>

#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "document/StyleSets.h"
#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "names/CzechCollation.h"

namespace orv {
namespace {

constexpr size_t kMaxStyles = 12;  // four predefined and eight of the user's

struct SMessages {
  const char* sameFormat;
  const char* predefined;
};

// What differs between the two kinds.
CArchiveMap<CCharFormat>& StylesOf(CTedDoc& doc, SCharStyleKind) {
  return doc.m_Styles;
}
CArchiveMap<CParFormat>& StylesOf(CTedDoc& doc, SParStyleKind) {
  return doc.m_StylesPar;
}
const CArchiveMap<CCharFormat>& StylesOf(const CTedDoc& doc, SCharStyleKind) {
  return doc.m_Styles;
}
const CArchiveMap<CParFormat>& StylesOf(const CTedDoc& doc, SParStyleKind) {
  return doc.m_StylesPar;
}
SMessages MessagesOf(SCharStyleKind) {
  return {"Zadaný formát písma již existuje pod názvem %s",
          "Styly Standard1, Standard2, Nadpis1 a Nadpis2 vymazat nelze !"};
}
SMessages MessagesOf(SParStyleKind) {
  return {"Zadaný formát odstavce již existuje pod názvem %s",
          "Styly Normal1, Normal2, Hlavička1 a Hlavička2 vymazat nelze !"};
}
int PredefinedSlot(std::string_view name, SCharStyleKind) {
  return PredefinedCharSlot(name);
}
int PredefinedSlot(std::string_view name, SParStyleKind) {
  return PredefinedParSlot(name);
}
CharFormat ChoiceOfRecord(const CCharFormat& style) {
  return ToCharFormat(style);
}
SParStyleChoice ChoiceOfRecord(const CParFormat& style) {
  return {ToParaFormat(style), style.m_CharStyle};
}
CCharFormat RecordOf(const CharFormat& chosen) {
  return ToCharStyle(chosen);
}
CParFormat RecordOf(const SParStyleChoice& chosen) {
  return ToParStyle(chosen.format, chosen.charStyle);
}
bool IsSame(const CharFormat& a, const CharFormat& b) {
  return IsSameCharStyle(a, b);
}
bool IsSame(const SParStyleChoice& a, const SParStyleChoice& b) {
  return IsSameParStyle(a.format, b.format);
}
// A character style needs a face.
bool CheckChoice(const CharFormat& chosen, IUiServices& ui) {
  if ((chosen.mask & CFM_FACE) && !chosen.face.empty()) return true;
  ui.MessageDialog("Je nutno zadat písmo !");
  return false;
}
bool CheckChoice(const SParStyleChoice&, IUiServices&) {
  return true;
}
void AddEdit(SStyleEdits& edits, const CCharFormat& before, const CCharFormat& after) {
  edits.chars.push_back({ToCharFormat(before), ToCharFormat(after)});
}
void AddEdit(SStyleEdits& edits, const CParFormat& before, const CParFormat& after) {
  edits.pars.push_back({ToParaFormat(before), ToParaFormat(after)});
}

std::string WithName(std::string_view utf8Format, std::string_view cp1250Name) {
  std::string text(utf8Format);
  text.replace(text.find("%s"), 2, Cp1250ToUtf8(cp1250Name));
  return text;
}

}  // namespace

template <typename Kind>
CStylesModel<Kind>::CStylesModel(const CTedDoc& doc, IUiServices& ui)
    : m_Ui(ui), m_Styles(StylesOf(doc, Kind{})) {}

template <typename Kind>
bool CStylesModel<Kind>::Open() {
  if (!m_Styles.empty()) return true;
  m_Ui.MessageDialog("CDlgXStyl::OnInitDialog() - Kontejner Styly je prázdný");
  return false;
}

template <typename Kind>
std::vector<std::string> CStylesModel<Kind>::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, style] : m_Styles) names.push_back(name);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CzechCompare(a, b) < 0; });
  return names;
}

template <typename Kind>
typename Kind::Choice CStylesModel<Kind>::ChoiceOf(std::string_view name) const {
  const Record* style = m_Styles.Find(name);
  return style ? ChoiceOfRecord(*style) : Choice{};
}

template <typename Kind>
bool CStylesModel<Kind>::CheckNewName(std::string_view name) {
  const char* refusal = nullptr;
  if (m_Styles.size() >= kMaxStyles)
    refusal = "Další styl již přidat nelze.";
  else if (m_Styles.Contains(name))
    refusal = "Styl již existuje.";
  else if (name.empty())
    refusal = "Zadejte název stylu.";
  else if (name.front() == ' ')
    refusal = "Název stylu nemůže začínat mezerou.";
  if (refusal) m_Ui.MessageDialog(refusal);
  return !refusal;
}

template <typename Kind>
std::string CStylesModel<Kind>::SameFormatAs(const Choice& chosen, std::string_view except) const {
  for (const auto& [name, style] : m_Styles)
    if (name != except && IsSame(chosen, ChoiceOfRecord(style))) return name;
  return {};
}

template <typename Kind>
bool CStylesModel<Kind>::AddNew(std::string_view name, const Choice& chosen) {
  if (!CheckNewName(name) || !CheckChoice(chosen, m_Ui)) return false;
  if (const std::string same = SameFormatAs(chosen, {}); !same.empty()) {
    m_Ui.MessageDialog(WithName(MessagesOf(Kind{}).sameFormat, same));
    return false;
  }
  m_Styles.Insert(std::string(name), RecordOf(chosen));
  m_bChanged = true;
  return true;
}

template <typename Kind>
bool CStylesModel<Kind>::CheckEdit(std::string_view selected) {
  if (!selected.empty() && m_Styles.Contains(selected)) return true;
  m_Ui.MessageDialog("Prosím, vyberte v seznamu styl, který chcete editovat !");
  return false;
}

template <typename Kind>
bool CStylesModel<Kind>::Edit(std::string_view name, const Choice& chosen) {
  Record* style = m_Styles.Find(name);
  if (!style || !CheckChoice(chosen, m_Ui)) return false;
  if (const std::string same = SameFormatAs(chosen, name); !same.empty()) {
    m_Ui.MessageDialog(WithName(MessagesOf(Kind{}).sameFormat, same));
    return false;
  }
  m_Originals.emplace(std::string(name), *style);  // the first edit keeps the format it replaced
  *style = RecordOf(chosen);
  m_bChanged = true;
  return true;
}

template <typename Kind>
bool CStylesModel<Kind>::Delete(std::string_view selected) {
  if (selected.empty() || !m_Styles.Contains(selected)) {
    m_Ui.MessageDialog("Prosím, vyberte v seznamu styl, který chcete vymazat !");
    return false;
  }
  if (PredefinedSlot(selected, Kind{}) >= 0) {
    m_Ui.MessageDialog(MessagesOf(Kind{}).predefined);
    return false;
  }
  m_Styles.Erase(selected);
  m_Originals.erase(std::string(selected));
  m_bChanged = true;
  return true;
}

template <typename Kind>
SStyleEdits CStylesModel<Kind>::Commit(CTedDoc& doc) {
  SStyleEdits edits;
  if (!m_bChanged) return edits;
  CArchiveMap<Record>& styles = StylesOf(doc, Kind{});
  for (const auto& [name, before] : m_Originals) {
    // A style added in this dialog formats no stored text yet.
    if (!styles.Contains(name)) continue;
    const Record& after = *m_Styles.Find(name);
    if (!(before == after)) AddEdit(edits, before, after);
  }
  styles = m_Styles;
  doc.SetModifiedFlag();
  return edits;
}

template class CStylesModel<SCharStyleKind>;
template class CStylesModel<SParStyleKind>;

}  // namespace orv
