#include "names/NameLists.h"

#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "names/NamesDatabase.h"

namespace orv {

std::string FormatAnniversary(std::string_view anniversaryKey) {
  if (anniversaryKey.size() < 2) return std::string(anniversaryKey);
  const MonthDay md = ParseAnniversaryKey(anniversaryKey);
  if (md.month < 1 || md.month > 12) return std::string(anniversaryKey);
  return std::string(anniversaryKey.substr(anniversaryKey.size() - 2)) + ". " + MonthNameGenitive(md.month);
}

std::vector<CNameListEntry> AlphabeticalNames(const CNamesDatabase& names, int category) {
  const CNameCategory& slot = names.m_Slots[category];
  std::vector<CNameListEntry> out;
  out.reserve(slot.m_SeznamJmen.size());
  for (const std::string& name : slot.m_SeznamJmen) {
    const CComment* date = slot.m_DatumPodleJmena.Find(name);
    if (!date) {
      names.Ui().MessageDialog(Cp1250ToUtf8(name));
      names.Ui().MessageDialog("CDlgSvatky - OnInit - Chyba konzistence 1");
      break;
    }
    out.push_back({name, date->m_Str});
  }
  return out;
}

std::vector<CNameListEntry> ChronologicalNames(const CNamesDatabase& names, int category) {
  constexpr int kLeapYear = 2000;
  std::vector<CNameListEntry> out;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= DaysInMonth(kLeapYear, month); ++day) {
      const std::string key = AnniversaryKey(month, day);
      for (const std::string& name : names.NamesOn(category, key)) out.push_back({name, key});
    }
  return out;
}

CTypedMatch FindTypedName(const std::vector<std::string>& names, std::string_view typed) {
  const std::string wanted = Cp1250ToUpper(typed);
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    const std::string name = Cp1250ToUpper(names[i]);
    if (name == wanted) return {i, i};
    if (name.size() > wanted.size() && name.starts_with(wanted)) return {-1, i};
  }
  return {};
}

}  // namespace orv
