#pragma once
// The change-holidays dialog ("Změnit svátky") without its widgets. It edits a private copy of the
// names database: one category on one day of the year at a time (the day list has no year, so
// 29 February is always there). Přidat, Odstranit and Přejmenovat check what the user asks and say
// why they refuse; WriteBack copies the result into the calendar on OK, Storno simply drops it.
//
//   CChangeHolidaysModel change(doc.m_Names, 3, 15);   // opens on 15 March, name days
//   change.SetCategory(kPrivateHolidays);  change.Add(name);
//   change.WriteBack(doc.m_Names);  doc.SetModifiedFlag();

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "names/NameLists.h"
#include "names/NamesDatabase.h"

namespace orv {

// The keys of the day list: Left/Right change the month (wrapping round the year), Up/Down move one
// day and stop at the month's ends, Home/End go to its first and last day.
enum class EDayListKey { Left, Right, Up, Down, Home, End };

class CChangeHolidaysModel {
 public:
  CChangeHolidaysModel(const CNamesDatabase& names, int month, int day);

  int Month() const { return m_Month; }
  int Day() const { return m_DayIndex + 1; }
  int DayCount() const;
  // The day list's lines "01" ... and the month shown above it (Windows-1250).
  std::vector<std::string> DayLabels() const;
  const std::string& MonthText() const;
  void SelectDay(int day);
  void HandleDayKey(EDayListKey key);

  void SetCategory(int category);
  int Category() const { return m_Category; }
  // "Zadejte nové jméno :" on opening, "Zadejte <noun>" once a category was chosen (UTF-8).
  std::string Prompt() const;

  // The entries of the selected day in the selected category, in the order added, without the
  // single names "Pavel" and "Eva" that accompany their pairs (Windows-1250).
  std::vector<std::string> Entries() const;
  CTypedMatch Type(std::string_view typed) const { return FindTypedName(Entries(), typed); }

  // Selects the day of a name of the selected category; false when the category lacks it.
  bool SelectDayOf(std::string_view name);

  // `selected` is a line of Entries(); nullopt when none is selected.
  bool Add(std::string_view typed);
  bool Remove(std::optional<int> selected);
  // Removes a name of the selected category by itself, with the same refusals.
  bool RemoveEntry(const std::string& name);
  // The entry Přejmenovat would rename, after its checks; nullopt after a message.
  std::optional<std::string> RenameCandidate(std::optional<int> selected) const;
  // Renames on the old name's day; the protected names are refused here too.
  bool Rename(const std::string& oldName, std::string_view typedNewName);

  const CNamesDatabase& Names() const { return m_Copy; }
  void WriteBack(CNamesDatabase& target) const { target.CopyNamesFrom(m_Copy); }

 private:
  std::string SelectedKey() const;
  std::optional<std::string> Chosen(std::optional<int> selected, const char* chooseMessage) const;
  // The refusal for a name the category holds already, with its date; false when it is free.
  bool RefuseTaken(std::string_view name) const;
  // The refusals of a name to be added: taken, or one the calendar never shows alone.
  bool RefuseNew(std::string_view name) const;
  bool AddToDay(std::string_view name);

  CNamesDatabase m_Copy;
  int m_Month;
  int m_DayIndex;
  int m_Category = kNameDays;
  bool m_CategoryChosen = false;
};

}  // namespace orv
