#include "names/ChangeHolidaysModel.h"

#include <algorithm>
#include <array>

#include "core/BuiltinHolidays.h"
#include "core/CalendarDates.h"
#include "core/Cp1250.h"
#include "core/UiServices.h"

namespace orv {
namespace {

constexpr int kLeapYear = 2000;

// By category slot; UTF-8.
constexpr std::array<const char*, 5> kPromptNouns = {"nové jméno", "nový státní svátek", "nový svátek",
                                                     "nový soukromý svátek", "nový významný den"};

constexpr const char* kProtectedMessage = "Jména Adam a Eva, Petr a Pavel nelze přejmenovat ani vymazat.";

// The single names beside "Petr a Pavel" and "Adam a Eva": the month rows and the day's entries leave
// them out, so an entry of that name would be neither shown nor removable.
bool IsHiddenName(std::string_view name) {
  return name == "Pavel" || name == "Eva";
}

bool IsPairName(std::string_view name) {
  return name == "Adam a Eva" || name == "Eva" || name == "Petr a Pavel" || name == "Pavel";
}

// Refuses the names that cannot be renamed or removed; true when `name` is one of them.
bool RefuseProtected(std::string_view name, IUiServices& ui) {
  if (IsPairName(name)) {
    ui.MessageDialog(kProtectedMessage);
    return true;
  }
  if (name == EasterMondayName()) {
    ui.MessageDialog("Velikonoce nelze přejmenovat ani vymazat.");
    return true;
  }
  return false;
}

}  // namespace

CChangeHolidaysModel::CChangeHolidaysModel(const CNamesDatabase& names, int month, int day)
    : m_Copy(names.Ui()), m_Month(std::clamp(month, 1, 12)), m_DayIndex(0) {
  m_Copy.CopyNamesFrom(names);
  SelectDay(day);
}

int CChangeHolidaysModel::DayCount() const {
  return DaysInMonth(kLeapYear, m_Month);
}

std::vector<std::string> CChangeHolidaysModel::DayLabels() const {
  std::vector<std::string> labels;
  for (int day = 1; day <= DayCount(); ++day)
    labels.push_back(day < 10 ? "0" + std::to_string(day) : std::to_string(day));
  return labels;
}

const std::string& CChangeHolidaysModel::MonthText() const {
  return MonthName(m_Month);
}

void CChangeHolidaysModel::SelectDay(int day) {
  m_DayIndex = std::clamp(day, 1, DayCount()) - 1;
}

void CChangeHolidaysModel::HandleDayKey(EDayListKey key) {
  switch (key) {
    case EDayListKey::Left:
      m_Month = m_Month == 1 ? 12 : m_Month - 1;
      break;
    case EDayListKey::Right:
      m_Month = m_Month == 12 ? 1 : m_Month + 1;
      break;
    case EDayListKey::Up:
      --m_DayIndex;
      break;
    case EDayListKey::Down:
      ++m_DayIndex;
      break;
    case EDayListKey::Home:
      m_DayIndex = 0;
      break;
    case EDayListKey::End:
      m_DayIndex = DayCount() - 1;
      break;
  }
  SelectDay(m_DayIndex + 1);
}

void CChangeHolidaysModel::SetCategory(int category) {
  m_Category = category;
  m_CategoryChosen = true;
}

std::string CChangeHolidaysModel::Prompt() const {
  if (!m_CategoryChosen) return std::string("Zadejte ") + kPromptNouns[0] + " :";
  return std::string("Zadejte ") + kPromptNouns[m_Category];
}

std::string CChangeHolidaysModel::SelectedKey() const {
  return AnniversaryKey(m_Month, Day());
}

std::vector<std::string> CChangeHolidaysModel::Entries() const {
  std::vector<std::string> entries;
  for (const std::string& name : m_Copy.NamesOn(m_Category, SelectedKey()))
    if (!IsHiddenName(name)) entries.push_back(name);
  return entries;
}

bool CChangeHolidaysModel::RefuseNew(std::string_view name) const {
  if (RefuseTaken(name)) return true;
  if (!IsHiddenName(name)) return false;
  m_Copy.Ui().MessageDialog(
      "Jména Eva a Pavel kalendář samostatně nezobrazuje, nelze je proto přidat.\r\n"
      "Zadejte jiný název.");
  return true;
}

bool CChangeHolidaysModel::RefuseTaken(std::string_view name) const {
  const CNameCategory& slot = m_Copy.m_Slots[m_Category];
  if (std::find(slot.m_SeznamJmen.begin(), slot.m_SeznamJmen.end(), name) == slot.m_SeznamJmen.end())
    return false;
  if (const CComment* date = slot.m_DatumPodleJmena.Find(name))
    m_Copy.Ui().MessageDialog("Tato položka je již přiřazena k datu " +
                              Cp1250ToUtf8(FormatAnniversary(date->m_Str)));
  else
    m_Copy.Ui().MessageDialog("Chyba konzistence OnBuAdd - name nebylo nalezeno");
  return true;
}

bool CChangeHolidaysModel::AddToDay(std::string_view name) {
  const std::string key = SelectedKey();
  if (!m_Copy.AddNameToDate(m_Category, name, key)) {
    m_Copy.Ui().MessageDialog("AddToDataMap - FALSE");
    return false;
  }
  if (!m_Copy.SetDateOfName(m_Category, name, key)) {
    m_Copy.Ui().MessageDialog("AddToDatumyMap - FALSE");
    return false;
  }
  m_Copy.InsToStrList(m_Copy.m_Slots[m_Category].m_SeznamJmen, name, /*categoryList=*/true);
  return true;
}

bool CChangeHolidaysModel::Add(std::string_view typed) {
  const std::string_view name = TrimName(typed);
  if (name.empty()) {
    m_Copy.Ui().MessageDialog("Nový název nemůže být tvořen mezerami.");
    return false;
  }
  if (RefuseNew(name)) return false;
  return AddToDay(name);
}

std::optional<std::string> CChangeHolidaysModel::Chosen(std::optional<int> selected,
                                                        const char* chooseMessage) const {
  const std::vector<std::string> entries = Entries();
  if (entries.empty()) return std::nullopt;
  if (selected && *selected >= 0 && *selected < static_cast<int>(entries.size())) return entries[*selected];
  if (entries.size() == 1) return entries.front();
  m_Copy.Ui().MessageDialog(chooseMessage);
  return std::nullopt;
}

bool CChangeHolidaysModel::SelectDayOf(std::string_view name) {
  const CComment* date = m_Copy.m_Slots[m_Category].m_DatumPodleJmena.Find(name);
  if (!date) return false;
  const MonthDay md = ParseAnniversaryKey(date->m_Str);
  if (md.month < 1 || md.month > 12) return false;
  m_Month = md.month;
  SelectDay(md.day);
  return true;
}

bool CChangeHolidaysModel::Remove(std::optional<int> selected) {
  const std::optional<std::string> name =
      Chosen(selected, "Nejprve je nutno vybrat v seznamu název, \r\nkterý má být vymazán.");
  return name && RemoveEntry(*name);
}

bool CChangeHolidaysModel::RemoveEntry(const std::string& name) {
  if (RefuseProtected(name, m_Copy.Ui())) return false;
  return m_Copy.RemoveName(m_Category, name);
}

std::optional<std::string> CChangeHolidaysModel::RenameCandidate(std::optional<int> selected) const {
  std::optional<std::string> name =
      Chosen(selected, "Nejprve je nutno vybrat v seznamu název, \r\nkterý chcete přejmenovat.");
  if (!name || RefuseProtected(*name, m_Copy.Ui())) return std::nullopt;
  return name;
}

bool CChangeHolidaysModel::Rename(const std::string& oldName, std::string_view typedNewName) {
  IUiServices& ui = m_Copy.Ui();
  if (RefuseProtected(oldName, ui)) return false;
  const std::string_view newName = TrimName(typedNewName);
  if (newName.empty()) {
    ui.MessageDialog("Nový název je prázdný.");
    return false;
  }
  if (newName == oldName) {
    ui.MessageDialog("Zadejte nový název do editačního pole");
    return false;
  }
  if (RefuseNew(newName)) return false;
  if (!m_Copy.RemoveName(m_Category, oldName)) {
    ui.MessageDialog("OnBuRename - Chyba konzistence 2");
    return false;
  }
  if (!AddToDay(newName)) {
    ui.MessageDialog("OnBuRename - Chyba konzistence 1");
    return false;
  }
  return true;
}

}  // namespace orv
