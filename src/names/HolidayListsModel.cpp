#include "names/HolidayListsModel.h"

#include "core/UiServices.h"
#include "names/NamesDatabase.h"

namespace orv {

CHolidayListsModel::CHolidayListsModel(const CNamesDatabase& names) : m_Names(names) {
  SetCategory(kNameDays);
}

void CHolidayListsModel::SetCategory(int category) {
  m_Category = category;
  m_Entries = IsAlphabetical() ? AlphabeticalNames(m_Names, category) : ChronologicalNames(m_Names, category);
  m_EntryNames.clear();
  for (const CNameListEntry& entry : m_Entries) m_EntryNames.push_back(entry.name);
}

std::string CHolidayListsModel::LineText(int line) const {
  const CNameListEntry& entry = m_Entries[line];
  const std::string date = FormatAnniversary(entry.anniversaryKey);
  return IsAlphabetical() ? entry.name + '\t' + date : date + '\t' + entry.name;
}

CTypedMatch CHolidayListsModel::Type(std::string_view typed) const {
  if (!IsAlphabetical()) return {};
  return FindTypedName(m_EntryNames, typed);
}

std::string CHolidayListsModel::ChosenName(int line) const {
  if (!IsAlphabetical() || line < 0 || line >= static_cast<int>(m_Entries.size())) return {};
  return m_Entries[line].name;
}

// A chronological line's own name is looked up exactly: searching the line's text for every name
// of the category could find a shorter name inside a longer one and jump to its date instead.
bool CHolidayListsModel::Ok(int line) {
  m_Result.clear();
  if (line < 0 || line >= static_cast<int>(m_Entries.size())) return true;
  if (IsAlphabetical()) {
    m_Result = m_Entries[line].anniversaryKey;
    return true;
  }
  const CComment* date = m_Names.m_Slots[m_Category].m_DatumPodleJmena.Find(m_Entries[line].name);
  if (!date) {
    m_Names.Ui().MessageDialog("CDlgSvatky x - OnOk - Chyba konzistence 1");
    return false;
  }
  m_Result = date->m_Str;
  return true;
}

}  // namespace orv
