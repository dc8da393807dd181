#include "names/NamesDatabase.h"

#include <algorithm>
#include <string>

#include "core/BuiltinHolidays.h"
#include "core/UiServices.h"
#include "names/CzechCollation.h"

namespace orv {
namespace {

bool Holds(const std::vector<std::string>& list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// Files copies of the source's entries the way the program files new ones (first in their bucket).
template <typename T>
void CopyMap(const CArchiveMap<T>& source, CArchiveMap<T>& target) {
  target.clear();
  for (const auto& [key, value] : source)
    if (!target.Contains(key)) target.Insert(key, value);
}

}  // namespace

// Names are trimmed of white space at both ends, as the edit fields deliver them.
std::string_view TrimName(std::string_view s) {
  constexpr std::string_view kSpace = " \t\r\n\v\f";
  const size_t first = s.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kSpace) - first + 1);
}

bool CNamesDatabase::AddNameToDate(int category, std::string_view name, std::string_view anniversaryKey) {
  const std::string_view trimmed = TrimName(name);
  if (trimmed.empty()) return false;
  CArchiveMap<CNames>& byDate = m_Slots[category].m_JmenaPodleData;
  if (CNames* names = byDate.Find(anniversaryKey)) {
    if (!Holds(names->m_List, trimmed)) names->m_List.emplace_back(trimmed);
  } else {
    byDate.Insert(std::string(anniversaryKey), CNames{{std::string(trimmed)}});
  }
  return true;
}

bool CNamesDatabase::SetDateOfName(int category, std::string_view name, std::string_view anniversaryKey) {
  const std::string_view trimmed = TrimName(name);
  if (trimmed.empty()) return false;
  CArchiveMap<CComment>& byName = m_Slots[category].m_DatumPodleJmena;
  if (CComment* date = byName.Find(trimmed))
    date->m_Str = anniversaryKey;
  else
    byName.Insert(std::string(trimmed), CComment{std::string(anniversaryKey)});
  return true;
}

bool CNamesDatabase::AddName(int category, std::string_view name, std::string_view anniversaryKey) {
  if (!AddNameToDate(category, name, anniversaryKey)) return false;
  if (!SetDateOfName(category, name, anniversaryKey)) return false;
  InsToStrList(m_Slots[category].m_SeznamJmen, name, /*categoryList=*/true);
  return true;
}

bool CNamesDatabase::InsToStrList(std::vector<std::string>& list, std::string_view name, bool categoryList) {
  const std::string_view trimmed = TrimName(name);
  if (trimmed.empty() || Holds(list, trimmed)) return false;
  if (list.empty()) {
    list.emplace_back(trimmed);
    return true;
  }
  // Halving search: [lo, hi) narrows around the place; mid is always inside it.
  size_t lo = 0, hi = list.size(), mid = list.size() / 2;
  for (;;) {
    if (mid >= list.size()) {
      if (categoryList)
        m_Ui->MessageDialog("Chyba: index " + std::to_string(mid) + " neexistuje");
      else
        m_Ui->MessageDialog("Chyba: InsToStrList 1");
      return false;
    }
    const bool before = CzechCompare(trimmed, list[mid]) < 0;
    if (hi - lo == 1) {
      list.emplace(list.begin() + static_cast<std::ptrdiff_t>(before ? mid : mid + 1), trimmed);
      return true;
    }
    if (before) {
      hi = mid;
      mid = lo + (mid - lo) / 2;
    } else {
      lo = mid;
      mid = mid + (hi - mid) / 2;
    }
  }
}

bool CNamesDatabase::RemoveName(int category, std::string_view name) {
  CNameCategory& slot = m_Slots[category];
  const auto listed = std::find(slot.m_SeznamJmen.begin(), slot.m_SeznamJmen.end(), name);
  if (listed == slot.m_SeznamJmen.end()) {
    // The computed Easter entry is absent in years outside the range: nothing to report.
    if (name != EasterMondayName()) m_Ui->MessageDialog("Chyba: RemoveName 1");
    return false;
  }
  slot.m_SeznamJmen.erase(listed);

  const CComment* date = slot.m_DatumPodleJmena.Find(name);
  if (!date) {
    m_Ui->MessageDialog("Chyba: RemoveName 2");
    return false;
  }
  const std::string key = date->m_Str;
  slot.m_DatumPodleJmena.Erase(name);

  CNames* names = slot.m_JmenaPodleData.Find(key);
  if (!names) {
    m_Ui->MessageDialog("Chyba: RemoveName 3");
    return false;
  }
  const auto onDay = std::find(names->m_List.begin(), names->m_List.end(), name);
  if (onDay == names->m_List.end()) {
    m_Ui->MessageDialog("Chyba: RemoveName 4");
    return false;
  }
  names->m_List.erase(onDay);
  if (names->m_List.empty()) slot.m_JmenaPodleData.Erase(key);
  return true;
}

const std::vector<std::string>& CNamesDatabase::NamesOn(int category, std::string_view anniversaryKey) const {
  static const std::vector<std::string> kNone;
  const CNames* names = m_Slots[category].m_JmenaPodleData.Find(anniversaryKey);
  return names ? names->m_List : kNone;
}

void CNamesDatabase::Clear() {
  for (CNameCategory& slot : m_Slots) {
    slot.m_JmenaPodleData.clear();
    slot.m_DatumPodleJmena.clear();
    slot.m_SeznamJmen.clear();
  }
}

void CNamesDatabase::CopyNamesFrom(const CNamesDatabase& source) {
  if (&source == this) return;
  for (int k = 0; k < kCategorySlots; ++k) {
    CopyMap(source.m_Slots[k].m_JmenaPodleData, m_Slots[k].m_JmenaPodleData);
    CopyMap(source.m_Slots[k].m_DatumPodleJmena, m_Slots[k].m_DatumPodleJmena);
    m_Slots[k].m_SeznamJmen = source.m_Slots[k].m_SeznamJmen;
  }
}

}  // namespace orv
