// Seeding a new calendar's names database from the built-in tables, and the yearly Easter Monday.
#include "core/BuiltinHolidays.h"
#include "core/UiServices.h"
#include "names/NamesDatabase.h"

namespace orv {

void CNamesDatabase::FillBuiltinNameDays() {
  for (int month = 1; month <= 12; ++month) {
    std::vector<std::string>& names = m_SvatkyJmena[month - 1];
    std::vector<std::string>& keys = m_SvatkyData[month - 1];
    names.clear();
    keys.clear();
    for (const BuiltinHoliday& e : BuiltinNameDays(month)) {
      names.push_back(e.name);
      keys.push_back(e.key);
    }
  }
}

bool CNamesDatabase::LoadKonstSabl() {
  for (int m = 0; m < 12; ++m) {
    const std::vector<std::string>& names = m_SvatkyJmena[m];
    const std::vector<std::string>& keys = m_SvatkyData[m];
    if (names.size() != keys.size()) {
      m_Ui->MessageDialog("Chyba: LoadKonstSabl 1");
      return false;
    }
    auto key = keys.begin();
    for (auto name = names.begin(); name != names.end(); ++name, ++key) {
      if (key == keys.end()) {
        m_Ui->MessageDialog("Chyba: LoadKonstSabl 2");
        return false;
      }
      AddName(kNameDays, *name, *key);
    }
  }
  // The empty significant-day slots are offered too; AddName turns them away.
  for (const BuiltinHoliday& e : BuiltinStateHolidays()) AddName(kStateHolidays, e.name, e.key);
  for (const BuiltinHoliday& e : BuiltinOtherHolidays()) AddName(kOtherHolidays, e.name, e.key);
  for (const BuiltinHoliday& e : BuiltinSignificantDays()) AddName(kSignificantDays, e.name, e.key);
  return true;
}

void CNamesDatabase::UpdateEasterMonday(int year) {
  m_Velikonoce.clear();
  const std::string monday = EasterMonday(year);
  if (!monday.empty()) m_Velikonoce.Insert(monday, CComment{EasterMondayName()});
  // A calendar saved in another year carries that year's entry; drop every one before re-entering.
  while (RemoveName(kOtherHolidays, EasterMondayName())) {
  }
  for (const auto& [key, record] : m_Velikonoce) AddName(kOtherHolidays, record.m_Str, key);
}

bool SeedNewCalendarNames(CNamesDatabase& names, int year) {
  names.FillBuiltinNameDays();
  const bool loaded = names.LoadKonstSabl();
  names.UpdateEasterMonday(year);
  return loaded;
}

}  // namespace orv
