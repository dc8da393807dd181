#pragma once
// The holiday lists dialog ("Seznamy svátků") without its widgets: one category of the names
// database at a time, the name days alphabetically with their dates, every other category day by
// day; typing a name finds it in the alphabetical list; OK gives the chosen entry's AnniversaryKey.
//
//   CHolidayListsModel lists(doc.m_Names);   lists.SetCategory(kStateHolidays);
//   if (lists.Ok(line)) key = lists.Result();   // empty when no line was chosen

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "names/NameLists.h"

namespace orv {

class CNamesDatabase;

struct CHolidayCategoryText {
  const char* combo;  // the category in the combo boxes of both names dialogs
  const char* title;  // the list's title in the lists dialog
};

// By category slot; UTF-8.
inline constexpr std::array<CHolidayCategoryText, 5> kHolidayCategoryTexts = {{
    {"jmenné svátky", "Abecední seznam jmen"},
    {"státní svátky", "Chronologický seznam státních svátků"},
    {"ostatní svátky", "Chronologický seznam ostatních svátků"},
    {"soukromé svátky", "Chronologický seznam narozenin"},
    {"významné dny", "Chronologický seznam významných dnů"},
}};

class CHolidayListsModel {
 public:
  // Opens on the name days.
  explicit CHolidayListsModel(const CNamesDatabase& names);

  void SetCategory(int category);
  int Category() const { return m_Category; }
  const char* Title() const { return kHolidayCategoryTexts[m_Category].title; }
  // Only the alphabetical list takes typed names.
  bool IsAlphabetical() const { return m_Category == 0; }

  // The lines of the list, two columns each (Windows-1250): name and date in the alphabetical
  // list, date and name in the chronological ones.
  const std::vector<CNameListEntry>& Entries() const { return m_Entries; }
  std::string LineText(int line) const;

  CTypedMatch Type(std::string_view typed) const;
  // The text a chosen line puts into the edit field: its name, in the alphabetical list only.
  std::string ChosenName(int line) const;

  // OK with a line chosen (-1: none). False leaves the dialog open after a consistency message.
  bool Ok(int line);
  const std::string& Result() const { return m_Result; }

 private:
  const CNamesDatabase& m_Names;
  int m_Category = 0;
  std::vector<CNameListEntry> m_Entries;
  std::vector<std::string> m_EntryNames;
  std::string m_Result;
};

}  // namespace orv
